// Selecting cells with the mouse, Esc, recognising a selected word, and playing the shipped puzzle.
#include <gtest/gtest.h>

#include <filesystem>

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
}

// The shipped puzzle plays to its end: every word clicked letter by letter along its own direction,
// then the rings spell the solution without its blanks.
TEST(Selezione, LoSchemaDistribuitoSiGiocaFinoInFondo) {
    Partita p;
    std::filesystem::copy_file(std::filesystem::path(TRAMELO_DATA_DIR) / "schemi" / "schema.txt",
                               p.cartella.percorso() / "schemi" / "schema.txt");
    p.Ricarica();
    const auto& m = p.c.m;
    ASSERT_GT(m.NumParole, 0);

    // Each word is clicked at the first cells that spell it along its own direction code.
    constexpr int kRiga[8] = {-1, 0, 1, 1, 1, 0, -1, -1}, kColonna[8] = {1, 1, 1, 0, -1, -1, -1, 0};
    for (int w = 0; w < m.NumParole; ++w) {
        const auto& parola = m.Parole[std::size_t(w)];
        const int d = m.DirezioneParola[std::size_t(w)], n = int(parola.size());
        auto cella = [&](int k, int t) {  // cell t of the run from k, -1 off the board
            const int r = k / 18 + t * kRiga[d], col = k % 18 + t * kColonna[d];
            return r < 0 || r > 9 || col < 0 || col > 17 ? -1 : r * 18 + col;
        };
        auto compitata = [&](int k) {
            for (int t = 0; t < n; ++t)
                if (cella(k, t) < 0 || 64 + m.Griglia[std::size_t(cella(k, t))] != parola[std::size_t(t)])
                    return false;
            return true;
        };
        int k = 0;
        while (k < kCelle && !compitata(k)) ++k;
        ASSERT_LT(k, kCelle) << parola;
        for (int t = 0; t < n; ++t) Image1_Click(p.c, cella(k, t));
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
