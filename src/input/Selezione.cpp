// Cell selection with the mouse, Esc, and recognising a selected word.
#include "input/Selezione.h"

#include "app/Eventi.h"

namespace tramelo {

void Image1_Click(Contesto& c, int Index) {
    if (c.m.Occupato == 1) return;
    if (Index == kImmagineIstruzioni) NascondiIstruzioni(c);
}

void Form_KeyPress(Contesto&, int) {}
void ControllaSelezione(Contesto&) {}
void VerificaAllineamento(Contesto&, int) {}

}  // namespace tramelo
