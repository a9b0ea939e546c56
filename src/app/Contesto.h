// The context every procedure works on: the shared state, the window model, the platform, the dice.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "app/Casuale.h"
#include "app/Form1.h"
#include "app/Piattaforma.h"
#include "files/CartelleGioco.h"
#include "files/Percorsi.h"
#include "state/Module1.h"

namespace tramelo {

struct Contesto {
    // The game on the folders chosen once at start: the program folder Cartella is the data folder for
    // the whole run, whatever has been loaded.
    Contesto(Piattaforma& p, CartelleGioco c) : piattaforma(p), cartelle(std::move(c)) {
        m.Cartella = cartelle.dati.string();
    }

    Module1 m;
    Form1 f;
    Piattaforma& piattaforma;
    CartelleGioco cartelle;
    bool soloLettura = false;  // no player's folder: the shipped puzzle, nothing written
    // The files the library list showed when it was last read, by name: a click acts only on that file.
    std::map<std::string, IdentitaInode> elencati;
    Casuale rnd;
    // The last notices shown, not repeated while their text stays the same (every load of a generation
    // would repeat them): the unusable data files, why the picture could not be shown.
    std::string avvisoDati;
    std::string avvisoImmagine;
    // No more copies of the picture into FileTemp.jpg this run: one failed (and said so), or the game
    // is read-only.
    bool fileTempSospeso = false;

    int MsgBox(const std::string& testo, Pulsanti p = Pulsanti::Ok) { return piattaforma.MsgBox(testo, p); }
    // Shows `testo` unless it is empty or `ultimo` already holds it; `ultimo` then holds it.
    void AvvisaUnaVolta(std::string& ultimo, const std::string& testo) {
        if (!testo.empty() && testo != ultimo) MsgBox(testo);
        ultimo = testo;
    }
};

}  // namespace tramelo
