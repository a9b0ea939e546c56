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

TEST(LetturaSchema, RegoleDelLettore) {
    using Verifica = std::function<void(const LetturaSchema&)>;
    const std::pair<std::string, Verifica> casi[] = {
        {Testo(TavolaCon(2, "A .bCDEFGHIJKLMNOP")),  // blank, dot and small letter: hidden cells
         [](auto& l) {
             EXPECT_EQ(std::vector<int>(&l.celle[36], &l.celle[40]), (std::vector{1, -32, -18, 34}));
         }},
        {Testo(TavolaCon(0, "ABCDEFGHIJKLMNOPQRZZZZ")),  // longer than 18: the rest ignored
         [](auto& l) { EXPECT_EQ(l.celle[18], 'S' - 64); }},
        {Testo(TavolaCon(1, "ABC")),  // shorter than 18: the missing cells hidden
         [](auto& l) {
             EXPECT_EQ(std::vector<int>(&l.celle[20], &l.celle[23]), (std::vector{3, 0, 0}));
         }},
        {test::TestoSchema(kTavola, "  la torre di pisa ", "007  2345", {}),
         [](auto& l) { EXPECT_EQ(l.soluzione + "|" + l.rigaImmagine, "LA TORRE DI PISA|007  2345"); }},
        {Testo(kTavola, {"  CASA ", "   ", "/"}),  // words trimmed, a blank line is an empty word
         [](auto& l) {
             EXPECT_EQ(l.parole, (std::vector<std::string>{"CASA", "", "/"}));
         }},
        {Testo(kTavola, {"UNO", "  /* altro", "DUE"}, false),  // blanks before /* end the list
         [](auto& l) { EXPECT_EQ(l.parole, (std::vector<std::string>{"UNO"})); }},
        {Testo(kTavola, std::vector<std::string>(41, "P")),  // the 41st word is never read
         [](auto& l) { EXPECT_EQ(l.parole.size(), 40u); }},
        {Testo(kTavola, {"UNO", "DUE"}, false),  // no terminator: the words read stay
         [](auto& l) { EXPECT_EQ(l.parole.size(), 2u); }},
        {"ABCDEFGHIJKLMNOPQR\nSTUVWXYZABCDEFGHIJ\n\n\n\n\n\n\n\n\nsole\n001 00100\nCASA\n/*\n",
         [](auto& l) {
             EXPECT_EQ(l.celle[18], 'S' - 64);
             EXPECT_EQ(l.soluzione + "|" + l.rigaImmagine + "|" + l.parole.at(0), "SOLE|001 00100|CASA");
         }},
    };
    for (const auto& [testo, verifica] : casi) {
        SCOPED_TRACE(testo.substr(0, 60));
        verifica(LeggiSchemaDaTesto(testo));
    }
}

// A second load leaves nothing of the first puzzle: 40 words, solved, a cell selected.
TEST(PreparaSchema, UnNuovoCaricamentoNonLasciaNullaDelPrecedente) {
    Partita p;
    p.Carica(kTavola, std::vector<std::string>(40, "ABC"), "sole");
    mnuSoluzione_Click(p.c);
    Image1_Click(p.c, 100);
    p.Carica(TavolaCon(0, "AB.DEFGHIJKLMNOPQR"), {"ABC", "DEF"}, " soluzione ");
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

TEST(PreparaSchema, AdattaLaFinestraUnaSolaVolta) {
    Partita p;
    p.piattaforma.twipsPerPixel = 15;
    p.Carica(kTavola, {});
    p.Ricarica();
    const auto& f = p.c.f;
    EXPECT_FLOAT_EQ(f.Width, 11088 * 1.25f);
    EXPECT_FLOAT_EQ(f.Top, (1080 * 15 - 5844 * 1.25f) / 2);
    EXPECT_FLOAT_EQ(f.Image1[19].Left, (288 + 384) * 1.25f);  // 32-pixel tiles at 15 twips per pixel
    EXPECT_FLOAT_EQ(f.Image1[19].Width, 480);
    EXPECT_FLOAT_EQ(f.Label2[0].FontSize, 9);  // floor(7.8 * 1.25)
    EXPECT_FLOAT_EQ(f.Shape1[0].Width, 480);
    EXPECT_FLOAT_EQ(f.File1.Left, 5640);  // the file list is not scaled

    Partita q;  // 12 twips per pixel: the design density, nothing changes
    q.Carica(kTavola, {});
    EXPECT_EQ(q.c.m.FinestraAdattata, 0);
    EXPECT_FLOAT_EQ(q.c.f.Left, Form1().Left);
}
