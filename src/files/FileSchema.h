// The puzzle file: ten board rows, the solution line, the picture line, the words, "/* fine schema n.001".
// Lines end with CR LF; a bare LF ends a line too.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "files/EsitoFile.h"
#include "state/Module1.h"

namespace tramelo {

inline constexpr const char* kFineSchema = "/* fine schema n.001";

// What the reader takes from a puzzle file, before it touches the game state.
struct LetturaSchema {
    bool aperto = false;              // false: the file could not be opened or read, for `esito`
    EsitoFile esito;
    std::array<int, kCelle> celle{};  // CodiceLettera of each character; 0 for a cell missing from a short row
    std::string soluzione;            // trimmed, upper case
    std::string rigaImmagine;         // the picture line as written
    std::vector<std::string> parole;  // trimmed, at most 40
    bool completo = false;            // the word list ended at a terminator line or at 40 words
};

// Only a regular file of at most kLimiteSchema bytes is read; anything else is not opened (aperto false).
LetturaSchema LeggiSchema(const std::filesystem::path& file);
LetturaSchema LeggiSchemaDaTesto(const std::string& testo);

// A puzzle as the generator writes it.
struct SchemaDaScrivere {
    std::array<char, kCelle> celle{};  // one character per cell
    std::string soluzione;             // the picture's caption, blanks included
    int numImmagine = 0;
    std::string lunghezzaImmagine;    // the catalogue's 5-character length field, unchanged
    std::vector<std::string> parole;  // in list order
};

// The file's bytes, every line ended by CR LF.
std::string TestoSchema(const SchemaDaScrivere& s);

}  // namespace tramelo
