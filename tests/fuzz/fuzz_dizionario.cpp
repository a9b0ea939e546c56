// Fuzz target: the length index, the picture catalogue and the word store, loaded and then used to
// generate a puzzle. The input packs the three files, cut by the separator; a missing part is a
// missing file.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Banco.h"
#include "app/Eventi.h"
#include "board/Schema.h"

using namespace tramelo;

namespace {

constexpr const char* kSchema =
    "CASAXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\n"
    "XXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\n"
    "XXXXXXXXXXXXXXXXXX\r\nXXXXXXXXXXXXXXXXXX\r\nX\r\n000 00000\r\nCASA\r\n/* fine schema n.001\r\n";

template <typename Tabella>
bool Permutazione(const Tabella& t, int n) {
    std::vector<int> visti(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i) {
        const int v = t[static_cast<std::size_t>(i)];
        if (v < 1 || v > n || visti[static_cast<std::size_t>(v)]++) return false;
    }
    return true;
}

void Verifica(bool condizione, const char* cosa) {
    if (condizione) return;
    std::fprintf(stderr, "tabelle incoerenti: %s\n", cosa);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const auto& cartella = fuzz::CartellaProcesso();
    const auto parti = fuzz::Parti(dati, dimensione, 3);
    fuzz::ScriviOTogli(cartella, "dizionari/indir_bbb.txt", parti, 0);
    fuzz::ScriviOTogli(cartella, "Immagini.txt", parti, 1);
    fuzz::ScriviOTogli(cartella, "dizionari/dizionario.bbb", parti, 2);
    fuzz::Scrivi(cartella, "schemi/schema.txt", kSchema);

    // OK to the first few retry questions (how many, the input's size decides), then Cancel. A generator
    // that keeps rejecting its own puzzles, or asks without end, is a finding.
    fuzz::PiattaformaFuzz piattaforma(static_cast<int>(dimensione % 4), 80);
    auto c = std::make_unique<Contesto>(piattaforma, cartella);
    c->m.DizionarioCaricato = 0;
    PreparaSchema(*c);
    fuzz::VerificaTavola(*c);
    const auto& m = c->m;
    Verifica(m.NumImmagini >= 0 && m.NumImmagini <= kMaxImmagini, "NumImmagini");
    Verifica(Permutazione(m.OrdineImmagini, m.NumImmagini), "OrdineImmagini");
    const int corte = m.IndiceLunghezze[6][1];
    Verifica(corte >= 0 && corte <= kMaxParoleCorte, "IndiceLunghezze(6,1)");
    Verifica(Permutazione(m.OrdineParoleCorte, corte), "OrdineParoleCorte");
    for (int p = corte + 1; p <= kMaxParoleCorte; ++p)
        Verifica(m.OrdineParoleCorte[static_cast<std::size_t>(p)] == p, "OrdineParoleCorte oltre n");

    mnuNS_Click(*c);
    fuzz::VerificaTavola(*c);
    return 0;
}
