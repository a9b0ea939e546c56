// The folders of a copy the player owns and of an installed copy: which one is which, the player's folder
// made on first start, and a game that has no folder of its own writing nothing at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/CartelleGioco.h"
#include "files/Percorsi.h"

using namespace tramelo;
namespace fs = std::filesystem;

namespace {

std::string Leggi(const fs::path& f) {
    std::string s;
    LeggiFile(f, s, kLimiteImmagini);
    return s;
}

// Every file below a folder with its bytes, to tell that nothing there changed.
std::map<std::string, std::string> Istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> v;
    for (const auto& e : fs::recursive_directory_iterator(cartella))
        if (e.is_regular_file()) v[e.path().string()] = Leggi(e.path());
    return v;
}

// An installed copy below a temporary prefix: <prefix>/games, and the shipped data in share/tramelo.
struct Installata {
    test::CartellaProva radice;
    fs::path prefisso = radice.percorso() / "usr";
    fs::path dati = prefisso / "share" / "tramelo";
    fs::path casa = radice.percorso() / "casa";
    Installata() {
        fs::create_directories(prefisso / "games");
        fs::create_directories(dati / "schemi");
        fs::copy_file(fs::path(TRAMELO_DATA_DIR) / "schemi/schema.txt", dati / "schemi/schema.txt");
        const fs::path spediti(TRAMELO_DATA_DIR);
        for (const char* f : {"Immagini.txt", "Immagini.jpg"}) fs::copy_file(spediti / f, dati / f);
        fs::copy(spediti / "dizionari", dati / "dizionari");
    }
};

}  // namespace

TEST(CartelleGioco, QualeCopia) {
    Installata i;
    const auto giochi = i.prefisso / "games";
    const auto portatile = i.radice.percorso() / "Tramelo";
    struct Caso {
        const char* nome;
        fs::path eseguibile;
        Ambiente ambiente;
        fs::path dati, giocatore;
    } casi[] = {
        {"cartella con i dati accanto", portatile, {"/x", "/home/a"}, portatile, portatile},
        {"installata: XDG_DATA_HOME", giochi, {"/x/dati", "/home/a"}, i.dati, "/x/dati/tramelo"},
        {"installata in bin", i.prefisso / "bin", {"/x/dati", ""}, i.dati, "/x/dati/tramelo"},
        {"XDG_DATA_HOME relativa ignorata",
         giochi,
         {"dati", "/home/a"},
         i.dati,
         "/home/a/.local/share/tramelo"},
        {"nessuna casa", giochi, {"", ""}, i.dati, ""},
        {"games senza share/tramelo",
         i.radice.percorso() / "games",
         {"/x", "/home/a"},
         i.radice.percorso() / "games",
         i.radice.percorso() / "games"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto c = ScegliCartelle(caso.eseguibile, caso.ambiente);
        EXPECT_EQ(c.dati, caso.dati);
        EXPECT_EQ(c.giocatore, caso.giocatore);
    }
}

TEST(CartelleGioco, PrimoAvvioPoiSalvaNellaCartellaDelGiocatore) {
    Installata i;
    const auto giocatore = i.casa / ".local/share/tramelo";
    i.radice.Scrivi("casa/.local/share/tramelo/FileTemp.jpg", "vecchio");  // a previous run's picture
    const auto prima = Istantanea(i.prefisso);
    test::FalsaPiattaforma p;
    Contesto c(p, i.dati, giocatore);
    c.installata = true;
    PreparaCartellaGiocatore(c);
    Form_Initialize(c);
    mnuSalvaSchema_Click(c);

    EXPECT_FALSE(c.soloLettura);
    const auto spedito = Leggi(i.dati / "schemi/schema.txt");
    EXPECT_EQ(Leggi(giocatore / "schemi/schema.txt"), spedito);
    EXPECT_EQ(Leggi(giocatore / "schemi/schema_n_001.txt"), spedito);
    EXPECT_EQ(c.f.Image1[kImmagineIndizio].Picture.file, (giocatore / "FileTemp.jpg").string());
    EXPECT_EQ(p.Testi(), std::vector<std::string>{std::string(testi::kSchemaSalvato) + "schema_n_001.txt"});
    EXPECT_EQ(Istantanea(i.prefisso), prima);

    // The next start keeps the player's current puzzle.
    i.radice.Scrivi("casa/.local/share/tramelo/schemi/schema.txt", "mio");
    Contesto ancora(p, i.dati, giocatore);
    ancora.installata = true;
    PreparaCartellaGiocatore(ancora);
    EXPECT_EQ(Leggi(giocatore / "schemi/schema.txt"), "mio");
}

TEST(CartelleGioco, SenzaCartellaSiGiocaLoSchemaSpeditoSenzaScrivere) {
    Installata i;
    i.radice.Scrivi("casa/file", "");
    const struct {
        const char* nome;
        fs::path giocatore, nominata;
    } casi[] = {
        {"cartella impossibile da creare", i.casa / "file/tramelo", i.casa / "file/tramelo"},
        {"cartella dei dati", i.dati, i.dati},
        {"cartella sotto il prefisso", i.prefisso / "tramelo", i.prefisso / "tramelo"},
        {"cartella senza nome", "", "$XDG_DATA_HOME/tramelo"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto prima = Istantanea(i.radice.percorso());
        test::FalsaPiattaforma p;
        Contesto c(p, i.dati, caso.giocatore);
        c.installata = true;
        PreparaCartellaGiocatore(c);
        EXPECT_TRUE(c.soloLettura);
        ASSERT_FALSE(p.messaggi.empty());
        EXPECT_EQ(p.messaggi[0].testo, testi::kCartellaGiocatoreMancante + caso.nominata.string());
        Form_Initialize(c);
        EXPECT_EQ(c.f.Label2[0].Caption, "ALTERNO") << "lo schema spedito sulla tavola";
        mnuSalvaSchema_Click(c);
        mnuNS_Click(c);
        EXPECT_EQ(Istantanea(i.radice.percorso()), prima);
    }
}
