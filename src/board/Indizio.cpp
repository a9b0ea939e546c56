// The picture clue: the puzzle's picture cut out of Immagini.jpg into FileTemp.jpg and shown beside the
// board.
#include "board/Indizio.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "app/Testi.h"
#include "files/Dizionario.h"
#include "files/Percorsi.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

constexpr const char* kFileSchemaCorrente = "\\schemi\\schema.txt";
constexpr int kLunghezzaMassimaImmagine = 99999;  // the catalogue's five-digit length field
constexpr int kBordoPixel = 4;                    // the holder's single-line border, both sides

// Offset of picture n in the store: the sum of the lengths of catalogue lines 1..n-1. Nothing when the
// catalogue cannot be read, is shorter than n-1 lines or states a negative length.
std::optional<std::int64_t> Inizio(const fs::path& catalogo, int n) {
    std::vector<std::string> righe;
    if (!LeggiRighe(catalogo, static_cast<std::size_t>(n - 1), righe) ||
        righe.size() < static_cast<std::size_t>(n - 1))
        return std::nullopt;
    std::int64_t s = 0;
    for (const auto& riga : righe) {
        const int l = ValIntero(Mid(riga, 5, 5));
        if (l < 0) return std::nullopt;
        s += l;
    }
    return s;
}

// Bytes inizio+1 .. inizio+n of the store (1-based); nothing when the store does not hold them all.
std::optional<std::string> Ritaglia(const fs::path& archivio, std::int64_t inizio, int n) {
    std::error_code ec;
    if (!fs::is_regular_file(archivio, ec)) return std::nullopt;
    const auto dimensione = fs::file_size(archivio, ec);
    if (ec || static_cast<std::uint64_t>(inizio + n) > dimensione) return std::nullopt;
    std::ifstream in(archivio, std::ios::binary);
    std::string byte(static_cast<std::size_t>(n), '\0');
    if (!in.seekg(static_cast<std::streamoff>(inizio)) || !in.read(byte.data(), n)) return std::nullopt;
    return byte;
}

}  // namespace

void MostraIndizio(Contesto& c) {
    const auto& riga = c.m.RigaImmagine;
    const int numero = ValIntero(Mid(riga, 1, 3));
    if (numero == 0) return;
    const int lunghezza = ValIntero(Mid(riga, 5));

    auto rifiuta = [&](const char* relativo) {
        c.MsgBox(testi::kImmagineNonMostrata + Percorso(c, relativo).string());
    };
    if (numero < 1 || numero > kMaxImmagini || lunghezza < 1 || lunghezza > kLunghezzaMassimaImmagine)
        return rifiuta(kFileSchemaCorrente);
    const auto inizio = Inizio(Percorso(c, kFileCatalogo), numero);
    if (!inizio) return rifiuta(kFileCatalogo);
    const auto byte = Ritaglia(Percorso(c, kFileImmagini), *inizio, lunghezza);
    if (!byte) return rifiuta(kFileImmagini);

    // FileTemp.jpg is replaced whole (never longer than the picture, never half-written). If the new
    // bytes do not decode, its old bytes go back so the file still matches the picture on show.
    const auto temp = Percorso(c, kFileTemp);
    std::error_code ec;
    std::string vecchio;
    const bool cEra = fs::is_regular_file(temp, ec) && LeggiFile(temp, vecchio);
    // A file that already holds the picture is left alone: a new puzzle is loaded twice on its
    // commit, and each replace of the file costs a wait on the disk.
    const bool giaScritto = cEra && vecchio == *byte;
    if (!giaScritto && !ScriviAtomico(temp, *byte)) return rifiuta(kFileTemp);
    const auto pixel = c.piattaforma.CaricaImmagine(temp.string());
    if (!pixel) {
        if (!cEra)
            fs::remove(temp, ec);
        else if (!giaScritto)
            ScriviAtomico(temp, vecchio);
        return rifiuta(kFileImmagini);
    }

    auto& indizio = c.f.Image1[kImmagineIndizio];
    Figura figura;
    figura.tipo = TipoFigura::File;
    figura.file = temp.string();
    figura.versione = indizio.Picture.versione + 1;
    indizio.Picture = figura;
    indizio.Width = static_cast<float>((pixel->larghezza + kBordoPixel) * c.piattaforma.TwipsPerPixelX());
    indizio.Height = static_cast<float>((pixel->altezza + kBordoPixel) * c.piattaforma.TwipsPerPixelY());

    auto& credito = c.f.Image1[kImmagineCredito];
    credito.Top = indizio.Top + indizio.Height - credito.Height - 4;
    credito.Left = indizio.Left + indizio.Width - credito.Width - 4;
}

}  // namespace tramelo
