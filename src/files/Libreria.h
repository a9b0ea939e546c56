// The library of saved puzzles: schemi\schema_n_NNN.txt, browsed with the file list File1.
#pragma once

#include <string>
#include <string_view>

#include "app/Contesto.h"
#include "files/NomeSchema.h"

namespace tramelo {

// True when `nome` matches a file pattern without regard to case; "?" stands for exactly one character.
bool CorrispondeModello(std::string_view nome, std::string_view modello);

// Points File1 at the program folder and then at the library folder, and reads the names (no folder) of
// the regular files there that match File1.Pattern, sorted alphabetically without regard to case; a
// link, a folder or a name holding a control character is not listed. Each listed file's identity goes
// to Contesto::elencati. The list loses its chosen entry. A missing folder gives an empty list.
void AggiornaFile1(Contesto& c);

// The number the next save tries first: one more than the highest number among the listed names. 0
// when the library is full (the highest is NomeSchema::kMassimo or more).
int ProssimoNumeroSchema(const Contesto& c);
// What a save into a full library says, naming the last name there is.
std::string TestoLibreriaPiena();

// mnuSalvaSchema_Click, mnuCaricaSchema_Click, mnuCancellaSchema_Click and File1_Click are declared in
// app/Eventi.h. A failed copy or delete shows a message naming the file and changes nothing else; a save
// never overwrites anything and skips a name something unlisted holds; the current puzzle is replaced
// only by a complete copy of the regular file listed under the clicked name, never through a link; a
// read-only game refuses the three commands with a message.

}  // namespace tramelo
