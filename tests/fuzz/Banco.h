// What the fuzz targets share: each input cut into files of one folder per process, a fresh game, checks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "board/Schema.h"

namespace tramelo::fuzz {

inline void Verifica(bool condizione, const char* cosa) {
    if (!condizione) std::fprintf(stderr, "guasto: %s\n", cosa), std::abort();
}

// Answers OK to the first `ok` OK/Cancel questions and Cancel to the later ones. Twenty questions in one
// run mean the game asks the same thing forever.
struct PiattaformaFuzz : test::FalsaPiattaforma {
    int ok = 1 << 30, domande = 0;
    int MsgBox(const std::string& testo, Pulsanti pulsanti) override {
        FalsaPiattaforma::MsgBox(testo, pulsanti);
        Verifica(pulsanti == Pulsanti::Ok || ++domande < 20, "il gioco chiede la stessa cosa senza fine");
        return pulsanti == Pulsanti::Ok || ok-- > 0 ? kRispostaOk : kRispostaAnnulla;
    }
};

// One input cut at "\n%%%%\n" into at most `n` parts, the last taking the rest, and a fresh game.
struct Banco {
    Banco(const std::uint8_t* dati, std::size_t dimensione, std::size_t n) {
        std::string resto(reinterpret_cast<const char*>(dati), dimensione);
        for (std::size_t fine; parti.size() + 1 < n && (fine = resto.find("\n%%%%\n")) != std::string::npos;)
            parti.push_back(resto.substr(0, fine)), resto.erase(0, fine + 6);
        parti.push_back(resto);
    }
    // Writes part i as a file of the program folder; fewer parts stand for missing files.
    void File(std::size_t i, const std::string& relativo) const {
        std::filesystem::remove(cartella.percorso() / relativo);
        if (i < parti.size()) cartella.Scrivi(relativo, parti[i]);
    }

    static inline const test::CartellaProva cartella;
    // One picture, so that a puzzle's picture line can reach the store.
    static inline const bool immagine = (cartella.Scrivi("Immagini.txt", "000100010 ORO jpg\r\n"),
                                         cartella.Scrivi("Immagini.jpg", "\xFF\xD8xxxxxxxx"), true);
    std::vector<std::string> parti;
    PiattaformaFuzz piattaforma;
    Contesto c{piattaforma, {cartella.percorso(), cartella.percorso()}};
};

// Every visible cell holds a letter, tile looks are known ones, the labels show the words, nobody is busy.
inline void VerificaTavola(const Contesto& c) {
    const auto guasto = test::GuastoTavola(c);
    Verifica(guasto.empty(), guasto.c_str());
}

}  // namespace tramelo::fuzz
