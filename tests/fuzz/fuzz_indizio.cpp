// Fuzz target: cutting the puzzle's picture out of the picture store. The input packs the catalogue,
// the store and the puzzle's picture line, cut by the separator; a missing part is a missing file.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Banco.h"
#include "board/Indizio.h"

using namespace tramelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const auto& cartella = fuzz::CartellaProcesso();
    const auto parti = fuzz::Parti(dati, dimensione, 3);
    fuzz::ScriviOTogli(cartella, "Immagini.txt", parti, 0);
    fuzz::ScriviOTogli(cartella, "Immagini.jpg", parti, 1);
    const std::string archivio(parti.size() > 1 ? parti[1] : std::string_view());
    fuzz::Scrivi(cartella, "FileTemp.jpg", "vecchio");

    fuzz::PiattaformaFuzz piattaforma;
    auto c = std::make_unique<Contesto>(piattaforma, cartella);
    c->m.Cartella = cartella.string();
    if (parti.size() > 2) {
        // The picture line as the puzzle reader hands it over: one line, without its end.
        const auto riga = parti[2].substr(0, parti[2].find_first_of("\r\n"));
        c->m.RigaImmagine = std::string(riga);
    }
    MostraIndizio(*c);

    // Either the picture is shown from bytes of the store, or FileTemp.jpg kept its old bytes.
    const auto temp = fuzz::Leggi(cartella / "FileTemp.jpg");
    const bool mostrata = c->f.Image1[kImmagineIndizio].Picture.tipo == TipoFigura::File;
    const bool coerente = mostrata ? temp.substr(0, 2) == "\xFF\xD8" && archivio.find(temp) != std::string::npos
                                   : temp == "vecchio";
    if (!coerente || (mostrata && !piattaforma.messaggi.empty())) {
        std::fprintf(stderr, "FileTemp.jpg incoerente con la figura mostrata\n");
        std::abort();
    }
    return 0;
}
