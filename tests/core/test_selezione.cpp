// Selecting cells with the mouse, Esc, recognising a selected word, the last word found showing the solution.
#include <gtest/gtest.h>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"

using namespace tramelo;
using tramelo::test::Partita;

namespace {

// SOLE (right), ROMA (left, read AMOR), ARTE twice (right), UVA (down-left), NEVE (down), PANE
// (down-right). The loose U, V, A at cells 72, 89, 106 follow each other by 17 cells but wrap over the
// right edge; L E at 46, 47.
const std::vector<std::string> kTavola = {
    "ZZZZZZZZZZZZZZNZZZ", "ZZSOLEZZZZZZZZEZZZ", "ZZZZZZZZZZLEZZVZZZ", "ZZZZZAMORZZZZZEZZZ",
    "UZZZZZZZZZZZZZZZZV", "ZZARTEZZZZZPZZZZAZ", "ZZZZZZZZZZUZAZZZZZ", "ZZZZZZZZZVZZZNZZZZ",
    "ZZZZZZZZAZARTEEZZZ", "ZZZZZZZZZZZZZZZZZZ",
};
const std::vector<std::string> kParole = {"SOLE", "ROMA", "ARTE", "ARTE", "UVA", "sole", "NEVE", "PANE"};

const Immagine& Cella(const Partita& p, int k) {
    return p.c.f.Image1[std::size_t(k)];
}

}  // namespace

TEST(Selezione, RiconoscimentoDellaParola) {
    const std::tuple<const char*, std::vector<int>, int, int, int> casi[] = {
        // name, the cells clicked, the word recognised (-1: none), its first and last cell
        {"in ordine sparso", {22, 20, 23, 21}, 0, 20, 23},
        {"una cella in più", {0, 20, 21, 22, 23}, -1, 0, 0},
        {"fuori asse", {20, 21, 46, 47}, -1, 0, 0},
        {"oltre il bordo destro", {72, 89, 106}, -1, 0, 0},
        {"all'indietro: ROMA letta AMOR", {62, 59, 61, 60}, 1, 59, 62},
        {"seconda di due parole uguali", {154, 155, 156, 157}, 2, 154, 157},
        {"in giù a sinistra", {152, 135, 118}, 4, 118, 152},
        {"in colonna", {68, 14, 50, 32}, 6, 14, 68},
        {"in giù a destra", {158, 101, 139, 120}, 7, 101, 158},
    };
    for (const auto& [nome, clic, parola, prima, ultima] : casi) {
        Partita p;
        p.Carica(kTavola, kParole);
        for (int k : clic) Image1_Click(p.c, k);
        for (int w = 0; w < int(kParole.size()); ++w)
            EXPECT_EQ(p.c.f.Label2[std::size_t(w)].Enabled, w != parola) << nome << " parola " << w;
        for (int k : clic)  // selected, or found
            EXPECT_EQ(Cella(p, k).BorderStyle * 10 + Cella(p, k).Picture.lista, parola < 0 ? 12 : 1)
                << nome << k;
        if (parola < 0) continue;
        const auto& linea = p.c.f.Line1[std::size_t(parola)];
        EXPECT_EQ(std::make_tuple(linea.X1, linea.Y1, linea.X2, linea.Y2),
                  std::tuple_cat(test::PuntoLinea(prima), test::PuntoLinea(ultima)))
            << nome;
    }
}

TEST(Selezione, EscEDeselezione) {
    Partita p;
    p.Carica(kTavola, kParole);
    for (int k : {20, 21, 22, 23, 20, 0, 1, 1}) Image1_Click(p.c, k);  // SOLE found; 20 and 0 selected
    Form_KeyPress(p.c, 13);
    EXPECT_EQ(Cella(p, 0).BorderStyle, 1);  // only Esc clears
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(Cella(p, 20).Picture, FiguraTessera(1, 19));  // a found cell gets its found tile back
    for (int k : {0, 1}) EXPECT_EQ(Cella(p, k).Picture, FiguraTessera(3, 26)) << k;
    for (int k : {0, 1, 20}) EXPECT_EQ(Cella(p, k).BorderStyle, 0) << k;
    Image1_Click(p.c, kImmagineIndizio);  // the picture clue is no cell: it keeps its frame
    EXPECT_EQ(Cella(p, kImmagineIndizio).BorderStyle, 1);
}

// The last word found by clicks reveals the solution: every other lettered cell ringed, the phrase shown.
TEST(Selezione, LUltimaParolaTrovataMostraLaSoluzione) {
    Partita p;
    p.Carica(test::kTavolaCasa, {"CASA"}, "la x");
    for (int k : {3, 1, 0, 2}) Image1_Click(p.c, k);
    EXPECT_EQ(test::CelleAnellate(p.c.f).size(), std::size_t(kCelle - 4));
    EXPECT_EQ(p.c.f.Label1[1].Caption, "LA X");
}
