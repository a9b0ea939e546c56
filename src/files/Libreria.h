// The library of saved puzzles: schemi\schema_n_NNN.txt.
#pragma once

#include "app/Contesto.h"
