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
// player is told, naming the folder, and the shipped puzzle is played read-only (Contesto::soloLettura)
// for the whole run: the player's files are looked for in the data folder, the commands that would write
// refuse (SolaLettura) and FileTemp.jpg is not copied.
// Does nothing unless Contesto::installata.
void PreparaCartellaGiocatore(Contesto& c);

// For a command that would write: true, after showing `testo`, when the game is read-only.
bool SolaLettura(Contesto& c, const char* testo);

// The lock that keeps a second game off a player's folder: an advisory flock on the lock file
// kFileBlocco in that folder, held while this object lives. The kernel frees it when the process ends,
// however it ends, so a crash never leaves a folder locked.
class BloccoCartella {
  public:
    BloccoCartella() = default;
    ~BloccoCartella();
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;

    enum class Esito {
        Preso,          // this game holds the folder
        InUso,          // another game holds it
        NonDisponibile  // no lock file can be made or locked there (a folder the player cannot write)
    };
    Esito Prendi(const std::filesystem::path& cartella);
    bool Preso() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};
inline constexpr const char* kFileBlocco = ".tramelo.lock";

// The start of a game that writes its player's folder (not read-only): takes the folder's lock and then
// removes the temporary files that interrupted writes left in the folders the game writes (the player's
// folder, where FileTemp.jpg lies, and its schemi/). When another game holds the folder the player is
// told, naming it, and false is returned: this game must not start. A folder that cannot be locked is
// played unlocked and keeps its temporary files, which a game running there may still be writing.
bool OccupaCartellaGiocatore(Contesto& c, BloccoCartella& blocco);

}  // namespace tramelo
