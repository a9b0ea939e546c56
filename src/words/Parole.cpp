// Finding the listed words on the board and marking them as found.
#include "words/Parole.h"

namespace tramelo {

void LocalizzaParole(Contesto&) {}
void CercaParole(Contesto&) {}
void SegnaParola(Contesto&, int, int, int) {}
void MostraSoluzione(Contesto&) {}

}  // namespace tramelo
