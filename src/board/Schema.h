// Loading the current puzzle onto the board.
#pragma once

#include "app/Contesto.h"

namespace tramelo {

// Rebuilds the whole game from schemi\schema.txt. Callers set DizionarioCaricato to 0 first.
// A file that cannot be read gives a message naming it and leaves an empty, consistent board; a file cut
// short is shown as far as it goes, with a message naming it.
void PreparaSchema(Contesto& c);

// Scales the window and its controls once per run to the screen's twips per pixel (design: 12). A layout
// that, with the window's frame and menu bar, is larger than the part of the screen windows may take is
// shown shrunk to fit it, the same fraction both ways (Form1::ScaleWidth); the window is centred there.
void AdattaFinestra(Contesto& c);

}  // namespace tramelo
