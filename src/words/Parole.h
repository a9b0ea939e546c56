// Finding the listed words on the board and marking them as found.
#pragma once

#include "app/Contesto.h"

namespace tramelo {

// Stores in DirezioneParola the direction code of every listed word; reports each word that lies nowhere.
void LocalizzaParole(Contesto& c);
// Locates every word down to its cells; with ModoSoluzione = 1 marks each one and shows the solution.
void CercaParole(Contesto& c);
// Marks word NumParola as found: every selected cell takes the found tile, the strike line joins the
// two end cells, the label is greyed; then MostraSoluzione.
void SegnaParola(Contesto& c, int PrimaCella, int UltimaCella, int NumParola);
// Once every listed word is found, rings the cells still in the plain look and shows the solution.
void MostraSoluzione(Contesto& c);

}  // namespace tramelo
