// File names of the program folder: a relative name such as "\schemi\schema.txt" resolved against the
// folder, each part matched without regard to case so that "SCHEMA.txt" and "schema.txt" are one file.
// Reading and writing the folder's files safely: only regular files within a size limit are read (a
// FIFO or a device never blocks the game nor fills its memory), and every write goes through a freshly
// created temporary file, so nothing planted in the folder can redirect it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/stat.h>

#include "files/EsitoFile.h"

namespace tramelo {

struct Contesto;

// The current puzzle file: one name for reading and writing, whatever the case it has on disk.
inline constexpr const char* kFileSchemaCorrente = "\\schemi\\schema.txt";
// The library of saved puzzles, also the folder of the current puzzle.
inline constexpr const char* kCartellaSchemi = "\\schemi";

// Size limits of the files read, each far above any real file of its kind.
inline constexpr std::int64_t kLimiteSchema = 64 * 1024;            // a puzzle is under 1 KB
inline constexpr std::int64_t kLimiteTesto = 4 * 1024 * 1024;       // catalogue (under 100 KB), index
inline constexpr std::int64_t kLimiteArchivio = 256 * 1024 * 1024;  // word store: 16 MB at most indexed
inline constexpr std::int64_t kLimiteImmagini = 256 * 1024 * 1024;  // picture store: 600 × 99999 bytes

// The existing file or folder whose parts match `relativo` (separators "\" or "/") case-insensitively;
// a part that matches nothing keeps its own spelling. Among several matches the exact spelling wins,
// then the first name in byte order, so every call gives the same file.
std::filesystem::path Risolvi(const std::filesystem::path& cartella, std::string_view relativo);
// The same against the context's folders: the player's files (schemi/..., FileTemp.jpg) in the player's
// folder, every other name in the program folder Cartella.
std::filesystem::path Percorso(const Contesto& c, std::string_view relativo);
enum class ModoScrittura {
    Sostituisci,  // the file is replaced whole
    SoloNuovo,    // the file must not exist yet: an existing one (or a folder, a link) is an error, EEXIST
};
// Writes `contenuto` to `destinazione` through a new temporary file with an unpredictable name beside it
// (created exclusively, never through a link), flushed to the disk and then moved into place, and the
// folder flushed after: after a crash or a power cut the file is either whole or as it was. On any error,
// a full disk or a file-size limit included, the old file is untouched, no temporary file is left and the
// error is returned.
EsitoFile ScriviAtomico(const std::filesystem::path& destinazione, std::string_view contenuto,
                        ModoScrittura modo = ModoScrittura::Sostituisci);
// Temporary names of ScriviAtomico: "." + the file's name + "." + 8 letters a-z or digits + ".tmp".
bool NomeTemporaneo(std::string_view nome);
// Removes the regular files of `cartella` (not below it) whose names are temporary names, left by writes
// that a crash or a power cut interrupted; nothing else. Returns how many went.
int RimuoviTemporanei(const std::filesystem::path& cartella);

// Which file a name stood for when it was looked at: the same name later on another file (replaced,
// deleted and made again) has another identity.
struct IdentitaInode {
    std::uint64_t dispositivo = 0, inode = 0;
    bool operator==(const IdentitaInode&) const = default;
};
// The identity of the file `st` describes.
IdentitaInode InodeDi(const struct stat& st);
// The identity of a regular file `file` itself (a link is not followed); nothing for anything else.
std::optional<IdentitaInode> InodeFileNormale(const std::filesystem::path& file);

enum class Collegamenti {
    Segui,    // a link at the last name is followed, as for the data files
    Rifiuta,  // a link at the last name is refused (ELOOP): the library's entries
};
// Opens a regular file for reading without blocking on a FIFO; -1 when it is not a regular file, cannot
// be opened or is larger than `limite` bytes, with the reason in `esito`. `dimensione` gets its size,
// `identita` (when given) the identity of the file opened.
int ApriFileNormale(const std::filesystem::path& file, std::int64_t limite, std::int64_t& dimensione,
                    EsitoFile* esito = nullptr, Collegamenti collegamenti = Collegamenti::Segui,
                    IdentitaInode* identita = nullptr);
// Reads a whole regular file of at most `limite` bytes; the reason when it cannot. `identita` (when given)
// gets the identity of the file read.
EsitoFile LeggiFile(const std::filesystem::path& file, std::string& contenuto, std::int64_t limite,
                    Collegamenti collegamenti = Collegamenti::Segui, IdentitaInode* identita = nullptr);

}  // namespace tramelo
