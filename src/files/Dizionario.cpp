// The word store, its length index and the picture catalogue.
#include "files/Dizionario.h"

namespace tramelo {

void CaricaDizionario(Contesto&) {}

}  // namespace tramelo
