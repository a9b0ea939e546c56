// The reasons a file could not be read or written, as a player reads them.
#include "files/EsitoFile.h"

namespace tramelo {

std::string Motivo(EsitoFile esito) {
    switch (esito.errore) {
        case 0:
            return {};
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "disco pieno";
        case EACCES:
        case EPERM:
            return "permesso negato";
        case EROFS:
            return "disco di sola lettura";
        case EISDIR:
            return "è una cartella";
        case ENOENT:
            return "il file non esiste";
        case ENOTDIR:
            return "una cartella del percorso è un file";
        case EEXIST:
            return "esiste già un file con questo nome";
        case ELOOP:
            return "è un collegamento";
        case kNonFileNormale:
            return "non è un file normale";
        case kTroppoGrande:
            return "file troppo grande";
        case kNonValido:
            return "contenuto non valido";
        case kCambiato:
            return "il file è cambiato durante la lettura";
        case kTroppoCorto:
            return "il file è più corto del previsto";
        case kNonConcordaIndice:
            return "non corrisponde all'indice delle parole";
        case kImmagineTroppoGrande:
            return "immagine troppo grande";
        case kVuoto:
            return "il file è vuoto";
        default:
            return "errore " + std::to_string(esito.errore);
    }
}

}  // namespace tramelo
