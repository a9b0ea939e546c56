// The word store, its length index and the picture catalogue.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Contesto.h"

namespace tramelo {

inline constexpr const char* kFileCatalogo = "\\Immagini.txt";
inline constexpr const char* kFileIndice = "\\dizionari\\indir_bbb.txt";
inline constexpr const char* kFileArchivio = "\\dizionari\\dizionario.bbb";
inline constexpr const char* kFileImmagini = "\\Immagini.jpg";
inline constexpr const char* kFileTemp = "\\FileTemp.jpg";

// The length index: row L holds the first and the last record of the L-letter words.
using IndiceParole = std::array<std::array<std::int32_t, 2>, 17>;

// An index is usable when its ranges for the lengths 5..15 follow one another from record 1 without
// gaps, none of them empty, and the 5- and 6-letter words fit the short-word order. The loader keeps
// only a usable index, and the generator asks for one before it starts.
bool IndiceUsabile(const IndiceParole& indice);

// Loads the length index and the picture catalogue and shuffles the picture and short-word orders.
// Catalogue line k is picture k; lines after the 600th are ignored. A word store whose indexed records
// are not all words of capital letters counts as broken. A file that is missing, is not a regular file,
// is too large or breaks the data limits leaves its tables empty (NumImmagini 0, or IndiceLunghezze all 0
// with the identity short-word order) and is named in one message per call; play goes on, only new
// puzzles need them. Catalogue lines whose caption is not capitals and blanks stay empty, and the
// catalogue is named.
void CaricaDizionario(Contesto& c);

// The first `massimo` lines of a text file (CR LF, LF or CR ends a line); false when it cannot be read
// or is larger than kLimiteTesto.
bool LeggiRighe(const std::filesystem::path& file, std::size_t massimo, std::vector<std::string>& righe);

// Random access to the word store: 16-byte records, record r at 0-based byte offset 16·r − 1.
// The store is mapped read-only and each record is copied out when asked for: the generator reads
// hundreds of thousands of records per puzzle, and a system call for each would cost more than the
// whole generation. Nothing is loaded into the program's own memory.
class ArchivioParole {
  public:
    ArchivioParole() = default;
    ~ArchivioParole() { Chiudi(); }
    ArchivioParole(const ArchivioParole&) = delete;
    ArchivioParole& operator=(const ArchivioParole&) = delete;

    bool Apri(const std::filesystem::path& file);
    void Chiudi();
    bool Aperto() const { return aperto_; }
    // Complete records in the store.
    std::int32_t NumRecord() const;
    // Record r with its blanks trimmed; empty when r is not a complete record of the store.
    std::string Leggi(std::int32_t r) const;
    // The same into `parola`, reusing its storage.
    void Leggi(std::int32_t r, std::string& parola) const;

  private:
    const char* dati_ = nullptr;
    std::int64_t dimensione_ = 0;
    bool aperto_ = false;
};

}  // namespace tramelo
