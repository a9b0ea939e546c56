// The shipped word store, length index, picture catalogue and picture store: the loader takes them
// without a complaint, and they hold what the generator relies on beyond what the loader checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <regex>
#include <set>

#include "FalsaPiattaforma.h"
#include "files/Dizionario.h"

using namespace tramelo;

namespace {

// A file's lines, each of which must end in CR LF (a checkout that turns them into LF is a fault).
std::vector<std::string> RigheCrLf(const test::CartellaProva& d, const std::string& relativo) {
    const std::string testo = d.Leggi(relativo);
    EXPECT_TRUE(testo.ends_with("\r\n")) << relativo;
    std::vector<std::string> righe;
    for (std::size_t i = 0, fine; i < testo.size(); i = fine + 2) {
        fine = std::min(testo.find("\r\n", i), testo.size());
        righe.push_back(testo.substr(i, fine - i));
        EXPECT_EQ(righe.back().find('\n'), std::string::npos) << relativo << ": riga senza CR LF";
    }
    return righe;
}

}  // namespace

TEST(DatiSpediti, LoStoreELIndiceDelleParole) {
    test::Partita p;
    test::CopiaDatiSpediti(p.cartella);
    p.Carica(test::kTavolaCasa, {"CASA"});
    EXPECT_TRUE(p.piattaforma.messaggi.empty());  // index contiguous, at most 15000 short words, A..Z only
    const auto righe = RigheCrLf(p.cartella, "dizionari/indir_bbb.txt");
    EXPECT_EQ(righe.size(), 11u);
    for (const auto& r : righe) EXPECT_TRUE(std::regex_search(r, std::regex("^...[0-9]{6} [0-9]{6}"))) << r;

    const std::string store = p.cartella.Leggi("dizionari/dizionario.bbb");
    ASSERT_EQ((store.size() - 15) % 16, 0u) << "dimensione " << store.size();
    EXPECT_EQ(store.substr(0, 15), std::string(15, ' '));
    const auto& indice = p.c.m.IndiceLunghezze;
    EXPECT_EQ(indice[15][1], static_cast<std::int32_t>((store.size() - 15) / 16));
    ArchivioParole archivio;
    ASSERT_TRUE(archivio.Apri(p.cartella.percorso() / "dizionari/dizionario.bbb"));
    std::set<std::string> viste;
    for (std::size_t l = 5; l <= 15; ++l) {
        EXPECT_GE(indice[l][1] - indice[l][0] + 1, 2) << "lunghezza " << l;
        for (std::int32_t r = indice[l][0]; r <= indice[l][1]; ++r) {
            const auto parola = archivio.Leggi(r);
            EXPECT_EQ(parola.size(), l) << "record " << r << " " << parola;
            EXPECT_TRUE(viste.insert(parola).second) << "parola doppia " << parola;
        }
    }
}

TEST(DatiSpediti, CatalogoEFigure) {
    test::Partita p;
    test::CopiaDatiSpediti(p.cartella);
    p.Carica(test::kTavolaCasa, {"CASA"});
    const auto righe = RigheCrLf(p.cartella, "Immagini.txt");
    ASSERT_GE(righe.size(), 1u);
    ASSERT_LE(righe.size(), 600u);
    ASSERT_EQ(p.c.m.NumImmagini, static_cast<int>(righe.size()));
    for (const auto& r : righe)
        EXPECT_TRUE(std::regex_match(r, std::regex("^.{4}[0-9]{5} [A-Z]+( [A-Z]+)*.{4}$"))) << r;

    // Each picture lies at the sum of the lengths before it, from SOI to EOI, and the store ends with the
    // last.
    const std::string archivio = p.cartella.Leggi("Immagini.jpg");
    std::size_t inizio = 0;
    std::set<std::string> viste;
    std::map<std::size_t, int> perLettere;
    for (std::size_t k = 1; k <= righe.size(); ++k) {
        const auto& voce = p.c.m.TabellaImmagini[k];
        const auto n = static_cast<std::size_t>(std::stol(voce[1]));
        ASSERT_GE(n, 4u) << "immagine " << k;
        ASSERT_LE(inizio + n, archivio.size()) << "immagine " << k;
        EXPECT_EQ(archivio.substr(inizio, 2), "\xFF\xD8")
            << "immagine " << k << " (" << voce[3] << ") senza SOI";
        EXPECT_EQ(archivio.substr(inizio + n - 2, 2), "\xFF\xD9") << "immagine " << k << " senza EOI";
        inizio += n;
        EXPECT_TRUE(viste.insert(voce[3]).second) << "doppia: " << voce[3];
        ++perLettere[voce[2].size()];
    }
    EXPECT_EQ(inizio, archivio.size());
    std::cout << "immagini per numero di lettere:\n";
    for (std::size_t n = 0; n <= 18; ++n) std::cout << "  " << n << ": " << perLettere[n] << '\n';
    // The generator asks for 0..18 letters; the common counts must be stocked.
    EXPECT_GE(perLettere[3], 20) << "3 lettere";
    for (std::size_t n = 4; n <= 18; ++n) EXPECT_GE(perLettere[n], 30) << n << " lettere";
}
