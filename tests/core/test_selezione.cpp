// Selecting cells with the mouse, Esc, recognising a selected word, and playing the shipped puzzle.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"

using namespace tramelo;
using tramelo::test::Partita;

namespace {

// SOLE (right), ROMA (left, read AMOR), ARTE twice (right), UVA (down-left). The loose U, V, A at
// cells 72, 89, 106 follow each other by 17 cells but wrap over the right edge; L E at 46, 47.
const std::vector<std::string> kTavola = {
    "ZZZZZZZZZZZZZZZZZZ", "ZZSOLEZZZZZZZZZZZZ", "ZZZZZZZZZZLEZZZZZZ", "ZZZZZAMORZZZZZZZZZ",
    "UZZZZZZZZZZZZZZZZV", "ZZARTEZZZZZZZZZZAZ", "ZZZZZZZZZZUZZZZZZZ", "ZZZZZZZZZVZZZZZZZZ",
    "ZZZZZZZZAZARTEZZZZ", "ZZZZZZZZZZZZZZZZZZ",
};
const std::vector<std::string> kParole = {"SOLE", "ROMA", "ARTE", "ARTE", "UVA", "sole"};

std::pair<float, float> Punto(int k) {
    return {288.0f + 384.0f * float(k % 18) + 16, 192.0f + 384.0f * float(k / 18) + 16};
}

const Immagine& Cella(const Partita& p, int k) {
    return p.c.f.Image1[std::size_t(k)];
}

}  // namespace

TEST(Selezione, RiconoscimentoDellaParola) {
    struct Caso {
        const char* nome;
        std::vector<int> clic;
        int parola, prima, ultima;  // parola -1: nothing recognised
    } casi[] = {
        {"in ordine", {20, 21, 22, 23}, 0, 20, 23},
        {"in ordine sparso", {22, 20, 23, 21}, 0, 20, 23},
        {"una cella in più", {0, 20, 21, 22, 23}, -1, 0, 0},
        {"fuori asse", {20, 21, 46, 47}, -1, 0, 0},
        {"oltre il bordo destro", {72, 89, 106}, -1, 0, 0},
        {"all'indietro: ROMA letta AMOR", {62, 59, 61, 60}, 1, 59, 62},
        {"seconda di due parole uguali", {154, 155, 156, 157}, 2, 154, 157},
        {"in giù a sinistra", {152, 135, 118}, 4, 118, 152},
    };
    for (const auto& c : casi) {
        Partita p;
        p.Carica(kTavola, kParole);
        for (int k : c.clic) Image1_Click(p.c, k);
        for (int w = 0; w < int(kParole.size()); ++w)
            EXPECT_EQ(p.c.f.Label2[std::size_t(w)].Enabled, w != c.parola) << c.nome << " parola " << w;
        for (int k : c.clic) {
            EXPECT_EQ(Cella(p, k).BorderStyle, c.parola < 0 ? 1 : 0) << c.nome << " cella " << k;
            EXPECT_EQ(Cella(p, k).Picture.lista, c.parola < 0 ? 2 : 1) << c.nome << " cella " << k;
        }
        if (c.parola < 0) continue;
        const auto& linea = p.c.f.Line1[std::size_t(c.parola)];
        EXPECT_EQ(std::make_pair(linea.X1, linea.Y1), Punto(c.prima)) << c.nome;
        EXPECT_EQ(std::make_pair(linea.X2, linea.Y2), Punto(c.ultima)) << c.nome;
    }
}

TEST(Selezione, EscDeselezioneEOccupato) {
    Partita p;
    p.Carica(kTavola, kParole);
    for (int k : {20, 21, 22, 23, 20, 0}) Image1_Click(p.c, k);  // SOLE found, then 20 and 0 selected
    Form_KeyPress(p.c, 13);
    EXPECT_EQ(Cella(p, 0).BorderStyle, 1);
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(Cella(p, 20).Picture, FiguraTessera(1, 19));  // a found cell gets its found tile back
    EXPECT_EQ(Cella(p, 0).Picture, FiguraTessera(3, 26));
    EXPECT_EQ(Cella(p, 20).BorderStyle + Cella(p, 0).BorderStyle, 0);

    Image1_Click(p.c, 1);
    Image1_Click(p.c, 1);  // clicked twice: unselected and plain again
    EXPECT_EQ(Cella(p, 1).Picture, FiguraTessera(3, 26));
    EXPECT_EQ(Cella(p, 1).BorderStyle, 0);

    p.c.m.Occupato = 1;  // a generation is running: clicks and Esc are dropped
    Image1_Click(p.c, 1);
    EXPECT_EQ(Cella(p, 1).BorderStyle, 0);
    p.c.m.Occupato = 0;
    Image1_Click(p.c, 1);
    p.c.m.Occupato = 1;
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(Cella(p, 1).BorderStyle, 1);
}

// The shipped puzzle plays to its end: every word clicked letter by letter along its own direction,
// then the rings spell the solution without its blanks.
TEST(Selezione, LoSchemaDistribuitoSiGiocaFinoInFondo) {
    std::ifstream in(std::filesystem::path(TRAMELO_DATA_DIR) / "schemi" / "schema.txt", std::ios::binary);
    ASSERT_TRUE(in) << "data/schemi/schema.txt";
    std::ostringstream testo;
    testo << in.rdbuf();
    Partita p;
    p.cartella.Scrivi("schemi/schema.txt", testo.str());
    p.Ricarica();
    const auto& m = p.c.m;
    ASSERT_GT(m.NumParole, 0);

    constexpr int kPassoRiga[8] = {-1, 0, +1, +1, +1, 0, -1, -1};
    constexpr int kPassoColonna[8] = {+1, +1, +1, 0, -1, -1, -1, 0};
    for (int w = 0; w < m.NumParole; ++w) {
        const auto& parola = m.Parole[std::size_t(w)];
        const int d = m.DirezioneParola[std::size_t(w)];
        std::vector<int> celle;
        for (int k = 0; k < kCelle && celle.size() < parola.size(); ++k) {
            celle.clear();
            for (int t = 0, r = k / 18, col = k % 18; t < int(parola.size());
                 ++t, r += kPassoRiga[d], col += kPassoColonna[d]) {
                if (r < 0 || r > 9 || col < 0 || col > 17 ||
                    64 + m.Griglia[std::size_t(r * 18 + col)] != parola[std::size_t(t)])
                    break;
                celle.push_back(r * 18 + col);
            }
        }
        ASSERT_EQ(celle.size(), parola.size()) << parola;
        for (int k : celle) Image1_Click(p.c, k);
        EXPECT_FALSE(p.c.f.Label2[std::size_t(w)].Enabled) << parola;
    }
    for (const auto& msg : p.piattaforma.messaggi)
        EXPECT_FALSE(msg.testo.starts_with(" Non trovata ")) << msg.testo;
    std::string anelli, soluzione;
    for (const auto& s : p.c.f.Shape1)
        if (s.Visible)
            anelli += static_cast<char>(
                64 + m.Griglia[std::size_t(int((s.Top - 192) / 384) * 18 + int((s.Left - 288) / 384))]);
    for (char ch : m.SoluzioneSchema)
        if (ch != ' ') soluzione += ch;
    EXPECT_EQ(anelli, soluzione);
    EXPECT_EQ(p.c.f.Label1[1].Caption, m.SoluzioneSchema);
}
