// Every text the game shows. Captions are ISO 8859-1 like the puzzle files whose words they show (these
// ones are plain ASCII); messages are UTF-8, and those that name a file are completed by ConFile
// (app/Messaggi.h): "testo (motivo):" and the path on the next line.
#pragma once

namespace tramelo::testi {

// Window and menu captions.
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
inline constexpr const char* kSchemaMancante = "Impossibile leggere lo schema";
inline constexpr const char* kSchemaIncompleto =
    "Lo schema è incompleto e ne viene mostrata solo la parte leggibile";
inline constexpr const char* kNessunaStampante =
    "Nessuna stampante disponibile: installane una per stampare lo schema.";
inline constexpr const char* kStampaFallita = "La stampa dello schema non è riuscita.";

// The library of saved puzzles.
inline constexpr const char* kSchemaSalvato = "Schema salvato come:\r";
inline constexpr const char* kNessunoDaCaricare = "non vi sono schemi da caricare...";
inline constexpr const char* kNessunoDaCancellare = "non vi sono schemi da cancellare...";
inline constexpr const char* kNessunAltroDaCancellare = "non vi sono più schemi da cancellare...";
// Around the name of the last number (TestoLibreriaPiena).
inline constexpr const char* kLibreriaPiena = "La libreria è piena: ";
inline constexpr const char* kLibreriaPienaDopo =
    " è l'ultimo numero disponibile.\r"
    "Per fare posto, cancella con Cancella schema gli schemi dai numeri più alti: "
    "il nuovo schema prenderà il numero che segue il più alto rimasto.";
inline constexpr const char* kSalvataggioFallito = "Impossibile salvare lo schema";
inline constexpr const char* kSchemaScomparso = "Impossibile leggere lo schema scelto";
inline constexpr const char* kSostituzioneFallita =
    "Impossibile sostituire lo schema corrente, che resta com'era";
inline constexpr const char* kCancellazioneFallita = "Impossibile cancellare lo schema";
inline constexpr const char* kCartellaGiocatoreMancante =
    "Si gioca lo schema fornito con il gioco, senza poter salvare nulla, "
    "perché non si può creare la cartella dei tuoi schemi";
inline constexpr const char* kElencoCambiato =
    "L'elenco degli schemi viene aggiornato perché lo schema scelto non è più quello elencato";

// A game that could not make the player's folder writes nothing for the whole run.
inline constexpr const char* kSolaLetturaSalva =
    "Il gioco è in sola lettura: lo schema non può essere salvato.";
inline constexpr const char* kSolaLetturaNuovo =
    "Il gioco è in sola lettura: non si possono creare nuovi schemi.";
inline constexpr const char* kSolaLetturaCarica =
    "Il gioco è in sola lettura: non si possono caricare gli schemi salvati.";
inline constexpr const char* kSolaLetturaCancella =
    "Il gioco è in sola lettura: non si possono cancellare gli schemi salvati.";

// One game per player's folder.
inline constexpr const char* kGiocoGiaAperto =
    "Il gioco è già aperto in un'altra finestra su questa cartella";

// Data files that cannot be used; each message is followed by the files, one a line ("motivo: file").
inline constexpr const char* kDatiNuoviSchemi =
    "Non si potranno creare nuovi schemi perché questi file mancano o non sono validi:";
inline constexpr const char* kDidascalieScartate =
    "Le immagini del catalogo la cui didascalia non è di sole lettere maiuscole non saranno usate";
inline constexpr const char* kImmagineNonMostrata = "Impossibile mostrare l'immagine dello schema";
inline constexpr const char* kFileTempNonScritto =
    "L'immagine dello schema viene mostrata, ma non se ne può scrivere la copia";

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
    "Impossibile creare un nuovo schema: resta lo schema corrente.\r"
    "Questi file mancano o non sono validi:";
inline constexpr const char* kTroppiRifiuti =
    "Nessuno schema valido dopo 50 tentativi: con questi dati non se ne possono creare.\r"
    "Resta l'ultimo schema creato.";
inline constexpr const char* kSchemaNonScritto =
    "Resta lo schema corrente: impossibile scrivere quello nuovo";

}  // namespace tramelo::testi
