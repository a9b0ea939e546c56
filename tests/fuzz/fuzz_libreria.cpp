// Fuzz target: the library of saved puzzles. The input packs three characters that end up in a saved
// puzzle's name (schema_n_???.txt, so the numbering reads them) and that puzzle's bytes; the target
// saves the current puzzle, loads the fuzzed one and deletes it again.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Banco.h"
#include "app/Eventi.h"
#include "board/Schema.h"
#include "files/FileSchema.h"
#include "files/Libreria.h"
#include "files/Percorsi.h"
#include "files/Testo.h"

using namespace tramelo;
namespace fs = std::filesystem;

namespace {

constexpr const char* kCorrente =
    "CASAXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\n"
    "XXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\n"
    "XXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nX\r\n001 00010\r\nCASA\r\n/* fine schema n.001\r\n";

void Verifica(bool condizione, const char* cosa) {
    if (condizione) return;
    std::fprintf(stderr, "libreria incoerente: %s\n", cosa);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const auto& cartella = fuzz::CartellaProcesso();
    static const bool pronta = (fuzz::ScriviDatiValidi(cartella), true);
    (void)pronta;
    const auto parti = fuzz::Parti(dati, dimensione, 2);
    if (parti.size() < 2) return 0;
    // Three characters of the name; the two a file name cannot hold become '_'.
    std::string numero(parti[0].substr(0, 3));
    numero.resize(3, '0');
    std::replace(numero.begin(), numero.end(), '/', '_');
    std::replace(numero.begin(), numero.end(), '\0', '_');
    const std::string nome = "schema_n_" + numero + ".txt";
    const std::string salvato(parti[1]);

    std::error_code ec;
    fs::remove_all(cartella / "schemi", ec);
    fuzz::Scrivi(cartella, "schemi/schema.txt", kCorrente);
    fuzz::Scrivi(cartella, "schemi/" + nome, salvato);

    fuzz::PiattaformaFuzz piattaforma;
    auto c = std::make_unique<Contesto>(piattaforma, cartella);
    c->m.DizionarioCaricato = 0;
    PreparaSchema(*c);

    // Saving: one more than the fuzzed number (when it reads as one), never over an existing name.
    mnuSalvaSchema_Click(*c);
    const int letto = ValIntero(Mid(nome, 10, 3));
    const int atteso = letto >= kNumeroMassimoSchema ? 0 : std::max(letto, 0) + 1;
    if (atteso != 0 && NomeSchemaSalvato(atteso) != nome)
        Verifica(fuzz::Leggi(cartella / "schemi" / NomeSchemaSalvato(atteso)) == kCorrente, "copia salvata");
    Verifica(fuzz::Leggi(cartella / "schemi" / nome) == salvato, "schema salvato toccato");

    // Loading: the current puzzle becomes the fuzzed one only when that one is complete.
    mnuCaricaSchema_Click(*c);
    c->f.File1.FileName = nome;
    File1_Click(*c);
    fuzz::VerificaTavola(*c);
    const bool completo = LeggiSchemaDaTesto(salvato).completo && std::ssize(salvato) <= kLimiteSchema;
    Verifica(fuzz::Leggi(cartella / "schemi/schema.txt") == (completo ? salvato : std::string(kCorrente)),
             "schema corrente");

    // Deleting it: gone, whatever it held.
    if (c->f.File1.Visible) mnuCaricaSchema_Click(*c);
    mnuCancellaSchema_Click(*c);
    c->f.File1.FileName = nome;
    File1_Click(*c);
    Verifica(!fs::exists(cartella / "schemi" / nome), "schema cancellato");
    fuzz::VerificaTavola(*c);
    return 0;
}
