// What a read or a write of a file met, and how a message says it to the player.
#pragma once

#include <cerrno>
#include <string>

namespace tramelo {

// Success, an errno value, or one of the game's own reasons below (negative, never an errno).
struct EsitoFile {
    int errore = 0;
    explicit operator bool() const { return errore == 0; }
    static EsitoFile DaErrno() { return {errno != 0 ? errno : EIO}; }
};

inline constexpr int kNonFileNormale = -1;        // a FIFO, a device, a socket, a link where a file belongs
inline constexpr int kTroppoGrande = -2;          // over the size limit of its kind of file
inline constexpr int kNonValido = -3;             // read whole, but what it holds cannot be used
inline constexpr int kCambiato = -4;              // changed while it was read
inline constexpr int kTroppoCorto = -5;           // shorter than the catalogue, the index or a puzzle says
inline constexpr int kNonConcordaIndice = -6;     // the word store does not hold what the index says
inline constexpr int kImmagineTroppoGrande = -7;  // a picture beyond the decoding budget
inline constexpr int kVuoto = -8;                 // a file with nothing in it

// The reason in plain Italian (UTF-8), such as "disco pieno"; empty for success.
std::string Motivo(EsitoFile esito);

}  // namespace tramelo
