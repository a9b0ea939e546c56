// The picture clue: the puzzle's picture cut out of Immagini.jpg, shown beside the board and copied into
// FileTemp.jpg.
#include "board/Indizio.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "app/Messaggi.h"
#include "app/Testi.h"
#include "board/ControlloImmagine.h"
#include "files/Dizionario.h"
#include "files/Percorsi.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

constexpr int kLunghezzaMassimaImmagine = 99999;  // the catalogue's five-digit length field
constexpr int kBordoPixel = 4;                    // the holder's single-line border, both sides

// Offset of picture n in the store: the sum of the lengths of catalogue lines 1..n-1, the catalogue
// read as the loader reads it. The reason when it cannot be read, a length field is not digits, or it
// has fewer than n-1 lines.
EsitoFile Inizio(const fs::path& catalogo, int n, std::int64_t& inizio) {
    Catalogo letto;
    if (const auto esito = LeggiCatalogo(catalogo, letto); !esito) return esito;
    const auto& voci = letto.voci;
    if (voci.size() < static_cast<std::size_t>(n - 1)) return {kTroppoCorto};
    inizio = 0;
    for (std::size_t i = 0; i + 1 < static_cast<std::size_t>(n); ++i) inizio += voci[i].lunghezza;
    return {};
}

// Bytes inizio+1 .. inizio+n of the store (1-based), read into `byte`. kTroppoCorto when the store
// does not hold them all, also when it is cut short while it is read.
EsitoFile Ritaglia(const fs::path& archivio, std::int64_t inizio, int n, std::string& byte) {
    std::int64_t dimensione = 0;
    EsitoFile esito;
    const int fd = ApriFileNormale(archivio, kLimiteImmagini, dimensione, &esito);
    if (fd < 0) return esito;
    byte.assign(static_cast<std::size_t>(n), '\0');
    std::size_t letti = 0;
    while (inizio + n <= dimensione && letti < byte.size()) {
        const auto r = ::pread(fd, byte.data() + letti, byte.size() - letti,
                               static_cast<off_t>(inizio + static_cast<std::int64_t>(letti)));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) esito = EsitoFile::DaErrno();
        if (r <= 0) break;
        letti += static_cast<std::size_t>(r);
    }
    ::close(fd);
    if (!esito) return esito;
    return letti < byte.size() ? EsitoFile{kTroppoCorto} : EsitoFile{};
}

}  // namespace

void MostraIndizio(Contesto& c) {
    const auto& riga = c.m.RigaImmagine;
    const int numero = ValIntero(Mid(riga, 1, 3));
    if (numero == 0) return;
    const int lunghezza = ValIntero(Mid(riga, 5));

    // Every load of a generation would repeat the same reason: it is said again only when it changes.
    auto rifiuta = [&](const char* relativo, EsitoFile esito) {
        c.AvvisaUnaVolta(c.avvisoImmagine,
                         ConFile(testi::kImmagineNonMostrata, Percorso(c, relativo), esito));
    };
    if (numero < 1 || numero > kMaxImmagini || lunghezza < 1 || lunghezza > kLunghezzaMassimaImmagine)
        return rifiuta(kFileSchemaCorrente, {kNonValido});
    std::int64_t inizio = 0;
    if (const auto esito = Inizio(Percorso(c, kFileCatalogo), numero, inizio); !esito)
        return rifiuta(kFileCatalogo, esito);
    std::string byte;
    if (const auto esito = Ritaglia(Percorso(c, kFileImmagini), inizio, lunghezza, byte); !esito)
        return rifiuta(kFileImmagini, esito);
    // A picture whose header promises seconds of decoding is refused before any: the window would
    // freeze at every load of its puzzle.
    if (const auto esito = ControllaImmagine(byte); !esito) return rifiuta(kFileImmagini, esito);

    // The picture is decoded from the bytes themselves; FileTemp.jpg then gets a copy, replaced whole
    // (never half-written). A folder the player cannot write costs only that copy, said once per run.
    const auto temp = Percorso(c, kFileTemp);
    const auto pixel = c.piattaforma.CaricaImmagine(temp.string(), byte);
    if (!pixel) return rifiuta(kFileImmagini, {kNonValido});
    c.avvisoImmagine.clear();
    // A file that already holds the picture is left alone: a new puzzle is loaded twice on its
    // commit, and each replace of the file costs a wait on the disk.
    std::string vecchio;
    const bool giaScritto = LeggiFile(temp, vecchio, kLunghezzaMassimaImmagine) && vecchio == byte;
    if (!giaScritto && !c.fileTempSospeso) {
        if (const auto esito = ScriviAtomico(temp, byte); !esito) {
            c.fileTempSospeso = true;
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
