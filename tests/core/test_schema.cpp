// Loading the current puzzle: the reader's rules, what a load leaves, the layout scaling, broken files.
#include <gtest/gtest.h>


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

// Each row a puzzle text and what the reader makes of it: cells 0..3 and 18..21 as letters ("." for a
// cell that is not a letter, so hidden), the solution, the picture line and the words.
TEST(LetturaSchema, RegoleDelLettore) {
    struct Caso {
        const char* nome;
        std::string testo;
        std::string celle, soluzione, rigaImmagine;
        std::vector<std::string> parole;
    };
    const std::vector<std::string> kQuaranta(40, "P");
    const Caso casi[] = {
        // clang-format off
        {"blank, dot and small letter: hidden cells", Testo({"A .bCDEFGHIJKLMNOP"}), "A... STUV", "X", "000 00000", {}},
        {"a row longer than 18: the rest ignored", Testo({"ABCDEFGHIJKLMNOPQRZZZZ"}), "ABCD STUV", "X", "000 00000", {}},
        {"a shorter row: the missing cells hidden", Testo({"ABC"}), "ABC. STUV", "X", "000 00000", {}},
        {"solution trimmed and in capitals, the picture line as it is", test::TestoSchema(kTavola, "  la torre di pisa ", "007  2345", {}), "ABCD STUV", "LA TORRE DI PISA", "007  2345", {}},
        {"words trimmed, a blank line an empty word", Testo({}, {"  CASA ", "   ", "/"}), "ABCD STUV", "X", "000 00000", {"CASA", "", "/"}},
        {"blanks before /* end the list", Testo({}, {"UNO", "  /* altro", "DUE"}), "ABCD STUV", "X", "000 00000", {"UNO"}},
        {"40 words at most", Testo({}, std::vector<std::string>(41, "P")), "ABCD STUV", "X", "000 00000", kQuaranta},
        {"LF line ends; the file's end ends the list", "ABCDEFGHIJKLMNOPQR\nSTUVWXYZABCDEFGHIJ\n\n\n\n\n\n\n\n\nsole\n001 00100\nCASA\nDUE", "ABCD STUV", "SOLE", "001 00100", {"CASA", "DUE"}},
        // clang-format on
    };
    for (const auto& caso : casi) {
        const auto l = LeggiSchemaDaTesto(caso.testo);
        auto lettera = [&](std::size_t k) {
            return EUnaLettera(l.celle[k]) ? CarattereDelCodice(l.celle[k]) : '.';
        };
        const std::string celle = {lettera(0),  lettera(1),  lettera(2),  lettera(3), ' ',
                                   lettera(18), lettera(19), lettera(20), lettera(21)};
        EXPECT_EQ(celle, caso.celle) << caso.nome;
        EXPECT_EQ(l.soluzione, caso.soluzione) << caso.nome;
        EXPECT_EQ(l.rigaImmagine, caso.rigaImmagine) << caso.nome;
        EXPECT_EQ(l.parole, caso.parole) << caso.nome;
    }
}

// A second load leaves nothing of the first puzzle: 40 words, solved, a cell selected.
TEST(PreparaSchema, UnNuovoCaricamentoNonLasciaNullaDelPrecedente) {
    Partita p;
    p.Carica(kTavola, std::vector<std::string>(40, "ABC"), "sole");
    mnuSoluzione_Click(p.c);
    Image1_Click(p.c, 100);
    p.c.f.List1.AddItem("ABC"), p.c.m.SoluzioneNuova = "SOLE";  // as a generation leaves them
    p.Carica(std::vector<std::string>(10, "AB[DEFGHIJKLMNOPQR"), {"ABC", "DEF"}, " soluzione ");
    const auto& m = p.c.m;
    const auto& f = p.c.f;
    EXPECT_EQ(m.Occupato + m.ModoSoluzione + m.ParolaRiconosciuta, 0);
    EXPECT_EQ(m.NumParole, 2);
    EXPECT_EQ(m.SoluzioneSchema, "SOLUZIONE");
    EXPECT_TRUE(f.List1.items.empty() && m.SoluzioneNuova.empty());
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

// A layout that, with the frame and the menu bar, is larger than the part of the screen windows may take
// is shown shrunk to fit it, the same fraction both ways and as large as fits; the controls keep the
// layout's units. Rows: twips per pixel, the free part of the screen and the frame, in pixels.
TEST(AdattaFinestra, LaFinestraStaNelloSchermo) {
    const std::tuple<const char*, double, Rettangolo, DimensioniTwips, bool> casi[] = {
        // clang-format off
        {"1920 x 1080 a 96 punti per pollice: 1,25 volte, intera", 15, {0, 0, 1920, 1080}, {8, 69}, false},
        {"1600 x 1000 a densità doppia: 800 x 500 punti", 15, {0, 0, 800, 500}, {8, 69}, true},
        {"lo stesso con un pannello in alto", 15, {0, 32, 800, 468}, {8, 69}, true},
        {"una cornice alta, stretta dall'alto", 15, {0, 0, 800, 500}, {8, 160}, true},
        {"a 120 punti per pollice su 800 x 480: ridotta senza cambiare densità", 12, {0, 0, 800, 480}, {8, 69}, true},
        // clang-format on
    };
    for (const auto& [nome, tpp, area, cornice, ridotta] : casi) {
        Partita p;
        p.piattaforma.twipsPerPixel = tpp, p.piattaforma.area = area, p.piattaforma.cornice = cornice;
        p.Carica(kTavola, {"ABC"});
        const auto& f = p.c.f;
        const double px = 1 / tpp;  // pixels a twip
        // The layout at the screen's density.
        EXPECT_FLOAT_EQ(f.ScaleWidth, float(11088 * tpp / 12)) << nome;
        EXPECT_FLOAT_EQ(f.ScaleHeight, float(5844 * tpp / 12)) << nome;
        // Window, frame and menu bar within the free part of the screen, in whole pixels.
        EXPECT_GE(f.Left * px, area.Left - 0.01) << nome;
        EXPECT_GE(f.Top * px, area.Top - 0.01) << nome;
        EXPECT_LE(f.Left * px + f.Width * px + cornice.Width, area.Left + area.Width + 0.01) << nome;
        EXPECT_LE(f.Top * px + f.Height * px + cornice.Height, area.Top + area.Height + 0.01) << nome;
        // Shrunk the same both ways, and only as far as needed: one side fills the free part.
        EXPECT_NEAR(f.Width / f.ScaleWidth, f.Height / f.ScaleHeight, 0.01) << nome;
        EXPECT_EQ(f.Width < f.ScaleWidth, ridotta) << nome;
        const bool riempie =
            f.Width * px + cornice.Width > area.Width - 2 || f.Height * px + cornice.Height > area.Height - 2;
        EXPECT_TRUE(riempie || !ridotta) << nome;
    }
}
