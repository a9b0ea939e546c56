// Where the game reads its data and where it keeps the player's files.
// A copy run from a folder that holds its data (build/Tramelo/, any copy the player owns) reads and writes
// that one folder. An installed copy (<prefix>/games/tramelo or <prefix>/bin/tramelo, with
// <prefix>/share/tramelo) reads the data there and keeps the player's files (schemi/, FileTemp.jpg) in
// $XDG_DATA_HOME/tramelo, by default ~/.local/share/tramelo, so it never writes under its prefix and
// every user has a library of their own.
#pragma once

#include <filesystem>
#include <string>

namespace tramelo {

struct Contesto;

// What the start-up knows of the user's environment, handed in so the choice is testable.
struct Ambiente {
    std::string xdgDataHome;  // $XDG_DATA_HOME; empty when unset
    std::string home;         // the user's home folder; empty when unknown
};

struct CartelleGioco {
    std::filesystem::path dati;       // word store, index, catalogue, pictures, the shipped puzzle
    std::filesystem::path giocatore;  // the current puzzle, the library and FileTemp.jpg
    bool installata = false;
};

// The folders of an executable that lies in `cartellaEseguibile`. An installed copy whose player folder
// cannot be named (no absolute $XDG_DATA_HOME nor home) gets an empty `giocatore`.
CartelleGioco ScegliCartelle(const std::filesystem::path& cartellaEseguibile, const Ambiente& ambiente);

// For an installed copy: creates the player's folder with its schemi/ and, when it has no current puzzle,
// copies the shipped one there. When that fails, or the folder is unnamed or lies under the prefix, the
// player is told, naming the folder, and the shipped puzzle is played read-only (Contesto::soloLettura):
// every write of the player's files goes to a folder that does not exist and fails with its own message.
// Does nothing unless Contesto::installata.
void PreparaCartellaGiocatore(Contesto& c);

}  // namespace tramelo
