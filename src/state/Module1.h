// The game state shared by every procedure: board, word list, flags, dictionary tables, generator values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tramelo {

inline constexpr int kRighe = 10;
inline constexpr int kColonne = 18;
inline constexpr int kCelle = kRighe * kColonne;  // 180 cells, index = row * 18 + column
inline constexpr int kMaxParole = 40;
inline constexpr int kMaxImmagini = 600;
inline constexpr int kMaxParoleCorte = 15000;

// Letter codes: a character's code minus 64, so 1..26 for A..Z; any other code is not a letter.
constexpr int CodiceLettera(char carattere) {
    return static_cast<unsigned char>(carattere) - 64;
}
constexpr char CarattereDelCodice(int codice) {
    return static_cast<char>(codice + 64);
}
constexpr bool EUnaLettera(int codice) {
    return codice >= 1 && codice <= 26;
}

// Letter code of a free cell while a puzzle is being generated: the code a blank gets.
inline constexpr int kCellaLibera = CodiceLettera(' ');

// Tile looks recorded in Aspetto.
inline constexpr int kAspettoNessuno = 0;
inline constexpr int kAspettoTrovata = 2;  // found look (ImageList1)
inline constexpr int kAspettoNormale = 3;  // plain look (ImageList3)

// Every text is a string of ISO 8859-1 bytes. Flags hold 0 or 1. At program start every number is 0,
// every text empty and every table entry empty; PreparaSchema resets almost everything on each load.
struct Module1 {
    // Board. During play Griglia holds letter codes (1..26 for A..Z, anything else is a hidden cell);
    // during a generation it holds character codes minus 64, kCellaLibera for a free cell.
    std::array<int, kCelle> Griglia{};
    std::array<int, kCelle> Aspetto{};  // 0 no tile, 2 found, 3 plain
    int NumRighe = 0;
    int NumColonne = 0;

    // Words of the current puzzle.
    std::array<std::string, kMaxParole> Parole{};
    int NumParole = 0;                              // 0..40
    std::array<int, kMaxParole> DirezioneParola{};  // 0..7, see the direction codes of play

    // Puzzle texts and the program folder (no trailing separator).
    std::string SoluzioneSchema;
    std::string RigaImmagine;
    std::string Cartella;

    // Flags that steer the window.
    std::int16_t Occupato = 0;            // busy: a generation is running
    int ModoSoluzione = 0;                // CercaParole marks every word it finds
    int ParolaRiconosciuta = 0;           // outcome of the last alignment check
    std::int16_t DizionarioCaricato = 0;  // reload flag: 0 asks PreparaSchema to reload the tables
    std::int16_t FinestraAdattata = 0;    // the layout has been scaled to the screen (once per run)

    // Dictionary index and picture catalogue. Tables keep the 1-based indices of their definition;
    // element 0 of the 1-based tables is unused.
    std::array<std::array<std::int32_t, 2>, 17> IndiceLunghezze{};  // (L,0) first and (L,1) last record
    std::array<std::int16_t, kMaxParoleCorte + 1> OrdineParoleCorte{};
    std::array<std::array<std::string, 4>, kMaxImmagini + 1> TabellaImmagini{};  // (k,1..3)
    std::array<std::int16_t, kMaxImmagini + 1> OrdineImmagini{};
    int NumImmagini = 0;

    // Generator working values.
    // The current word, seen where it lies: in the open word store during a generation.
    std::string_view ParolaCorrente;
    int LunghezzaCorrente = 0;
    int NumRecord = 0;
    int Riga = 0;       // generator: start row 1..10; selection check: row 0..9
    int Colonna = 0;    // generator: start column 1..18; selection check: column 0..17
    int Direzione = 0;  // generator: direction 0..7; selection check: axis 0..3
    int Piazzata = 0;
    int UltimaParola = 0;             // -1..39 during a generation
    std::array<char, 17> Percorso{};  // the one-character contents of the cells under the word being placed
    int CelleLibere = 0;
    int NumImmagine = 0;
    std::string SoluzioneNuova;

    // Working values of the selection check and the word search.
    std::string Selezione;
    int LunghezzaParola = 0;
    std::string ParolaRovesciata;
};

}  // namespace tramelo
