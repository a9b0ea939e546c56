// Word directions, the word search in both modes and the strike lines.
#include <gtest/gtest.h>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Messaggi.h"
#include "words/Parole.h"

using namespace tramelo;
using tramelo::test::Partita;

namespace {

// Words in all eight directions and the scan-order ties. TOPO lies split between rows 5 and 6; the
// last letter of CAFFÈ in row 9 is no letter of the board (a hidden cell).
const std::vector<std::string> kDirezioni = {
    "GZZZZZZZZZANULZZZB", "ZASOLEZZZZZZZZZZZU",    "PZTZZZZZZZNZZZEUDE", "EZZTZZZZUZZOZZZZZZ",
    "RZZZOZZVZZZZCZZZZZ", "AZOZZZAZZZZAZEZZTO",    "POSZZZAZZZZZRZZZOZ", "ZZSZZLZZDUEZZOZZCZ",
    "ZZOZEZZBUEZZZZMZIZ", "ZZZMZCAFF\xC8ZZZZZZFZ",
};

}  // namespace

TEST(Parole, DirezioniECelleDelleParole) {
    const std::tuple<const char*, const char*, int, int, int> casi[] = {
        // name, word, direction code, first and last cell (-1: not on the board)
        {"riga da sinistra", "SOLE", 1, 20, 23},
        {"riga da destra", "LUNA", 5, 10, 13},
        {"colonna in giù", "PERA", 3, 36, 90},
        {"colonna in su", "FICO", 7, 124, 178},
        {"diagonale in su a destra", "MELA", 0, 165, 114},
        {"diagonale in giù a sinistra", "UVA", 4, 96, 62},
        {"diagonale in giù a destra", "NOCE", 2, 46, 103},
        {"diagonale in su a sinistra", "MORA", 6, 101, 158},
        {"riga prima della colonna", "BUE", 1, 151, 153},
        {"rovescia in riga 2 prima che diritta in riga 7", "DUE", 5, 50, 52},
        {"palindromo in colonna", "OSSO", 3, 92, 146},
        {"diagonale dall'angolo in alto a sinistra", "GATTO", 2, 0, 76},
        {"diagonale sotto quella d'angolo, all'indietro", "SOA", 6, 90, 128},
        {"la stessa in avanti", "AOS", 2, 90, 128},
        {"minuscole nell'elenco", "nOcE", 2, 46, 103},
        {"divisa fra due righe", "TOPO", 0, -1, -1},
        {"su una cella nascosta", "caff\xE8", 0, -1, -1},
        {"solo con una riga oltre l'ultima", "PZZZC", 0, -1, -1},
    };
    std::vector<std::string> parole;
    for (const auto& c : casi) parole.push_back(std::get<1>(c));
    Partita p;
    p.Carica(kDirezioni, parole, "SOLUZIONE");
    std::vector<std::string> mancanti;  // once from each search at the load
    for (int volta = 0; volta < 2; ++volta)
        for (const auto& c : casi)
            if (std::get<3>(c) < 0) mancanti.push_back(" Non trovata " + DaLatin1(std::get<1>(c)));  // UTF-8
    EXPECT_EQ(p.piattaforma.Testi(" Non trovata "), mancanti);
    EXPECT_EQ(p.c.f.Label1[1].Caption, "");

    mnuSoluzione_Click(p.c);
    EXPECT_EQ(p.piattaforma.Testi(" Non trovata ").size(), mancanti.size() * 3 / 2);
    for (std::size_t w = 0; w < std::size(casi); ++w) {
        const auto& [nome, parola, codice, prima, ultima] = casi[w];
        const auto& linea = p.c.f.Line1[w];
        EXPECT_EQ(p.c.m.DirezioneParola[w], codice) << nome;
        EXPECT_EQ(linea.Visible, prima >= 0) << nome;
        EXPECT_EQ(p.c.f.Label2[w].Enabled, prima < 0) << nome;
        if (prima < 0) continue;
        EXPECT_EQ(std::make_tuple(linea.X1, linea.Y1, linea.X2, linea.Y2),
                  std::tuple_cat(test::PuntoLinea(prima), test::PuntoLinea(ultima)))
            << nome;
    }
    EXPECT_TRUE(test::CelleAnellate(p.c.f).empty());  // a word is missing: no ring
    EXPECT_EQ(p.c.f.Label1[1].Caption, "SOLUZIONE");
}
