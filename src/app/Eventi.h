// The window's event procedures: what a click, a key or a menu command does to the game.
// Every menu event, Image1_Click and Form_KeyPress do nothing while a generation runs (Occupato = 1).
#pragma once

#include "app/Contesto.h"

namespace tramelo {

void Form_Initialize(Contesto& c);
void Form_Terminate(Contesto& c);
void Form_KeyPress(Contesto& c, int KeyAscii);  // input/Selezione.cpp
void Image1_Click(Contesto& c, int Index);      // input/Selezione.cpp
void File1_Click(Contesto& c);                  // files/Libreria.cpp: the chosen entry is File1.FileName

void mnuRicomincia_Click(Contesto& c);
void mnuSoluzione_Click(Contesto& c);
void mnuNS_Click(Contesto& c);
void mnuIstruzioni_Click(Contesto& c);
void mnuStampare_Click(Contesto& c);
void mnuSalvaSchema_Click(Contesto& c);     // files/Libreria.cpp
void mnuCaricaSchema_Click(Contesto& c);    // files/Libreria.cpp
void mnuCancellaSchema_Click(Contesto& c);  // files/Libreria.cpp

// Hides the instructions picture and gives Istruzioni its normal caption.
void NascondiIstruzioni(Contesto& c);

}  // namespace tramelo
