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

// The keys of the open file list, which shows `righe` whole rows: the arrows, Page Up and Down, Home and
// End move the current entry (from the first row shown when there is none) and scroll to show it;
// Return chooses it as a click does.
enum class TastoLista { Su, Giu, PaginaSu, PaginaGiu, Inizio, Fine, Invio };
void File1_KeyDown(Contesto& c, TastoLista tasto, int righe);

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
