// Finding the listed words on the board and marking them as found.
#include "words/Parole.h"

#include <string>

#include "app/Messaggi.h"
#include "app/Testi.h"
#include "files/Testo.h"
#include "words/Linee.h"

namespace tramelo {

namespace {

std::string Rovescia(const std::string& parola) {
    return std::string(parola.rbegin(), parola.rend());
}

bool CellaValida(int k) {
    return k >= 0 && k < kCelle;
}

}  // namespace

void LocalizzaParole(Contesto& c) {
    auto& m = c.m;
    for (int k = 0; k < m.NumParole && k < kMaxParole; ++k) {
        const auto& parola = m.Parole[static_cast<std::size_t>(k)];
        m.ParolaRovesciata = Rovescia(parola);
        if (const auto o = TrovaOccorrenza(m, parola, m.ParolaRovesciata))
            m.DirezioneParola[static_cast<std::size_t>(k)] = o->Codice();
        else
            c.MsgBox(testi::kNonTrovata + DaLatin1(parola));  // the word keeps the code it had
    }
}

void CercaParole(Contesto& c) {
    auto& m = c.m;
    const bool soluzione = m.ModoSoluzione == 1;
    for (int k = 0; k < m.NumParole && k < kMaxParole; ++k) {
        const auto& parola = m.Parole[static_cast<std::size_t>(k)];
        m.ParolaRovesciata = Rovescia(parola);
        // A blank word line has no cells to mark: its label is empty and never holds back the reveal.
        if (parola.empty()) continue;
        const auto o = TrovaOccorrenza(m, parola, m.ParolaRovesciata);
        if (!o) {
            c.MsgBox(testi::kNonTrovata + DaLatin1(parola));
            continue;
        }
        if (!soluzione) continue;
        for (std::size_t q = 0; q < parola.size(); ++q)
            c.f.Image1[static_cast<std::size_t>(o->linea->celle[o->posizione + q])].BorderStyle = 1;
        SegnaParola(c, o->PrimaCella(), o->UltimaCella(parola.size()), k);
        c.f.Label2[static_cast<std::size_t>(k)].Enabled = false;
    }
    if (soluzione) c.f.Label1[1].Caption = m.SoluzioneSchema;
}

void SegnaParola(Contesto& c, int PrimaCella, int UltimaCella, int NumParola) {
    if (!CellaValida(PrimaCella) || !CellaValida(UltimaCella) || NumParola < 0 || NumParola >= kMaxParole)
        return;
    auto& m = c.m;
    auto& f = c.f;
    for (int k = 0; k < m.NumRighe * m.NumColonne && k < kCelle; ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto& cella = f.Image1[i];
        if (!cella.Visible || cella.BorderStyle != 1) continue;
        m.Aspetto[i] = kAspettoTrovata;
        cella.BorderStyle = 0;
        cella.Picture = FiguraTessera(1, m.Griglia[i]);
    }
    // The strike line joins points 16 twips inside the two end cells' top-left corners.
    const auto& prima = f.Image1[static_cast<std::size_t>(PrimaCella)];
    const auto& ultima = f.Image1[static_cast<std::size_t>(UltimaCella)];
    auto& linea = f.Line1[static_cast<std::size_t>(NumParola)];
    linea.Visible = true;
    linea.Y1 = prima.Top + 16;
    linea.X1 = prima.Left + 16;
    linea.Y2 = ultima.Top + 16;
    linea.X2 = ultima.Left + 16;
    f.Label2[static_cast<std::size_t>(NumParola)].Enabled = false;
    MostraSoluzione(c);
}

void MostraSoluzione(Contesto& c) {
    auto& f = c.f;
    for (const auto& etichetta : f.Label2)
        if (!Trim(etichetta.Caption).empty() && etichetta.Enabled) return;
    // One ring per cell still in the plain look, in cell order; the window grows rings as needed.
    int n = -1;
    for (int k = 0; k < kCelle; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (c.m.Aspetto[i] != kAspettoNormale || !f.Image1[i].Visible) continue;
        auto& anello = f.Ring(++n);
        anello.Visible = true;
        anello.Top = f.Image1[i].Top;
        anello.Left = f.Image1[i].Left;
    }
    f.Label1[1].Caption = c.m.SoluzioneSchema;
}

}  // namespace tramelo
