// Fuzz target: the library of saved puzzles. The input packs a saved puzzle's name (its first three
// characters make schema_n_???.txt) and bytes; the current puzzle is saved, that one loaded and deleted
// (unless its name holds a control character, which no list shows).
#include "Banco.h"
#include "app/Messaggi.h"
#include "files/FileSchema.h"
#include "files/Percorsi.h"

using namespace tramelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    fuzz::Banco b(dati, dimensione, 2);
    // Three characters of the name; the two a file name cannot hold become '_'.
    std::string nome = "schema_n_" + (b.parti[0] + "000").substr(0, 3) + ".txt";
    for (char& ch : nome) ch = ch == '/' || ch == '\0' ? '_' : ch;
    const auto corrente = test::TestoSchema(test::kTavolaCasa, "", "001 00010", {"CASA"});
    const std::string &salvato = b.parti.back(), percorso = "schemi/" + nome;
    // A name holding a control character is never listed, so never loaded nor deleted.
    const bool elencato = !HaControlli(nome);
    std::filesystem::remove_all(b.cartella.percorso() / "schemi");
    b.cartella.Scrivi("schemi/schema.txt", corrente);
    b.cartella.Scrivi(percorso, salvato);
    PreparaSchema(b.c);
    // A menu entry that opens the list, then a click on the fuzzed name.
    auto scegli = [&](auto evento) { evento(b.c), b.c.f.File1.FileName = nome, File1_Click(b.c); };

    // Saving the current puzzle never writes over a saved one.
    mnuSalvaSchema_Click(b.c);
    fuzz::Verifica(b.cartella.Leggi(percorso) == salvato, "schema salvato sovrascritto");

    // Loading: the current puzzle becomes the fuzzed one only when that one is complete.
    scegli(mnuCaricaSchema_Click);
    fuzz::VerificaTavola(b.c);
    const bool completo =
        elencato && LeggiSchemaDaTesto(salvato).completo && std::ssize(salvato) <= kLimiteSchema;
    fuzz::Verifica(b.cartella.Leggi("schemi/schema.txt") == (completo ? salvato : corrente),
                   "schema corrente");

    // Deleting it: gone, whatever it held, when the list shows it.
    if (b.c.f.File1.Visible) mnuCaricaSchema_Click(b.c);
    scegli(mnuCancellaSchema_Click);
    fuzz::Verifica(std::filesystem::exists(b.cartella.percorso() / percorso) == !elencato,
                   "schema cancellato");
    fuzz::VerificaTavola(b.c);
    return 0;
}
