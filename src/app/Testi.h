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
inline constexpr const char* kSchemaIncompleto = "Lo schema \xE8 incompleto, si mostra la parte leggibile:\r";
inline constexpr const char* kNessunaStampante =
    "Nessuna stampante disponibile: installane una per stampare lo schema.";
inline constexpr const char* kStampaFallita = "La stampa dello schema non \xE8 riuscita.";

// The library of saved puzzles.
inline constexpr const char* kSchemaSalvato = "Schema salvato come:\r";
inline constexpr const char* kNessunoDaCaricare = "non vi sono schemi da caricare...";
inline constexpr const char* kNessunoDaCancellare = "non vi sono schemi da cancellare...";
inline constexpr const char* kNessunAltroDaCancellare = "non vi sono pi\xF9 schemi da cancellare...";
inline constexpr const char* kLibreriaPiena =
    "La libreria \xE8 piena: schema_n_999.txt \xE8 l'ultimo numero disponibile.\r"
    "Per fare posto cancella con Cancella schema gli schemi con i numeri pi\xF9 alti: "
    "il nuovo schema prende il numero che segue il pi\xF9 alto rimasto.";
inline constexpr const char* kSchemaGiaPresente =
    "Esiste gi\xE0 un file con questo nome, lo schema non \xE8 stato salvato:\r";
inline constexpr const char* kSalvataggioFallito = "Impossibile salvare lo schema:\r";
inline constexpr const char* kSchemaScomparso = "Lo schema scelto non si pu\xF2 leggere:\r";
inline constexpr const char* kSostituzioneFallita =
    "Impossibile sostituire lo schema corrente, che resta com'era:\r";
inline constexpr const char* kCancellazioneFallita = "Impossibile cancellare lo schema:\r";
inline constexpr const char* kCartellaGiocatoreMancante =
    "Impossibile creare la cartella dei tuoi schemi: si gioca lo schema fornito con il gioco, "
    "ma non si potr\xE0 salvare nulla.\r";

// Data files that cannot be used; each message is followed by the file names, one a line.
inline constexpr const char* kDatiNuoviSchemi =
    "File mancanti o non validi: il gioco continua, ma non si potranno creare nuovi schemi.";
inline constexpr const char* kDidascalieScartate =
    "Le immagini del catalogo la cui didascalia non \xE8 di sole lettere maiuscole non saranno usate:\r";
inline constexpr const char* kImmagineNonMostrata = "Impossibile mostrare l'immagine dello schema:\r";
inline constexpr const char* kFileTempNonScritto =
    "L'immagine dello schema \xE8 mostrata, ma non se ne pu\xF2 scrivere la copia:\r";

// The puzzle generator.
inline constexpr const char* kAttendi = "attendi...";
inline constexpr const char* kNonChiuso1 = "Schema non chiuso(1). Riprova .....";
inline constexpr const char* kNonChiuso2 = "Schema non chiuso(2). Riprova .....";
inline constexpr const char* kNonChiuso3 = "Schema non chiuso(3). Riprova .....";
inline constexpr const char* kNonChiuso4 = "Schema non chiuso(4). Riprova .....";
inline constexpr const char* kSchemaNonValido = "(5) Schema non valido.\rNe Devo creare uno nuovo...";
inline constexpr const char* kRigheLunghe =
    "Impossibile sistemare le parole lunghe: l'archivio delle parole non ne offre di adatte.\r"
    "Resta lo schema corrente.";
inline constexpr const char* kDatiGeneratore =
    "Impossibile creare un nuovo schema: questi file mancano o non sono validi.\r"
    "Resta lo schema corrente.\r";
inline constexpr const char* kTroppiRifiuti =
    "Nessuno schema valido dopo 50 tentativi: con questi dati non se ne possono creare.\r"
    "Resta l'ultimo schema creato.";
inline constexpr const char* kSchemaNonScritto =
    "Impossibile scrivere il nuovo schema, resta lo schema corrente:\r";

}  // namespace tramelo::testi
