// Which copy is which, the player's folder made on first start, a copy without one writing nothing, one
// game per folder and the leftovers of interrupted writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Messaggi.h"
#include "app/Testi.h"
#include "files/CartelleGioco.h"
#include "files/FileSchema.h"

using namespace tramelo;
namespace fs = std::filesystem;

namespace {

// The first word of the shipped puzzle, which a game that plays it shows first in its list.
const std::string kPrimaParolaSpedita = LeggiSchema(TRAMELO_DATA_DIR "/schemi/schema.txt").parole.at(0);

// An installed copy below a temporary prefix: <prefix>/games, and the shipped data in share/tramelo.
struct Installata {
    test::CartellaProva radice;
    fs::path prefisso = radice.percorso() / "usr", dati = prefisso / "share/tramelo";
    fs::path giocatore = radice.percorso() / "casa/.local/share/tramelo";
    Installata() {
        fs::create_directories(prefisso / "games"), fs::create_directories(dati);
        fs::copy(TRAMELO_DATA_DIR, dati, fs::copy_options::recursive);
    }
    std::string Leggi(const fs::path& f) const { return radice.Leggi(f.string()); }
};

}  // namespace

TEST(CartelleGioco, QualeCopia) {
    Installata i;
    const auto giochi = i.prefisso / "games", altri = i.radice.percorso() / "games";
    // clang-format off
    const std::tuple<const char*, fs::path, Ambiente, fs::path, fs::path> casi[] = {
        // name, the program's folder, $XDG_DATA_HOME and $HOME, the data folder, the player's folder
        {"lib non conta", i.prefisso / "lib", {"/x", "/home/a"}, i.prefisso / "lib", i.prefisso / "lib"},
        {"installata: XDG_DATA_HOME", giochi, {"/x/dati", "/home/a"}, i.dati, "/x/dati/tramelo"},
        {"installata in bin", i.prefisso / "bin", {"/x/dati", ""}, i.dati, "/x/dati/tramelo"},
        {"XDG_DATA_HOME relativa ignorata", giochi, {"dati", "/home/a"}, i.dati, "/home/a/.local/share/tramelo"},
        {"nessuna casa", giochi, {"", ""}, i.dati, ""},
        {"games senza share/tramelo", altri, {"/x", "/home/a"}, altri, altri},
    };
    // clang-format on
    for (const auto& [nome, eseguibile, ambiente, dati, giocatore] : casi) {
        const auto c = ScegliCartelle(eseguibile, ambiente);
        EXPECT_EQ(std::tuple(c.dati, c.giocatore, c.installata), std::tuple(dati, giocatore, dati == i.dati))
            << nome;
    }
}

TEST(CartelleGioco, LaCartellaDelGiocatoreOppureNessunaScrittura) {
    Installata i;
    i.radice.Scrivi("casa/file", "");
    i.radice.Scrivi("casa/.local/share/tramelo/FileTemp.jpg", "vecchio");  // a previous run's picture
    const auto impossibile = i.radice.percorso() / "casa/file/tramelo", sotto = i.prefisso / "tramelo";
    const std::pair<fs::path, std::string> casi[] = {
        // the player's folder, how the message ends; no message: made on first start and used
        {i.giocatore, ""},
        {impossibile, " (una cartella del percorso è un file):\r" + impossibile.string()},
        {i.dati, ":\r" + i.dati.string()},
        {sotto, ":\r" + sotto.string()},
        {"", ":\r$XDG_DATA_HOME/tramelo"},
    };
    for (const auto& [giocatore, nominata] : casi) {
        SCOPED_TRACE(nominata);
        // Of a folder of its own, only the player's folder changes; without one, nothing does.
        const auto prima = test::Istantanea(nominata.empty() ? i.prefisso : i.radice.percorso());
        test::FalsaPiattaforma p;
        Contesto c(p, {i.dati, giocatore, true});
        PreparaCartellaGiocatore(c);
        Form_Initialize(c);
        mnuSalvaSchema_Click(c);
        EXPECT_EQ(c.soloLettura, !nominata.empty());
        EXPECT_EQ(c.f.Label2[0].Caption, kPrimaParolaSpedita) << "lo schema spedito sulla tavola";
        if (nominata.empty()) {
            EXPECT_EQ(i.Leggi(giocatore / "schemi/schema.txt"), i.Leggi(i.dati / "schemi/schema.txt"));
            EXPECT_EQ(i.Leggi(giocatore / "schemi/schema_n_001.txt"), i.Leggi(i.dati / "schemi/schema.txt"));
            EXPECT_EQ(c.f.Image1[kImmagineIndizio].Picture.file, (giocatore / "FileTemp.jpg").string());
            EXPECT_EQ(p.Testi(),
                      std::vector<std::string>{testi::kSchemaSalvato + std::string("schema_n_001.txt")});
            // The next start keeps the player's current puzzle.
            i.radice.Scrivi("casa/.local/share/tramelo/schemi/schema.txt", "mio");
            PreparaCartellaGiocatore(c);
            EXPECT_FALSE(c.soloLettura);
            EXPECT_EQ(i.Leggi(giocatore / "schemi/schema.txt"), "mio");
        } else {  // what each command then says, SolaLetturaPerTuttaLaPartita checks
            EXPECT_EQ(p.Testi().at(0), testi::kCartellaGiocatoreMancante + nominata);
        }
        EXPECT_EQ(test::Istantanea(nominata.empty() ? i.prefisso : i.radice.percorso()), prima);
    }
}

