// The puzzle generator.
#include "generator/Generatore.h"

namespace tramelo {

void NuovoSchema(Contesto&) {}
void InserisciParola(Contesto&) {}
void VerificaPercorso(Contesto&) {}
void ChiudiSchema(Contesto&) {}

}  // namespace tramelo
