// Fuzz target: the length index, the picture catalogue and the word store, loaded and then used to
// generate a puzzle. The input packs the three files.
#include "Banco.h"
#include "files/Dizionario.h"

using namespace tramelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    fuzz::Banco b(dati, dimensione, 3);
    b.File(0, "dizionari/indir_bbb.txt");
    b.File(1, "Immagini.txt");
    b.File(2, "dizionari/dizionario.bbb");
    // A picture store as long as any catalogue's lengths can add up to (600 pictures of 99999 bytes), without
    // writing its bytes: a shorter one would stop every generation before it starts.
    b.cartella.Scrivi("Immagini.jpg", "\xFF\xD8");
    std::filesystem::resize_file(b.cartella.percorso() / "Immagini.jpg", 600 * 99999);
    b.cartella.Scrivi("schemi/schema.txt", test::TestoSchema(test::kTavolaCasa, "", "000 00000", {"CASA"}));
    // OK to the first few retry questions (the input's size decides how many), then Cancel.
    b.piattaforma.ok = static_cast<int>(dimensione % 4);
    PreparaSchema(b.c);
    fuzz::VerificaTavola(b.c);
    fuzz::Verifica(test::Permutazione(b.c.m.OrdineImmagini, b.c.m.NumImmagini), "OrdineImmagini");
    fuzz::Verifica(test::Permutazione(b.c.m.OrdineParoleCorte, b.c.m.IndiceLunghezze[6][1]),
                   "OrdineParoleCorte");

    mnuNS_Click(b.c);
    fuzz::VerificaTavola(b.c);
    return 0;
}
