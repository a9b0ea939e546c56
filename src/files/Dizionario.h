// The word store, its length index and the picture catalogue.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/Contesto.h"
#include "files/EsitoFile.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
EsitoFile LeggiRighe(const std::filesystem::path& file, std::size_t massimo, std::vector<std::string>& righe);

// What tells one state of a file from another without reading it: a file replaced, or rewritten in
// place, changes at least one of these, provided the file system's clock (coarse, a few
// milliseconds) has moved on since the previous write.
struct IdentitaFile {
    std::uint64_t dispositivo = 0, inode = 0;
    std::int64_t dimensione = 0, modifica = 0, cambio = 0;  // modification and change times, ns
    bool operator==(const IdentitaFile&) const = default;
};

// Random access to the word store: 16-byte records, record r at 0-based byte offset 16·r − 1.
// The store is mapped read-only and words are read where they lie: the generator reads hundreds of
// thousands of records per puzzle, and a system call or a copy for each would cost more than the
// whole generation. Nothing is loaded into the program's own memory.
class ArchivioParole {
  public:
    ArchivioParole() = default;
    ~ArchivioParole() { Chiudi(); }
    ArchivioParole(const ArchivioParole&) = delete;
    ArchivioParole& operator=(const ArchivioParole&) = delete;

    EsitoFile Apri(const std::filesystem::path& file);
    void Chiudi();
    bool Aperto() const { return aperto_; }
    // Complete records in the store.
    std::int32_t NumRecord() const { return numRecord_; }
    // The file as it was when opened.
    const IdentitaFile& Identita() const { return identita_; }
    // Record r with its blanks trimmed, seen in place: valid until the store is closed. Empty when r
    // is not a complete record of the store.
    std::string_view Parola(std::int32_t r) const;
    // The same, copied.
    std::string Leggi(std::int32_t r) const { return std::string(Parola(r)); }

  private:
    const char* dati_ = nullptr;
    std::int64_t dimensione_ = 0;
    std::int32_t numRecord_ = 0;
    IdentitaFile identita_;
    bool aperto_ = false;
};

namespace dettaglio {
// Bit k set when byte k of the 16 at p is not a blank, without a loop over them.
inline unsigned NonBianchi(const char* p) {
#if defined(__SSE2__)
    const __m128i byte = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(byte, _mm_set1_epi8(' ')))) & 0xFFFFu;
#else
    static_assert(std::endian::native == std::endian::little, "byte k of a half is its k-th lowest byte");
    std::uint64_t meta[2];
    std::memcpy(meta, p, sizeof meta);
    auto otto = [](std::uint64_t x) {
        constexpr std::uint64_t kBianchi = 0x2020202020202020ull, kBassi = 0x7F7F7F7F7F7F7F7Full;
        const std::uint64_t y = x ^ kBianchi;                                // a blank becomes a zero byte
        const std::uint64_t alti = (((y & kBassi) + kBassi) | y) & ~kBassi;  // the top bit of every other
        return static_cast<unsigned>(((alti >> 7) * 0x0102040810204080ull) >> 56);  // byte k to bit k
    };
    return otto(meta[0]) | otto(meta[1]) << 8;
#endif
}
}  // namespace dettaglio

// Trimmed on all 16 bytes at once: this is the generator's innermost read.
inline std::string_view ArchivioParole::Parola(std::int32_t r) const {
    if (r < 1 || r > numRecord_) return {};
    const char* record = dati_ + (std::int64_t{16} * r - 1);
    const unsigned lettere = dettaglio::NonBianchi(record);
    if (lettere == 0) return {};
    const int inizio = std::countr_zero(lettere), fine = static_cast<int>(std::bit_width(lettere));
    return {record + inizio, static_cast<std::size_t>(fine - inizio)};
}

}  // namespace tramelo
