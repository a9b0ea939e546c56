// Message texts are UTF-8: the game's own texts are written so, file contents (ISO 8859-1) are
// converted, and paths are shown as the file system spells them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/EsitoFile.h"

namespace tramelo {

// A message about one file: "testo (motivo):" then the path on a line of its own, the reason left out
// on success. The path comes last so a long one never hides the sentence.
std::string ConFile(std::string_view testo, const std::filesystem::path& file, EsitoFile esito = {});
// One line of a list of files: "motivo: percorso", or the path alone.
std::string RigaFile(const std::filesystem::path& file, EsitoFile esito = {});
// ISO 8859-1 text taken from a file (a word, a caption), in UTF-8.
std::string DaLatin1(std::string_view testo);
// A path or a file name as shown: its own bytes (UTF-8), a control character shown as "?" so that a
// name never breaks a line of a message or of a list.
std::string NomeMostrato(std::string_view nome);
// True when a name holds a control character, which no list shows.
bool HaControlli(std::string_view nome);

}  // namespace tramelo
