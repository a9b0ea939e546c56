// Loading the current puzzle: the reader's rules, what a load leaves, the layout scaling, broken files.
#include <gtest/gtest.h>

#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "board/Schema.h"
#include "files/FileSchema.h"

using namespace tramelo;
using tramelo::test::Partita;

namespace {

const auto& kTavola = test::kTavolaAlfabeto;

std::vector<std::string> TavolaCon(int riga, const std::string& testo) {
    auto t = kTavola;
    t[static_cast<std::size_t>(riga)] = testo;
    return t;
}

std::string Testo(const std::vector<std::string>& righe, const std::vector<std::string>& parole = {},
                  bool conFine = true) {
    return test::TestoSchema(righe, "X", "000 00000", parole, conFine);
}

}  // namespace

// Each row a puzzle text and what the reader makes of it: cells 18, 20..22 and 36..39 as codes, the
// solution, the picture line, the number of words and the first three.
TEST(LetturaSchema, RegoleDelLettore) {
    const std::pair<std::string, std::string> casi[] = {
        // blank, dot and small letter: hidden cells
        {Testo(TavolaCon(2, "A .bCDEFGHIJKLMNOP")), "19 21 22 23 1 -32 -18 34 |X|000 00000|0:"},
        // longer than 18: the rest ignored; shorter: the missing cells hidden
        {Testo(TavolaCon(0, "ABCDEFGHIJKLMNOPQRZZZZ")), "19 21 22 23 11 12 13 14 |X|000 00000|0:"},
        {Testo(TavolaCon(1, "ABC")), "1 3 0 0 11 12 13 14 |X|000 00000|0:"},
        {test::TestoSchema(kTavola, "  la torre di pisa ", "007  2345", {}),
         "19 21 22 23 11 12 13 14 |LA TORRE DI PISA|007  2345|0:"},
        // words trimmed, a blank line an empty word
        {Testo(kTavola, {"  CASA ", "   ", "/"}), "19 21 22 23 11 12 13 14 |X|000 00000|3:CASA,,/,"},
        // blanks before /* end the list, as does the end of the file
        {Testo(kTavola, {"UNO", "  /* altro", "DUE"}, false), "19 21 22 23 11 12 13 14 |X|000 00000|1:UNO,"},
        {Testo(kTavola, {"UNO", "DUE"}, false), "19 21 22 23 11 12 13 14 |X|000 00000|2:UNO,DUE,"},
        {Testo(kTavola, std::vector<std::string>(41, "P")), "19 21 22 23 11 12 13 14 |X|000 00000|40:P,P,P,"},
        {"ABCDEFGHIJKLMNOPQR\nSTUVWXYZABCDEFGHIJ\n\n\n\n\n\n\n\n\nsole\n001 00100\nCASA\n/*\n",
         "19 21 22 23 0 0 0 0 |SOLE|001 00100|1:CASA,"},  // LF line ends
    };
    for (const auto& [testo, atteso] : casi) {
        const auto l = LeggiSchemaDaTesto(testo);
        std::string r;
        for (std::size_t k : {18, 20, 21, 22, 36, 37, 38, 39}) r += std::to_string(l.celle[k]) + " ";
        r += "|" + l.soluzione + "|" + l.rigaImmagine + "|" + std::to_string(l.parole.size()) + ":";
        for (std::size_t w = 0; w < std::min<std::size_t>(3, l.parole.size()); ++w) r += l.parole[w] + ",";
        EXPECT_EQ(r, atteso) << testo.substr(0, 60);
    }
}

// A second load leaves nothing of the first puzzle: 40 words, solved, a cell selected.
TEST(PreparaSchema, UnNuovoCaricamentoNonLasciaNullaDelPrecedente) {
    Partita p;
    p.Carica(kTavola, std::vector<std::string>(40, "ABC"), "sole");
    mnuSoluzione_Click(p.c);
    Image1_Click(p.c, 100);
    p.Carica(TavolaCon(0, "AB[DEFGHIJKLMNOPQR"), {"ABC", "DEF"}, " soluzione ");
    const auto& m = p.c.m;
    const auto& f = p.c.f;
    EXPECT_EQ(m.Occupato + m.ModoSoluzione + m.ParolaRiconosciuta, 0);
    EXPECT_EQ(m.NumParole, 2);
    EXPECT_EQ(m.SoluzioneSchema, "SOLUZIONE");
    EXPECT_EQ(f.Label1[1].Caption, "");
    EXPECT_TRUE(f.Image1[kImmagineIndizio].Visible);
    for (int k = 0; k < kCelle; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(m.Aspetto[i], k != 2 ? kAspettoNormale : kAspettoNessuno) << k;
        EXPECT_EQ(f.Image1[i].Visible, k != 2) << k;
        EXPECT_EQ(f.Image1[i].BorderStyle, 0) << k;
        EXPECT_TRUE(k == 2 || f.Image1[i].Picture == FiguraTessera(3, m.Griglia[i])) << k;
    }
    for (std::size_t w = 0; w < kMaxParole; ++w) {
        EXPECT_EQ(f.Label2[w].Caption, w == 0 ? "ABC" : w == 1 ? "DEF" : "") << w;
        EXPECT_TRUE(f.Label2[w].Enabled || w > 1) << w;
        EXPECT_FALSE(f.Line1[w].Visible) << w;
    }
    EXPECT_TRUE(test::CelleAnellate(f).empty());
}
