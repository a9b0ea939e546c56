// The library of saved puzzles.
#include "files/Libreria.h"

#include "app/Eventi.h"

namespace tramelo {

void mnuSalvaSchema_Click(Contesto&) {}
void mnuCaricaSchema_Click(Contesto&) {}
void mnuCancellaSchema_Click(Contesto&) {}
void File1_Click(Contesto&) {}

}  // namespace tramelo
