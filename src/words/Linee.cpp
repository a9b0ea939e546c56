// The board's lines in scan order and the search of a word along them.
#include "words/Linee.h"

#include <algorithm>
#include <string>

#include "files/Testo.h"

namespace tramelo {

namespace {

LineaGriglia Traccia(int riga, int colonna, int passoRiga, int passoColonna, int avanti, int indietro) {
    LineaGriglia l;
    l.codiceAvanti = avanti;
    l.codiceIndietro = indietro;
    for (; riga >= 0 && riga < kRighe && colonna >= 0 && colonna < kColonne;
         riga += passoRiga, colonna += passoColonna)
        l.celle.push_back(riga * kColonne + colonna);
    return l;
}

std::vector<LineaGriglia> CostruisciLinee() {
    std::vector<LineaGriglia> linee;
    for (int r = 0; r < kRighe; ++r) linee.push_back(Traccia(r, 0, 0, +1, 1, 5));
    for (int c = 0; c < kColonne; ++c) linee.push_back(Traccia(0, c, +1, 0, 3, 7));
    for (int s = 0; s <= kRighe - 1 + kColonne - 1; ++s) {
        const int r0 = std::min(s, kRighe - 1);
        linee.push_back(Traccia(r0, s - r0, -1, +1, 0, 4));
    }
    for (int c = 0; c < kColonne; ++c) linee.push_back(Traccia(0, c, +1, +1, 2, 6));
    for (int r = 0; r < kRighe; ++r) linee.push_back(Traccia(r, 0, +1, +1, 2, 6));
    return linee;
}

// Position of the first occurrence of `parola` (already in upper case) along the line, if any.
std::optional<std::size_t> Cerca(const Module1& m, const LineaGriglia& l, std::string_view parola) {
    const std::size_t n = l.celle.size(), lunghezza = parola.size();
    if (lunghezza > n) return std::nullopt;
    for (std::size_t p = 0; p + lunghezza <= n; ++p) {
        bool uguale = true;
        for (std::size_t j = 0; j < lunghezza && uguale; ++j) {
            const int codice = m.Griglia[static_cast<std::size_t>(l.celle[p + j])];
            uguale = codice >= 1 && codice <= 26 && static_cast<unsigned char>(parola[j]) == 64 + codice;
        }
        if (uguale) return p;
    }
    return std::nullopt;
}

}  // namespace

const std::vector<LineaGriglia>& LineeGriglia() {
    static const std::vector<LineaGriglia> linee = CostruisciLinee();
    return linee;
}

std::optional<Occorrenza> TrovaOccorrenza(const Module1& m, std::string_view parola,
                                          std::string_view rovesciata) {
    const std::string avanti = UCase(parola), indietro = UCase(rovesciata);
    for (const auto& l : LineeGriglia()) {
        if (auto p = Cerca(m, l, avanti)) return Occorrenza{&l, *p, false};
        if (auto p = Cerca(m, l, indietro)) return Occorrenza{&l, *p, true};
    }
    return std::nullopt;
}

}  // namespace tramelo
