// The window's start-up, the menu commands that are not the library's, and the file list's keys.
#include "app/Eventi.h"

#include <algorithm>

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

void File1_KeyDown(Contesto& c, TastoLista tasto, int righe) {
    auto& lista = c.f.File1;
    if (!lista.Visible || lista.names.empty()) return;
    if (tasto == TastoLista::Invio) {
        if (lista.ListIndex < 0 || lista.ListIndex >= lista.ListCount()) return;
        lista.FileName = lista.names[static_cast<std::size_t>(lista.ListIndex)];
        File1_Click(c);
        return;
    }
    righe = std::max(1, righe);
    const int pagina = ListaFile::Pagina(righe);
    int voce = lista.PrimaMostrata(righe);  // without a current entry a move starts on the first row shown
    if (tasto == TastoLista::Inizio) {
        voce = 0;
    } else if (tasto == TastoLista::Fine) {
        voce = lista.ListCount() - 1;
    } else if (lista.ListIndex >= 0) {
        voce = lista.ListIndex + (tasto == TastoLista::Su         ? -1
                                  : tasto == TastoLista::Giu      ? 1
                                  : tasto == TastoLista::PaginaSu ? -pagina
                                                                  : pagina);
    }
    lista.RendiCorrente(voce, righe);
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
