// The shipped word store, length index and picture catalogue: the loader takes them without a complaint,
// they hold what the generator relies on beyond what the loader checks, and the words are fit for a family
// puzzle (the lists in parole_di_famiglia.txt).
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "FalsaPiattaforma.h"
#include "files/Dizionario.h"

using namespace tramelo;

namespace {

// The shipped data loaded into a game; every line of the index and catalogue must end in CR LF (a
// checkout that turns them into LF is a fault).
struct Spediti : test::Partita {
    Spediti() { test::CopiaDatiSpediti(cartella), Carica(test::kTavolaCasa, {"CASA"}); }
    std::vector<std::string> Righe(const std::string& relativo) const {
        std::istringstream in(cartella.Leggi(relativo));
        std::vector<std::string> righe;
        for (std::string r; std::getline(in, r); righe.push_back(r.substr(0, r.size() - 1)))
            EXPECT_TRUE(r.ends_with('\r') && !in.eof()) << relativo << ": " << r;
        return righe;
    }
};

}  // namespace

TEST(DatiSpediti, LoStoreELIndiceDelleParole) {
    Spediti p;
    // Index contiguous, at most 15000 short words, A..Z only; every caption of capitals and blanks. The
    // picture counts per letter count the generator needs are the data build's check.
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
    EXPECT_EQ(p.Righe("Immagini.txt").size(), std::size_t(p.c.m.NumImmagini));
    const auto righe = p.Righe("dizionari/indir_bbb.txt");
    EXPECT_EQ(righe.size(), 11u);
    for (const auto& r : righe) EXPECT_TRUE(std::regex_match(r, std::regex("...[0-9]{6} [0-9]{6}"))) << r;

    const std::string store = p.cartella.Leggi("dizionari/dizionario.bbb");
    EXPECT_EQ(store.substr(0, 15), std::string(15, ' '));
    const auto& indice = p.c.m.IndiceLunghezze;
    EXPECT_EQ(std::size_t(indice[15][1]) * 16 + 15, store.size());
    ArchivioParole archivio;
    ASSERT_TRUE(archivio.Apri(p.cartella.percorso() / "dizionari/dizionario.bbb"));
    std::set<std::string> parole;
    for (std::size_t l = 5; l <= 15; ++l)
        for (std::int32_t r = indice[l][0]; r <= indice[l][1]; ++r) {
            const auto parola = archivio.Leggi(r);
            EXPECT_EQ(parola.size(), l) << "record " << r << " " << parola;
            EXPECT_TRUE(parole.insert(parola).second) << "parola doppia " << parola;
        }
    EXPECT_GE(parole.size(), 15000u);
    // "fuori <why>: words" must be out of the store, "dentro: words" in it.
    std::ifstream elenchi(TRAMELO_FIXTURES "/parole_di_famiglia.txt");
    ASSERT_TRUE(elenchi);
    for (std::string riga; std::getline(elenchi, riga);) {
        std::istringstream in(riga);
        std::string tipo;
        std::getline(in, tipo, ':');
        for (std::string w; !tipo.starts_with('#') && in >> w;)
            EXPECT_EQ(parole.count(w), tipo == "dentro" ? 1u : 0u) << tipo << ": " << w;
    }
}
