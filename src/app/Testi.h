// Every text the game shows, in ISO 8859-1 (the source files are UTF-8, so accented letters are escaped).
#pragma once

namespace tramelo::testi {

// Window and menu captions.
inline constexpr const char* kTitolo = "Tramelo";
inline constexpr const char* kParole = "PAROLE";
inline constexpr const char* kRicomincia = "Ricomincia";
inline constexpr const char* kSoluzione = "Soluzione";
inline constexpr const char* kNuovoSchema = "Nuovo schema";
inline constexpr const char* kIstruzioni = "Istruzioni";
inline constexpr const char* kEsciIstruzioni = "Esci da Istruzioni";
inline constexpr const char* kStampaSchema = "Stampa schema";
inline constexpr const char* kSalvaSchema = "Salva schema";
inline constexpr const char* kCaricaSchema = "Carica schema";
inline constexpr const char* kEsciCaricaSchema = "Esci da Carica schema";
inline constexpr const char* kCancellaSchema = "Cancella schema";
inline constexpr const char* kEsciCancellaSchema = "Esci da Cancella schema";

// Messages. A carriage return ("\r") is a line break in a message box.
inline constexpr const char* kNonTrovata = " Non trovata ";
inline constexpr const char* kSchemaMancante = "Impossibile leggere lo schema:\r";
inline constexpr const char* kNessunaStampante =
    "Nessuna stampante disponibile: installane una per stampare lo schema.";
inline constexpr const char* kStampaFallita = "La stampa dello schema non \xE8 riuscita.";

}  // namespace tramelo::testi
