// File names of the program folder: a relative name such as "\schemi\schema.txt" resolved against the
// folder, each part matched without regard to case so that "SCHEMA.txt" and "schema.txt" are one file.
#pragma once

#include <filesystem>
#include <string_view>

namespace tramelo {

struct Contesto;

// The existing file or folder whose parts match `relativo` (separators "\" or "/") case-insensitively;
// a part that matches nothing keeps its own spelling.
std::filesystem::path Risolvi(const std::filesystem::path& cartella, std::string_view relativo);
// The same against the context's folders: the player's files (schemi/..., FileTemp.jpg) in the player's
// folder, every other name in the program folder Cartella.
std::filesystem::path Percorso(const Contesto& c, std::string_view relativo);
// Writes `contenuto` to `destinazione` through a temporary file in the same folder and a rename, so a
// failure never leaves a half-written file. False (and the old file untouched) on any error.
bool ScriviAtomico(const std::filesystem::path& destinazione, std::string_view contenuto);
// Reads a whole file; false when it cannot be opened or read.
bool LeggiFile(const std::filesystem::path& file, std::string& contenuto);

}  // namespace tramelo
