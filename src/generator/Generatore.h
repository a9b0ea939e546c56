// The puzzle generator: placing words, choosing the picture, writing and checking the new puzzle.
#pragma once

#include "app/Contesto.h"

namespace tramelo {

void NuovoSchema(Contesto& c);
void InserisciParola(Contesto& c);
void VerificaPercorso(Contesto& c);
void ChiudiSchema(Contesto& c);

}  // namespace tramelo
