// The picture clue: the puzzle's picture cut out of Immagini.jpg, shown beside the board and copied into
// FileTemp.jpg.
#include "board/Indizio.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/Messaggi.h"
#include "app/Testi.h"
#include "files/Dizionario.h"
#include "files/Percorsi.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

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
    std::int64_t dimensione = 0;
    const int fd = ApriFileNormale(archivio, kLimiteImmagini, dimensione);
    if (fd < 0) return std::nullopt;
    std::string byte(static_cast<std::size_t>(n), '\0');
    std::size_t letti = 0;
    while (inizio + n <= dimensione && letti < byte.size()) {
        const auto r = ::pread(fd, byte.data() + letti, byte.size() - letti,
                               static_cast<off_t>(inizio + static_cast<std::int64_t>(letti)));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        letti += static_cast<std::size_t>(r);
    }
    ::close(fd);
    if (letti < byte.size()) return std::nullopt;
    return byte;
}

}  // namespace

void MostraIndizio(Contesto& c) {
    const auto& riga = c.m.RigaImmagine;
    const int numero = ValIntero(Mid(riga, 1, 3));
    if (numero == 0) return;
    const int lunghezza = ValIntero(Mid(riga, 5));

    // Every load of a generation would repeat the same reason: it is said again only when it changes.
    auto rifiuta = [&](const char* relativo) {
        const auto testo = ConFile(testi::kImmagineNonMostrata, Percorso(c, relativo));
        if (testo != c.avvisoImmagine) c.MsgBox(testo);
        c.avvisoImmagine = testo;
    };
    if (numero < 1 || numero > kMaxImmagini || lunghezza < 1 || lunghezza > kLunghezzaMassimaImmagine)
        return rifiuta(kFileSchemaCorrente);
    const auto inizio = Inizio(Percorso(c, kFileCatalogo), numero);
    if (!inizio) return rifiuta(kFileCatalogo);
    const auto byte = Ritaglia(Percorso(c, kFileImmagini), *inizio, lunghezza);
    if (!byte) return rifiuta(kFileImmagini);

    // The picture is decoded from the bytes themselves; FileTemp.jpg then gets a copy, replaced whole
    // (never half-written). A folder the player cannot write costs only that copy, said once per run.
    const auto temp = Percorso(c, kFileTemp);
    const auto pixel = c.piattaforma.CaricaImmagine(temp.string(), *byte);
    if (!pixel) return rifiuta(kFileImmagini);
    c.avvisoImmagine.clear();
    // A file that already holds the picture is left alone: a new puzzle is loaded twice on its
    // commit, and each replace of the file costs a wait on the disk.
    std::string vecchio;
    const bool giaScritto = LeggiFile(temp, vecchio, kLunghezzaMassimaImmagine) && vecchio == *byte;
    if (!giaScritto && !c.avvisoFileTemp) {
        if (const auto esito = ScriviAtomico(temp, *byte); !esito) {
            c.avvisoFileTemp = true;
            c.MsgBox(ConFile(testi::kFileTempNonScritto, temp, esito));
        }
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
