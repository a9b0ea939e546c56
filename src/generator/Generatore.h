// The puzzle generator: placing words, choosing the picture, writing and checking the new puzzle.
#pragma once

#include <string>
#include <vector>

#include "app/Contesto.h"

namespace tramelo {

// Builds a new puzzle from the word store and the picture catalogue, writes it as the current puzzle,
// loads it and accepts it once its automatic solution rings exactly the caption's letters. A failed
// attempt asks OK (start over) or Cancel (keep the current puzzle); retries run in a loop.
void NuovoSchema(Contesto& c);

// Places ParolaCorrente (length LunghezzaCorrente) from row Riga, column Colonna (both 1-based) in the
// generator's direction Direzione: 0 east, 1 south-east, 2 south, 3 south-west, 4 west, 5 north-west,
// 6 north, 7 north-east. Crossings only on equal letters. Piazzata = 1 when placed.
void InserisciParola(Contesto& c);
// Compares Percorso with ParolaCorrente; on success appends the word to List1 (Piazzata = 1).
void VerificaPercorso(Contesto& c);

enum class EsitoElenco {
    Valido,
    Ripetuta,   // a word is listed twice: message (3)
    Contenuta,  // a word occurs inside a word listed before it: message (4)
};
// The word-list checks of a finished board.
EsitoElenco ControllaElenco(const std::vector<std::string>& voci);

enum class EsitoChiusura { Accettato, Rifiutato, NonScritto };
// Writes the generated board as the current puzzle, loads it, solves it and checks the rings.
// Rifiutato: message (5) was shown and a new generation is due. NonScritto: the file could not be
// written; the message was shown and the previous puzzle reloaded.
EsitoChiusura ChiudiSchema(Contesto& c);

}  // namespace tramelo
