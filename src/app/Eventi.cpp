// The window's start-up and the menu commands that are not the library's.
#include "app/Eventi.h"

#include "app/Testi.h"
#include "board/Schema.h"
#include "generator/Generatore.h"
#include "input/Selezione.h"
#include "words/Parole.h"

namespace tramelo {

void Form_Initialize(Contesto& c) { PreparaSchema(c); }

void Form_Terminate(Contesto&) {}

void mnuRicomincia_Click(Contesto& c) {
    if (c.m.Occupato == 1) return;
    c.m.DizionarioCaricato = 0;
    PreparaSchema(c);
}

void mnuSoluzione_Click(Contesto& c) {
    if (c.m.Occupato == 1) return;
    // A pending selection would be marked found with the first word, and a solution letter in it would
    // lose its ring: drop it, so that the rings spell the solution.
    Deseleziona(c);
    c.m.ModoSoluzione = 1;
    CercaParole(c);
    c.m.ModoSoluzione = 0;
}

void mnuNS_Click(Contesto& c) {
    if (c.m.Occupato == 1) return;
    c.m.Occupato = 1;
    NuovoSchema(c);
    c.m.Occupato = 0;
}

void NascondiIstruzioni(Contesto& c) {
    c.f.Image1[kImmagineIstruzioni].Visible = false;
    c.f.mnuIstruzioni.Caption = testi::kIstruzioni;
}

void mnuIstruzioni_Click(Contesto& c) {
    if (c.m.Occupato == 1) return;
    if (c.f.Image1[kImmagineIstruzioni].Visible) {
        NascondiIstruzioni(c);
    } else {
        c.f.Image1[kImmagineIstruzioni].Visible = true;
        c.f.mnuIstruzioni.Caption = testi::kEsciIstruzioni;
    }
}

void mnuStampare_Click(Contesto& c) {
    if (c.m.Occupato == 1) return;
    switch (c.piattaforma.StampaFinestra()) {
        case EsitoStampa::Stampato: break;
        case EsitoStampa::NessunaStampante: c.MsgBox(testi::kNessunaStampante); break;
        case EsitoStampa::Fallito: c.MsgBox(testi::kStampaFallita); break;
    }
}

}  // namespace tramelo
