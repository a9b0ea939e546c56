// The eight directions of the board and their two numberings. Play codes (the word search, the
// selection, DirezioneParola) run clockwise from up-right; the generator's codes clockwise from east.
// A direction's play code is its generator code plus 1, modulo 8.
#pragma once

#include <array>

namespace tramelo {

struct Passo {
    int riga = 0, colonna = 0;  // rows down and columns right per letter
};

// Steps by generator code: east, south-east, south, south-west, west, north-west, north, north-east.
inline constexpr std::array<Passo, 8> kPassiGeneratore{
    {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}}};

constexpr bool DirezioneValida(int codice) {
    return codice >= 0 && codice < 8;
}
constexpr int CodiceDelGeneratore(int codiceDiGioco) {
    return (codiceDiGioco + 7) % 8;
}
// The step of a play code (0..7).
constexpr Passo PassoDiGioco(int codice) {
    return kPassiGeneratore[static_cast<std::size_t>(CodiceDelGeneratore(codice))];
}
// The reverse direction, in either numbering.
constexpr int Opposta(int codice) {
    return (codice + 4) % 8;
}
// The axis of a direction (0..7): the direction or its reverse, whichever is numbered 0..3.
constexpr int Asse(int codice) {
    return codice < 4 ? codice : Opposta(codice);
}
// True when a play code moves on in board order (right, or down a row): a word along it reads in the
// order its cells are numbered.
constexpr bool InAvanti(int codice) {
    if (!DirezioneValida(codice)) return false;
    const Passo p = PassoDiGioco(codice);
    return p.riga > 0 || (p.riga == 0 && p.colonna > 0);
}

static_assert(PassoDiGioco(0).riga == -1 && PassoDiGioco(0).colonna == 1, "play code 0 is up-right");
static_assert(InAvanti(1) && InAvanti(2) && InAvanti(3) && InAvanti(4) && !InAvanti(0) && !InAvanti(5));

}  // namespace tramelo
