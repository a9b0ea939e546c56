// Reading and writing the puzzle file.
#include "files/FileSchema.h"

#include <sstream>

#include "files/Percorsi.h"
#include "files/Testo.h"

namespace tramelo {

LetturaSchema LeggiSchemaDaTesto(const std::string& testo) {
    LetturaSchema l;
    l.aperto = true;
    std::istringstream in(testo);
    std::string riga;
    // A file that ends early leaves the rest empty: missing cells are hidden, missing words absent.
    for (int r = 0; r < kRighe; ++r) {
        if (!LeggiRiga(in, riga)) riga.clear();
        for (int c = 0; c < kColonne; ++c) {
            const auto i = static_cast<std::size_t>(c);
            l.celle[static_cast<std::size_t>(r * kColonne + c)] =
                i < riga.size() ? CodiceLettera(riga[i]) : 0;
        }
    }
    if (LeggiRiga(in, riga)) l.soluzione = UCase(Trim(riga));
    if (LeggiRiga(in, riga)) l.rigaImmagine = riga;
    // Fewer than 40 words and no terminator: the file was cut short somewhere.
    l.completo = true;
    while (static_cast<int>(l.parole.size()) < kMaxParole) {
        if (!LeggiRiga(in, riga)) {
            l.completo = false;
            break;
        }
        auto parola = Trim(riga);
        if (parola.starts_with("/*")) break;
        l.parole.push_back(std::move(parola));
    }
    return l;
}

LetturaSchema LeggiSchema(const std::filesystem::path& file) {
    std::string testo;
    if (const auto esito = LeggiFile(file, testo, kLimiteSchema); !esito) {
        LetturaSchema l;
        l.esito = esito;
        return l;
    }
    return LeggiSchemaDaTesto(testo);
}

std::string TestoSchema(const SchemaDaScrivere& s) {
    std::string t;
    for (int r = 0; r < kRighe; ++r) {
        t.append(s.celle.data() + r * kColonne, kColonne);
        t += "\r\n";
    }
    t += s.soluzione + "\r\n";
    t += Formato000(s.numImmagine) + " " + s.lunghezzaImmagine + "\r\n";
    for (const auto& p : s.parole) t += p + "\r\n";
    t += kFineSchema;
    t += "\r\n";
    return t;
}

}  // namespace tramelo
