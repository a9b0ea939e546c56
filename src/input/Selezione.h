// Cell selection with the mouse, Esc, and recognising a selected word.
#pragma once

#include "app/Contesto.h"

namespace tramelo {

// Unselects every selected cell: each shows its found or plain tile again.
void Deseleziona(Contesto& c);
// Spells the selected cells in board order and compares the result with every listed word.
void ControllaSelezione(Contesto& c);
// Checks that the selection is word NumParola's straight run and hands it to SegnaParola.
void VerificaAllineamento(Contesto& c, int NumParola);

}  // namespace tramelo
