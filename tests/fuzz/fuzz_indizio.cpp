// Fuzz target: cutting the puzzle's picture out of the picture store. The input packs the catalogue,
// the store and the puzzle's picture line.
#include "Banco.h"
#include "board/Indizio.h"

using namespace tramelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    fuzz::Banco b(dati, dimensione, 3);
    b.File(0, "Immagini.txt");
    b.File(1, "Immagini.jpg");
    b.cartella.Scrivi("FileTemp.jpg", "vecchio");
    // The picture line as the puzzle reader hands it over: one line, without its end.
    if (b.parti.size() > 2) b.c.m.RigaImmagine = b.parti[2].substr(0, b.parti[2].find_first_of("\r\n"));
    MostraIndizio(b.c);

    // Either the picture is shown, silently, from bytes of the store, or FileTemp.jpg kept its old bytes.
    const auto temp = b.cartella.Leggi("FileTemp.jpg");
    const bool mostrata = b.c.f.Image1[kImmagineIndizio].Picture.tipo == TipoFigura::File;
    fuzz::Verifica(mostrata ? temp.starts_with("\xFF\xD8") && b.parti[1].find(temp) != std::string::npos &&
                                  b.piattaforma.messaggi.empty()
                            : temp == "vecchio",
                   "FileTemp.jpg incoerente con la figura mostrata");
    return 0;
}
