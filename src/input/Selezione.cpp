// Cell selection with the mouse, Esc, and recognising a selected word.
#include "input/Selezione.h"

#include <algorithm>

#include "app/Eventi.h"
#include "words/Direzione.h"
#include "words/Parole.h"

namespace tramelo {

namespace {

// The tile of an unselected cell: found look for a cell of a found word, plain otherwise.
Figura TesseraNonSelezionata(const Module1& m, std::size_t i) {
    return FiguraTessera(m.Aspetto[i] == kAspettoTrovata ? 1 : 3, m.Griglia[i]);
}

// The step from the lowest-numbered cell of a run along an axis (Asse of a play code): of the
// axis' two directions, the one that moves on in board order.
Passo PassoDellAsse(int asse) {
    return PassoDiGioco(InAvanti(asse) ? asse : Opposta(asse));
}

int Celle(const Module1& m) {
    return m.NumRighe * m.NumColonne < kCelle ? m.NumRighe * m.NumColonne : kCelle;
}

}  // namespace

void Image1_Click(Contesto& c, int Index) {
    if (c.m.Occupato == 1) return;
    if (Index == kImmagineIstruzioni) {
        NascondiIstruzioni(c);
        return;
    }
    if (Index < 0 || Index >= Celle(c.m)) return;  // the other picture holders do nothing
    const auto i = static_cast<std::size_t>(Index);
    auto& cella = c.f.Image1[i];
    if (!cella.Visible) return;  // a cell without a letter is not part of the board
    if (cella.BorderStyle == 1) {
        cella.BorderStyle = 0;
        cella.Picture = TesseraNonSelezionata(c.m, i);
    } else {
        cella.BorderStyle = 1;
        cella.Picture = FiguraTessera(2, c.m.Griglia[i]);
    }
    ControllaSelezione(c);
}

void Form_KeyPress(Contesto& c, int KeyAscii) {
    if (c.m.Occupato == 1 || KeyAscii != 27) return;
    Deseleziona(c);
}

void Deseleziona(Contesto& c) {
    for (int k = 0; k < Celle(c.m); ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto& cella = c.f.Image1[i];
        if (cella.BorderStyle != 1) continue;
        cella.BorderStyle = 0;
        cella.Picture = TesseraNonSelezionata(c.m, i);
    }
}

void ControllaSelezione(Contesto& c) {
    auto& m = c.m;
    m.Selezione.clear();
    for (int k = 0; k < Celle(m); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (c.f.Image1[i].Visible && c.f.Image1[i].BorderStyle == 1)
            m.Selezione += CarattereDelCodice(m.Griglia[i]);
    }
    const auto& s = m.Selezione;
    for (int w = 0; w < m.NumParole && w < kMaxParole; ++w) {
        const auto& parola = m.Parole[static_cast<std::size_t>(w)];
        if (parola.size() != s.size() || parola.empty()) continue;
        // A backward word reads reversed in board order.
        const bool uguale = InAvanti(m.DirezioneParola[static_cast<std::size_t>(w)])
                                ? parola == s
                                : std::equal(parola.rbegin(), parola.rend(), s.begin());
        if (!uguale) continue;
        m.ParolaRiconosciuta = 0;
        VerificaAllineamento(c, w);
        if (m.ParolaRiconosciuta == 1) c.f.Label2[static_cast<std::size_t>(w)].Enabled = false;
    }
}

void VerificaAllineamento(Contesto& c, int NumParola) {
    auto& m = c.m;
    if (NumParola < 0 || NumParola >= kMaxParole) return;
    int PrimaCella = -1;
    for (int k = 0; k < Celle(m) && PrimaCella < 0; ++k)
        if (c.f.Image1[static_cast<std::size_t>(k)].BorderStyle == 1) PrimaCella = k;
    if (PrimaCella < 0) return;  // an earlier word of the same letters has just taken the selection

    const int codice = m.DirezioneParola[static_cast<std::size_t>(NumParola)];
    if (!DirezioneValida(codice)) return;
    m.Direzione = Asse(codice);
    const Passo passo = PassoDellAsse(m.Direzione);
    m.Riga = PrimaCella / m.NumColonne;
    m.Colonna = PrimaCella - m.NumColonne * m.Riga;
    m.LunghezzaParola = static_cast<int>(m.Parole[static_cast<std::size_t>(NumParola)].size());

    int UltimaCella = PrimaCella;
    for (int t = 0; t < m.LunghezzaParola; ++t) {
        const int r = m.Riga + t * passo.riga;
        const int col = m.Colonna + t * passo.colonna;
        // The run never continues past an edge onto the next row or column.
        if (r < 0 || r >= m.NumRighe || col < 0 || col >= m.NumColonne) return;
        const int k = r * m.NumColonne + col;
        if (c.f.Image1[static_cast<std::size_t>(k)].BorderStyle == 0) return;
        UltimaCella = k;
    }
    m.ParolaRiconosciuta = 1;
    SegnaParola(c, PrimaCella, UltimaCella, NumParola);
}

}  // namespace tramelo