// However the player's folder failed at start, the run stays read-only even once the cause is gone (space
// freed, the file in the way removed): each command that would write says so, and nothing is written.
TEST(CartelleGioco, SolaLetturaPerTuttaLaPartita) {
    const std::tuple<const char*, const char*, bool> casi[] = {
        // name, the player's folder below the test folder, whether the disk is full at the first start
        {"disco pieno alla prima partenza", "casa/.local/share/tramelo", true},
        {"un file al posto di una cartella", "casa/file/tramelo", false},  // the file is removed below
    };
    for (const auto& [nome, cartella, pieno] : casi) {
        SCOPED_TRACE(nome);
        Installata i;
        i.radice.Scrivi("casa/file", "");
        test::FalsaPiattaforma p;
        Contesto c(p, {i.dati, i.radice.percorso() / cartella, true});
        std::optional<test::LimiteScrittura> limite;
        if (pieno) limite.emplace();
        PreparaCartellaGiocatore(c);
        limite.reset();
        fs::remove(i.radice.percorso() / "casa/file");
        ASSERT_TRUE(c.soloLettura);
        const auto prima = test::Istantanea(i.radice.percorso());
        Form_Initialize(c);
        for (auto comando : {mnuNS_Click, mnuSalvaSchema_Click, mnuCaricaSchema_Click,
                             mnuCancellaSchema_Click, mnuRicomincia_Click})
            comando(c);
        const auto testi = p.Testi();
        ASSERT_FALSE(testi.empty());
        EXPECT_EQ(std::vector(testi.begin() + 1, testi.end()),
                  (std::vector<std::string>{testi::kSolaLetturaNuovo, testi::kSolaLetturaSalva,
                                            testi::kSolaLetturaCarica, testi::kSolaLetturaCancella}));
        EXPECT_EQ(c.f.Label2[0].Caption, kPrimaParolaSpedita) << "lo schema spedito sulla tavola";
        EXPECT_FALSE(c.f.File1.Visible);
        EXPECT_EQ(test::Istantanea(i.radice.percorso()), prima);
    }
}

// A second game on a folder says so and must not start; the first one's writes in progress are left alone.
// That a kill frees the lock is the crash test's (test_uccisioni.sh starts the game again after every kill).
TEST(CartelleGioco, LaSecondaPartitaSullaCartellaNonParte) {
    test::Partita prima, seconda;
    fs::remove_all(seconda.cartella.percorso());
    seconda.c.cartelle.giocatore = prima.cartella.percorso();
    BloccoCartella bloccoPrima, bloccoSeconda;
    ASSERT_TRUE(OccupaCartellaGiocatore(prima.c, bloccoPrima));
    prima.cartella.Scrivi("schemi/.schema.txt.abcd1234.tmp", "scrittura in corso");
    EXPECT_FALSE(OccupaCartellaGiocatore(seconda.c, bloccoSeconda));
    EXPECT_EQ(seconda.piattaforma.Testi(),
              std::vector<std::string>{ConFile(testi::kGiocoGiaAperto, prima.cartella.percorso())});
    EXPECT_EQ(prima.cartella.Leggi("schemi/.schema.txt.abcd1234.tmp"), "scrittura in corso");

    // A read-only game writes nothing, so it takes no lock and starts beside it.
    test::Partita terza;
    terza.c.cartelle.giocatore = prima.cartella.percorso();
    terza.c.soloLettura = true;
    BloccoCartella bloccoTerza;
    EXPECT_TRUE(OccupaCartellaGiocatore(terza.c, bloccoTerza));
    EXPECT_FALSE(bloccoTerza.Preso());
    EXPECT_EQ(terza.piattaforma.Testi(), std::vector<std::string>{});
}

// At start, the files that interrupted writes of the game left in the folders it writes go; nothing else.
TEST(CartelleGioco, AllAvvioViaITemporaneiDelGioco) {
    test::CartellaProva dati, giocatore;
    const std::vector<std::string> rimossi = {"schemi/.schema.txt.abcd1234.tmp",
                                              "schemi/.schema_n_001.txt.0a9z8y7x.tmp",
                                              ".FileTemp.jpg.k3j4h5g6.tmp"};
    const std::vector<std::string> tenuti = {
        "schemi/.schema.txt.abcd123.tmp",         // seven characters
        "schemi/.schema.txt.ABCD1234.tmp",        // capitals
        "schemi/schema.txt.abcd1234.tmp",         // no leading dot
        "schemi/..abcd1234.tmp",                  // no name
        "schemi/.schema.txt.abcd1234.tmp.bak",    // more after it
        "schemi/altro/.schema.txt.abcd1234.tmp",  // a folder below
        "dizionari/.indir_bbb.txt.abcd1234.tmp",  // a folder the game does not write
    };
    for (const auto& f : rimossi) giocatore.Scrivi(f, "x");
    for (const auto& f : tenuti) giocatore.Scrivi(f, "x");
    dati.Scrivi(".Immagini.jpg.abcd1234.tmp", "x");  // the data folder of an installed copy
    fs::create_directory(giocatore.percorso() / "schemi/.cartella.abcd1234.tmp");
    fs::create_symlink(giocatore.percorso() / "schemi/schema.txt.abcd1234.tmp",
                       giocatore.percorso() / "schemi/.collegamento.abcd1234.tmp");
    auto atteso = test::Istantanea(giocatore.percorso());
    for (const auto& f : rimossi) atteso.erase(f);
    const auto datiPrima = test::Istantanea(dati.percorso());

    test::FalsaPiattaforma p;
    Contesto c(p, {dati.percorso(), giocatore.percorso()});
    BloccoCartella blocco;
    ASSERT_TRUE(OccupaCartellaGiocatore(c, blocco));
    atteso[kFileBlocco] = "";
    EXPECT_EQ(test::Istantanea(giocatore.percorso()), atteso);
    EXPECT_EQ(test::Istantanea(dati.percorso()), datiPrima);
}
