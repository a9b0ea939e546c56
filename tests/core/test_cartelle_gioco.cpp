// Which copy is which, the player's folder made on first start, and a copy without one writing nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/CartelleGioco.h"
#include "files/FileSchema.h"

using namespace tramelo;
namespace fs = std::filesystem;

namespace {

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
        EXPECT_EQ(std::pair(c.dati, c.giocatore), std::pair(dati, giocatore)) << nome;
    }
}

TEST(CartelleGioco, LaCartellaDelGiocatoreOppureNessunaScrittura) {
    Installata i;
    i.radice.Scrivi("casa/file", "");
    i.radice.Scrivi("casa/.local/share/tramelo/FileTemp.jpg", "vecchio");  // a previous run's picture
    const auto impossibile = i.radice.percorso() / "casa/file/tramelo", sotto = i.prefisso / "tramelo";
    const std::pair<fs::path, std::string> casi[] = {
        // the player's folder, how the message names it; no message: made on first start and used
        {i.giocatore, ""},       {impossibile, impossibile.string()}, {i.dati, i.dati.string()},
        {sotto, sotto.string()}, {"", "$XDG_DATA_HOME/tramelo"},
    };
    for (const auto& [giocatore, nominata] : casi) {
        SCOPED_TRACE(nominata);
        // Of a folder of its own, only the player's folder changes; without one, nothing does.
        const auto prima = test::Istantanea(nominata.empty() ? i.prefisso : i.radice.percorso());
        test::FalsaPiattaforma p;
        Contesto c(p, i.dati, giocatore);
        c.installata = true;
        PreparaCartellaGiocatore(c);
        Form_Initialize(c);
        mnuSalvaSchema_Click(c);
        EXPECT_EQ(c.soloLettura, !nominata.empty());
        EXPECT_EQ(c.f.Label2[0].Caption, LeggiSchema(i.dati / "schemi/schema.txt").parole.at(0))
            << "lo schema spedito sulla tavola";
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
        } else {
            EXPECT_EQ(p.Testi().at(0), testi::kCartellaGiocatoreMancante + nominata);
            // After a fault above, a new game may run on without end: stop first.
            ASSERT_FALSE(HasFailure());
            mnuNS_Click(c);
        }
        EXPECT_EQ(test::Istantanea(nominata.empty() ? i.prefisso : i.radice.percorso()), prima);
    }
}
