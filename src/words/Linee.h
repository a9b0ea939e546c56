// The board's lines in the order the word search visits them, and the search of a word along them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "state/Module1.h"

namespace tramelo {

// One row, column or diagonal of the board: its cells in reading order and the direction codes a word
// gets when it reads forward or backward along it.
struct LineaGriglia {
    std::vector<int> celle;
    int codiceAvanti = 0;
    int codiceIndietro = 0;
};

// The 83 lines in scan order: the 10 rows (left to right), the 18 columns (top to bottom), the 27
// up-right diagonals by increasing row + column (read from the lower-left end), the 18 down-right
// diagonals from the top row, the 10 down-right diagonals from the left column (the one from the
// top-left corner is therefore listed twice).
const std::vector<LineaGriglia>& LineeGriglia();

struct Occorrenza {
    const LineaGriglia* linea = nullptr;
    std::size_t posizione = 0;  // 0-based position of the word's first cell along the line
    bool rovesciata = false;    // the line holds the reversed word
    int PrimaCella() const { return linea->celle[posizione]; }
    int UltimaCella(std::size_t lunghezza) const { return linea->celle[posizione + lunghezza - 1]; }
    int Codice() const { return rovesciata ? linea->codiceIndietro : linea->codiceAvanti; }
};

// The first line in scan order that holds `parola` (tried first, anywhere in the line) or `rovesciata`,
// with the occurrence nearest the start of the line. Letters compare without regard to case; a cell
// without a letter (code outside 1..26, a hidden cell) never lies inside an occurrence.
std::optional<Occorrenza> TrovaOccorrenza(const Module1& m, std::string_view parola,
                                          std::string_view rovesciata);

}  // namespace tramelo
