// The picture clue: the puzzle's picture cut out of Immagini.jpg and shown beside the board.
#pragma once

#include "app/Contesto.h"

namespace tramelo {

// Cuts out the picture named by RigaImmagine, shows it in Image1(180), copies it into FileTemp.jpg and
// puts the credit strip Image1(183) in its lower right corner. Picture number 0 touches nothing.
void MostraIndizio(Contesto& c);

}  // namespace tramelo
