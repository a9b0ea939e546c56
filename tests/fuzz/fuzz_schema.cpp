// Fuzz target: the current puzzle file, read and loaded onto the board, then played a little.
#include <memory>

#include "Banco.h"
#include "app/Eventi.h"
#include "board/Schema.h"

using namespace tramelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const auto& cartella = fuzz::CartellaProcesso();
    static const bool pronta = (fuzz::ScriviDatiValidi(cartella), true);
    (void)pronta;
    std::error_code ec;
    std::filesystem::remove(cartella / "FileTemp.jpg", ec);
    fuzz::Scrivi(cartella, "schemi/schema.txt",
                 std::string_view(reinterpret_cast<const char*>(dati), dimensione));

    fuzz::PiattaformaFuzz piattaforma;
    auto c = std::make_unique<Contesto>(piattaforma, cartella);
    c->m.DizionarioCaricato = 0;
    PreparaSchema(*c);
    fuzz::VerificaTavola(*c);

    // A few clicks on cells picked by the input's last bytes, Esc, the solution, more clicks.
    auto clic = [&](std::size_t da) {
        for (std::size_t i = da; i < da + 8 && i < dimensione; ++i)
            Image1_Click(*c, dati[dimensione - 1 - i] % 184);
        fuzz::VerificaTavola(*c);
    };
    clic(0);
    Form_KeyPress(*c, 27);
    clic(8);
    mnuSoluzione_Click(*c);
    fuzz::VerificaTavola(*c);
    clic(16);
    return 0;
}
