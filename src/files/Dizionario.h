// The word store, its length index and the picture catalogue.
#pragma once

#include <istream>
#include <string>

#include "app/Contesto.h"

namespace tramelo {

// Loads the length index and the picture catalogue and shuffles the picture and short-word orders.
void CaricaDizionario(Contesto& c);

}  // namespace tramelo
