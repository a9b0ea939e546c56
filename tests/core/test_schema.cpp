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

// A puzzle text from the first rows of a board, the rest of the alphabet board, solution X and no picture.
std::string Testo(std::vector<std::string> righe, const std::vector<std::string>& parole = {}) {
    righe.insert(righe.end(), kTavola.begin() + std::ssize(righe), kTavola.end());
    return test::TestoSchema(righe, "X", "000 00000", parole);
}

}  // namespace

// Each row a puzzle text and what the reader makes of it: cells 0..3 and 18..21 as codes, the solution,
// the picture line, the number of words and the first three.
TEST(LetturaSchema, RegoleDelLettore) {
    const std::pair<std::string, std::string> casi[] = {
        // blank, dot and small letter: hidden cells
        {Testo({"A .bCDEFGHIJKLMNOP"}), "1 -32 -18 34 19 20 21 22 |X|000 00000|0:"},
        // longer than 18: the rest ignored; shorter: the missing cells hidden
        {Testo({"ABCDEFGHIJKLMNOPQRZZZZ"}), "1 2 3 4 19 20 21 22 |X|000 00000|0:"},
        {Testo({"ABC"}), "1 2 3 0 19 20 21 22 |X|000 00000|0:"},
        // solution trimmed and in capitals, the picture line as it is
        {test::TestoSchema(kTavola, "  la torre di pisa ", "007  2345", {}),
         "1 2 3 4 19 20 21 22 |LA TORRE DI PISA|007  2345|0:"},
        // words trimmed, a blank line an empty word
        {Testo({}, {"  CASA ", "   ", "/"}), "1 2 3 4 19 20 21 22 |X|000 00000|3:CASA,,/,"},
        // blanks before /* end the list; 40 words at most
        {Testo({}, {"UNO", "  /* altro", "DUE"}), "1 2 3 4 19 20 21 22 |X|000 00000|1:UNO,"},
        {Testo({}, std::vector<std::string>(41, "P")), "1 2 3 4 19 20 21 22 |X|000 00000|40:P,P,P,"},
        {"ABCDEFGHIJKLMNOPQR\nSTUVWXYZABCDEFGHIJ\n\n\n\n\n\n\n\n\nsole\n001 00100\nCASA\nDUE",
         "1 2 3 4 19 20 21 22 |SOLE|001 00100|2:CASA,DUE,"},  // LF line ends; the file's end ends the list
    };
    for (const auto& [testo, atteso] : casi) {
        const auto l = LeggiSchemaDaTesto(testo);
        std::string r;
        for (std::size_t k : {0, 1, 2, 3, 18, 19, 20, 21}) r += std::to_string(l.celle[k]) + " ";
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
    p.Carica(std::vector<std::string>(10, "AB[DEFGHIJKLMNOPQR"), {"ABC", "DEF"}, " soluzione ");
    const auto& m = p.c.m;
    const auto& f = p.c.f;
    EXPECT_EQ(m.Occupato + m.ModoSoluzione + m.ParolaRiconosciuta, 0);
    EXPECT_EQ(m.NumParole, 2);
    EXPECT_EQ(m.SoluzioneSchema, "SOLUZIONE");
    EXPECT_EQ(f.Label1[1].Caption, "");
    EXPECT_TRUE(f.Image1[kImmagineIndizio].Visible);
    for (std::size_t k = 0; k < kCelle; ++k) {
        EXPECT_EQ(m.Aspetto[k], k % 18 != 2 ? kAspettoNormale : kAspettoNessuno) << k;
        EXPECT_EQ(f.Image1[k].Visible, k % 18 != 2) << k;
        EXPECT_EQ(f.Image1[k].BorderStyle, 0) << k;
        EXPECT_TRUE(k % 18 == 2 || f.Image1[k].Picture == FiguraTessera(3, m.Griglia[k])) << k;
    }
    for (std::size_t w = 0; w < kMaxParole; ++w) {
        EXPECT_EQ(f.Label2[w].Caption, w == 0 ? "ABC" : w == 1 ? "DEF" : "") << w;
        EXPECT_TRUE(f.Label2[w].Enabled || w > 1) << w;
        EXPECT_FALSE(f.Line1[w].Visible) << w;
    }
    EXPECT_TRUE(test::CelleAnellate(f).empty());
}
