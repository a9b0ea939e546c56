// The board's lines in scan order and the search of a word along them.
#include "words/Linee.h"

#include <algorithm>
#include <string>

#include "files/Testo.h"
#include "words/Direzione.h"

namespace tramelo {

namespace {

// The line from a cell to the edge along a play direction; a word read backwards along it gets the
// opposite code.
LineaGriglia Traccia(int riga, int colonna, int codice) {
    LineaGriglia l;
    l.codiceAvanti = codice;
    l.codiceIndietro = Opposta(codice);
    const Passo passo = PassoDiGioco(codice);
    for (; riga >= 0 && riga < kRighe && colonna >= 0 && colonna < kColonne;
         riga += passo.riga, colonna += passo.colonna)
        l.celle.push_back(riga * kColonne + colonna);
    return l;
}

std::vector<LineaGriglia> CostruisciLinee() {
    constexpr int kSuADestra = 0, kADestra = 1, kGiuADestra = 2, kGiu = 3;
    std::vector<LineaGriglia> linee;
    for (int r = 0; r < kRighe; ++r) linee.push_back(Traccia(r, 0, kADestra));
    for (int c = 0; c < kColonne; ++c) linee.push_back(Traccia(0, c, kGiu));
    for (int s = 0; s <= kRighe - 1 + kColonne - 1; ++s) {
        const int r0 = std::min(s, kRighe - 1);
        linee.push_back(Traccia(r0, s - r0, kSuADestra));
    }
    for (int c = 0; c < kColonne; ++c) linee.push_back(Traccia(0, c, kGiuADestra));
    for (int r = 0; r < kRighe; ++r) linee.push_back(Traccia(r, 0, kGiuADestra));
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
            uguale = EUnaLettera(codice) && CodiceLettera(parola[j]) == codice;
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
