// The word store, its length index and the picture catalogue.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
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

// One line of the picture catalogue, read the one way every reader reads it; views into the line.
struct VoceCatalogo {
    std::string_view campo;  // columns 5-9 as written: the generator copies them into the puzzle file
    int lunghezza = 0;       // their value, the picture's bytes in Immagini.jpg
    std::string_view nome;   // column 11 to four characters before the end; empty on a line under 14
};
// Nothing when the length field holds anything but digits and blanks (blanks read as nothing, so
// "  250" is 250 and an empty line is a picture of no bytes).
std::optional<VoceCatalogo> LeggiVoceCatalogo(std::string_view riga);
// A caption the generator can write into a board: capitals A..Z and blanks.
bool DidascaliaValida(std::string_view nome);
// The catalogue read whole: its first 600 lines, line k as voci[k - 1], views into its text.
struct Catalogo {
    std::unique_ptr<const std::string> testo;  // where the views point, wherever the catalogue is moved
    std::vector<VoceCatalogo> voci;
};
// A length field that is not digits is kNonValido for the whole catalogue, `voci` left empty: every
// later picture's place in the store depends on it.
EsitoFile LeggiCatalogo(const std::filesystem::path& file, Catalogo& catalogo);

// The first `massimo` lines of a text file (CR LF, LF or CR ends a line); the reason when it cannot be
// read or is larger than kLimiteTesto.
EsitoFile LeggiRighe(const std::filesystem::path& file, std::size_t massimo, std::vector<std::string>& righe);

// What tells one state of a file from another without reading it: a file replaced, or rewritten in
// place, changes at least one of these, provided the file system's clock (coarse, a few
// milliseconds) has moved on since the previous write.
struct IdentitaFile {
    IdentitaInode inode;
    std::int64_t dimensione = 0, modifica = 0, cambio = 0;  // modification and change times, ns
    bool operator==(const IdentitaFile&) const = default;
};

// The word store: 16-byte records, record r at 0-based byte offset 16·r − 1, read from a copy in
// memory: a store rewritten or cut short under the game changes nothing that is open. The copy is
// made once per state of the file (IdentitaFile) and shared by every store opened on it, so the
// generator, which opens the store at every run and reads hundreds of thousands of records per
// puzzle, reads it in place at memory speed.
class ArchivioParole {
  public:
    struct Copia;

    // The reason when the file cannot be read: not a regular file, larger than the largest store an
    // index can describe (kTroppoGrande), or changing under each of three readings (kCambiato).
    EsitoFile Apri(const std::filesystem::path& file);
    void Chiudi();
    bool Aperto() const { return copia_ != nullptr; }
    // Complete records in the store.
    std::int32_t NumRecord() const { return numRecord_; }
    // Bytes in the store.
    std::int64_t Dimensione() const;
    // Record r with its blanks trimmed, seen in the copy: valid while this store, or another opened
    // on the same copy, is open. Empty when r is not a complete record of the store.
    std::string_view Parola(std::int32_t r) const;
    // Two stores opened on the same bytes (one file, or two files alike) share them.
    bool StessaCopia(const ArchivioParole& altro) const;

  private:
    std::shared_ptr<const Copia> copia_;
    const char* dati_ = nullptr;
    std::int32_t numRecord_ = 0;
};

// Whether the store holds what the index says: exactly the records up to the last 15-letter one, and
// in each range words of that range's length, capitals A..Z only, or blank records (never placed).
// kNonConcordaIndice when sizes or lengths disagree, kNonValido for a word with other characters.
// Checked once per copy of the store and index.
EsitoFile ConfrontaArchivio(const ArchivioParole& archivio, const IndiceParole& indice);

// The four data files of new puzzles as they stand, each judged as the loader judges it, with what
// was read of them.
struct DatiNuoviSchemi {
    EsitoFile catalogo, immagini, indice, archivio;  // success, or the reason the file cannot be used
    Catalogo catalogoLetto;                          // no lines when it cannot be read
    IndiceParole tabellaIndice{};                    // the index as read; all 0 when unusable
    ArchivioParole parole;                           // the word store, open when it could be read
};
// Reads and checks them: the catalogue (a length field not digits, or not one caption of capitals),
// the picture store (a regular file, not empty, as long as the catalogue's lengths add up to), the
// length index (IndiceUsabile) and the word store against it (ConfrontaArchivio).
DatiNuoviSchemi LeggiDatiNuoviSchemi(const Contesto& c);
// One line per file that cannot be used, each begun by "\r" and given as RigaFile ("motivo: percorso"),
// in the order catalogue, picture store, index, word store; empty when all can be used.
std::string RigheDatiNonValidi(const Contesto& c, const DatiNuoviSchemi& dati);

// Loads the length index and the picture catalogue and shuffles the picture and short-word orders.
// Catalogue line k is picture k; lines after the 600th are ignored. Every data file that cannot be
// used is named in one message per call (RigheDatiNonValidi), not repeated while it stays the same;
// play goes on, only new puzzles need them. A catalogue that cannot be read, or whose length fields
// are not digits, leaves NumImmagini 0; an index or a word store that cannot be used leaves
// IndiceLunghezze all 0 with the identity short-word order. Catalogue lines whose caption is not
// capitals and blanks stay empty, and the catalogue is named.
void CaricaDizionario(Contesto& c);

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
