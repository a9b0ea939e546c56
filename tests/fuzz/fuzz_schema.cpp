// Fuzz target: the current puzzle file, read and loaded onto the board, then played a little.
#include "Banco.h"

using namespace tramelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    fuzz::Banco b(dati, dimensione, 1);
    b.File(0, "schemi/schema.txt");
    PreparaSchema(b.c);
    fuzz::VerificaTavola(b.c);

    // A few clicks on cells picked by the input's last bytes, Esc, the solution, more clicks.
    for (std::size_t i = 0; i < 24; ++i) {
        if (i == 8) Form_KeyPress(b.c, 27);
        if (i == 16) mnuSoluzione_Click(b.c);
        if (i < dimensione) Image1_Click(b.c, dati[dimensione - 1 - i] % 184);
        fuzz::VerificaTavola(b.c);
    }
    return 0;
}
