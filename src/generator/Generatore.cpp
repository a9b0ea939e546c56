// The puzzle generator: five phases of word placement, the picture caption in the free cells, the
// checks, and the commit that writes, loads and solves the new puzzle before accepting it.
#include "generator/Generatore.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "app/Messaggi.h"
#include "app/Testi.h"
#include "board/Schema.h"
#include "files/CartelleGioco.h"
#include "files/Dizionario.h"
#include "files/FileSchema.h"
#include "files/Percorsi.h"
#include "words/Direzione.h"
#include "words/Parole.h"

namespace tramelo {

namespace {

constexpr int kTentativiMassimi = 10000;
constexpr int kLunghezzaPercorso = 17;

// The generator's direction codes (steps in kPassiGeneratore).
enum DirezioneGeneratore { kEst, kSudEst, kSud, kSudOvest, kOvest, kNordOvest, kNord, kNordEst };

struct Intervallo {
    int da, a;
};

// The tuning of the five phases: how the board is filled before the caption takes the cells left free.
constexpr struct {
    // Phase 1: rows from the top, each with a long word east or west that starts within a few columns
    // of its edge. The count is drawn from 0..10 and raised to 5, so 5 rows are the most likely.
    Intervallo righeLunghe{5, 10};
    Intervallo lunghezzaRighe{10, 15};
    int colonneDiPartenza = 4;
    // Phase 2: one vertical word per column, from the top row down or from the bottom row up.
    Intervallo lunghezzaColonne{7, 10};
    // Phases 3 and 4: diagonals from the top and bottom rows (start columns 1..13, and the same moved 5
    // to the right) and from the side columns (start rows 2..5), one length drawn for each start.
    Intervallo lunghezzaDiagonali{6, 9};
    int colonneDiagonali = 13;
    Intervallo righeDiagonali{2, 5};
    // Phase 5: short words until at most this many cells, drawn for each board, are free. A caption
    // has at most 18 letters, so a board with more free cells cannot be closed.
    Intervallo celleLibere{3, 18};
} kFasi;

enum class Esito { Fine, Riprova, Rifiutato };
// Puzzles rejected by the check in one command before the generator gives up: data on which no puzzle
// can pass (captions that spell listed words, say) would otherwise ask message (5) forever.
constexpr int kRifiutiMassimi = 50;

struct Prova {
    int direzione, riga, colonna;
};

int Indice(int riga, int colonna) {
    return (riga - 1) * kColonne + colonna - 1;
}

// The crossing rule: a cell can take a letter when it is free or already holds that letter.
bool CellaCompatibile(int cella, char lettera) {
    return cella == kCellaLibera || cella == CodiceLettera(lettera);
}

// The letters already on the path from one start cell in one direction, read once for many words.
// Ammette is InserisciParola's own test (room for the word, every cell free or holding the word's
// letter), so the phases call InserisciParola only for the words it will place: the others, nearly
// every word tried, it would reject, changing nothing. A sagoma holds while the board does not
// change, that is until a word is placed.
class Sagoma {
  public:
    Sagoma() = default;
    Sagoma(const Module1& m, int riga, int colonna, int direzione) {
        std::size_t n = 0;
        const Passo passo = kPassiGeneratore[static_cast<std::size_t>(direzione)];
        for (int r = riga, col = colonna; r >= 1 && r <= kRighe && col >= 1 && col <= kColonne;
             r += passo.riga, col += passo.colonna) {
            const int cella = m.Griglia[static_cast<std::size_t>(Indice(r, col))];
            if (cella != kCellaLibera)
                fisse_[n++] = {static_cast<std::uint8_t>(spazio_), static_cast<char>(cella)};
            ++spazio_;
        }
        fisse_[n] = {kOltre, 0};
    }
    bool Ammette(std::string_view parola) const {
        if (parola.size() > spazio_) return false;
        for (const Fissa* f = fisse_.data(); f->posizione < parola.size(); ++f)
            if (!CellaCompatibile(f->codice, parola[f->posizione])) return false;
        return true;
    }

  private:
    struct Fissa {
        std::uint8_t posizione;  // place along the path
        char codice;             // the letter code the cell holds
    };
    static constexpr std::uint8_t kOltre = 0xFF;  // a place past any word
    std::size_t spazio_ = 0;                      // cells from the start cell to the edge of the board
    // The cells that hold a letter, in path order, closed by a place past any word.
    std::array<Fissa, kColonne + 1> fisse_{{{kOltre, 0}}};
};

void ImpostaParola(Contesto& c, ArchivioParole& archivio, int record) {
    c.m.NumRecord = record;
    c.m.ParolaCorrente = archivio.Parola(record);
    c.m.LunghezzaCorrente = static_cast<int>(c.m.ParolaCorrente.size());
}

// A record uniform over [primo, ultimo], drawn from 1..ultimo and drawn again below primo.
void EstraiParola(Contesto& c, ArchivioParole& archivio, int primo, int ultimo) {
    int r = 0;
    do {
        r = c.rnd.Intero(ultimo) + 1;
    } while (r < primo);
    ImpostaParola(c, archivio, r);
}

int ContaLibere(const Contesto& c) {
    return static_cast<int>(std::count(c.m.Griglia.begin(), c.m.Griglia.end(), kCellaLibera));
}

// Tries the placements in order for each record of length L after the length's first one; stops at
// the first word placed. The board changes only then, so each path is read once for the whole scan.
void Scandisci(Contesto& c, ArchivioParole& archivio, int lunghezza, std::span<const Prova> prove) {
    std::array<Sagoma, 4> sagome;
    for (std::size_t i = 0; i < prove.size(); ++i)
        sagome[i] = Sagoma(c.m, prove[i].riga, prove[i].colonna, prove[i].direzione);
    const auto& indice = c.m.IndiceLunghezze[static_cast<std::size_t>(lunghezza)];
    for (int r = indice[0] + 1; r <= indice[1]; ++r) {
        ImpostaParola(c, archivio, r);
        for (std::size_t i = 0; i < prove.size(); ++i) {
            if (!sagome[i].Ammette(c.m.ParolaCorrente)) continue;
            c.m.Direzione = prove[i].direzione;
            c.m.Riga = prove[i].riga;
            c.m.Colonna = prove[i].colonna;
            InserisciParola(c);
            if (c.m.Piazzata == 1) return;
        }
    }
}

void Ricarica(Contesto& c) {
    c.m.DizionarioCaricato = 0;
    PreparaSchema(c);
}

// A failed attempt: OK starts over, Cancel puts the current puzzle back.
Esito Chiedi(Contesto& c, const char* testo) {
    if (c.MsgBox(testo, Pulsanti::OkAnnulla) == kRispostaOk) {
        c.m.Occupato = 1;
        return Esito::Riprova;
    }
    Ricarica(c);
    return Esito::Fine;
}

// The data a run needs, checked as the loader checks them: the files that cannot be used, one a line
// with the reason; empty when the run can go on, `archivio` then open on the word store it checked.
std::string DatiMancanti(Contesto& c, ArchivioParole& archivio) {
    auto dati = LeggiDatiNuoviSchemi(c);
    if (auto righe = RigheDatiNonValidi(c, dati); !righe.empty()) return righe;
    // Usable files, but tables loaded before they were mended or replaced: load them again, so that
    // the index in use is the one the store was checked against.
    const auto& tabella = c.m.TabellaImmagini;
    const bool immagini = std::any_of(tabella.begin() + 1, tabella.begin() + 1 + std::max(c.m.NumImmagini, 0),
                                      [](const auto& voce) { return !voce[1].empty(); });
    if (c.m.IndiceLunghezze != dati.tabellaIndice || !immagini) CaricaDizionario(c);
    archivio = std::move(dati.parole);
    return {};
}

// A number drawn uniformly from da..a.
int Estrai(Contesto& c, Intervallo v) {
    return v.da + c.rnd.Intero(v.a - v.da + 1);
}

// The empty board and an empty list before the first word.
void Azzera(Contesto& c) {
    auto& m = c.m;
    m.CelleLibere = 0;
    m.NumImmagine = 0;
    m.SoluzioneNuova.clear();
    m.UltimaParola = -1;
    m.Griglia.fill(kCellaLibera);
    c.f.List1.Clear();
    m.ParolaCorrente = {};
}

// Phase 1: a long word east or west on each of the first rows. False when the store offers no long
// word that fits, after the message and with the current puzzle back.
bool RigheLunghe(Contesto& c, ArchivioParole& archivio) {
    auto& m = c.m;
    const auto& indice = m.IndiceLunghezze;
    const auto& lunghezze = kFasi.lunghezzaRighe;
    const int righe = std::max(kFasi.righeLunghe.da, c.rnd.Intero(kFasi.righeLunghe.a + 1));
    for (int riga = 1; riga <= righe; ++riga) {
        m.Direzione = kEst;
        if (c.rnd.Intero(2) != 0) m.Direzione = kOvest;
        for (int tentativi = 0;;) {
            m.Piazzata = 0;
            EstraiParola(c, archivio, indice[std::size_t(lunghezze.da)][0],
                         indice[std::size_t(lunghezze.a)][1]);
            m.Riga = riga;
            const int scarto = c.rnd.Intero(kFasi.colonneDiPartenza);
            m.Colonna = m.Direzione == kEst ? 1 + scarto : kColonne - scarto;
            InserisciParola(c);
            if (m.Piazzata != 0) break;
            if (++tentativi > kTentativiMassimi) {
                c.MsgBox(testi::kRigheLunghe);
                Ricarica(c);
                return false;
            }
        }
    }
    return true;
}

// Phase 2: one vertical word per column, north from the bottom row or south from the top one.
void Colonne(Contesto& c, ArchivioParole& archivio) {
    auto& m = c.m;
    const auto& indice = m.IndiceLunghezze;
    const auto& lunghezze = kFasi.lunghezzaColonne;
    for (int colonna = 1; colonna <= kColonne; ++colonna) {
        m.Direzione = kNord;
        if (c.rnd.Intero(2) == 1) m.Direzione = kSud;
        const int riga = m.Direzione == kNord ? kRighe : 1;
        // The column as it stands, read once for all its attempts.
        const Sagoma sagoma(m, riga, colonna, m.Direzione);
        for (int tentativi = 0;;) {
            m.Piazzata = 0;
            EstraiParola(c, archivio, indice[std::size_t(lunghezze.da)][0],
                         indice[std::size_t(lunghezze.a)][1]);
            m.Colonna = colonna;
            m.Riga = riga;
            if (sagoma.Ammette(m.ParolaCorrente)) InserisciParola(c);
            if (m.Piazzata != 0 || ++tentativi > kTentativiMassimi) break;
        }
    }
}

// Phases 3 and 4: diagonals from the top and bottom rows, then from the side columns; for each start a
// length is drawn and the first word of that length that fits one of the starts is placed.
void Diagonali(Contesto& c, ArchivioParole& archivio) {
    constexpr int kSpostamento = kColonne - kFasi.colonneDiagonali;  // the second start columns
    for (int i = 1; i <= kFasi.colonneDiagonali; ++i) {
        const int lunghezza = Estrai(c, kFasi.lunghezzaDiagonali);
        const Prova prove[] = {{kSudEst, 1, i},
                               {kNordOvest, kRighe, i + kSpostamento},
                               {kSudOvest, 1, i + kSpostamento},
                               {kNordEst, kRighe, i}};
        Scandisci(c, archivio, lunghezza, prove);
    }
}
void DiagonaliDaiLati(Contesto& c, ArchivioParole& archivio) {
    for (int i = kFasi.righeDiagonali.da; i <= kFasi.righeDiagonali.a; ++i) {
        const int lunghezza = Estrai(c, kFasi.lunghezzaDiagonali);
        const Prova prove[] = {
            {kSudEst, i, 1}, {kNordOvest, kRighe + 1 - i, kColonne}, {kSudOvest, i, kColonne}};
        Scandisci(c, archivio, lunghezza, prove);
    }
}

// Phase 5: short words into the free cells, from the bottom-right corner back, until at most a drawn
// number of cells is free.
void ParoleCorte(Contesto& c, ArchivioParole& archivio) {
    auto& m = c.m;
    auto& f = c.f;
    int obiettivo = 0;
    do {
        obiettivo = c.rnd.Intero(kFasi.celleLibere.a + 1);
    } while (obiettivo < kFasi.celleLibere.da);
    const int ultimoCorto = m.IndiceLunghezze[6][1];
    for (int k = kCelle - 1; k >= 0; --k) {
        if (m.Griglia[static_cast<std::size_t>(k)] != kCellaLibera) continue;
        const int riga = k / kColonne + 1, colonna = k - (riga - 1) * kColonne + 1;
        // The eight paths from this cell, read once for all its candidates.
        std::array<Sagoma, 8> sagome;
        for (int d = 0; d < 8; ++d) sagome[static_cast<std::size_t>(d)] = Sagoma(m, riga, colonna, d);
        auto ammessa = [&](int d) { return sagome[static_cast<std::size_t>(d)].Ammette(m.ParolaCorrente); };
        for (int p = 1; p <= ultimoCorto; ++p) {
            ImpostaParola(c, archivio, m.OrdineParoleCorte[static_cast<std::size_t>(p)]);
            // A word that fits no path from here is passed over whether List1 holds it or not, so
            // the repeat check is left for the few that fit somewhere.
            bool ovunque = false;
            for (int d = 0; d < 8 && !ovunque; ++d) ovunque = ammessa(d);
            if (!ovunque) continue;
            // List1 is sorted: a binary search finds a word placed before.
            if (std::binary_search(f.List1.items.begin(), f.List1.items.end(), m.ParolaCorrente)) continue;
            m.Riga = riga;
            m.Colonna = colonna;
            bool piazzata = false;
            for (int d = 0; d < 8 && !piazzata; ++d) {
                if (!ammessa(d)) continue;
                m.Direzione = d;
                InserisciParola(c);
                piazzata = m.Piazzata == 1;
            }
            if (piazzata) break;
        }
        m.CelleLibere = ContaLibere(c);
        if (m.CelleLibere <= obiettivo) break;
    }
}

// The picture: the first in shuffled order whose caption has as many letters as the free cells (a
// catalogue line the loader left empty has no length field and is never taken). False when none has.
bool ScegliImmagine(Contesto& c) {
    auto& m = c.m;
    m.CelleLibere = ContaLibere(c);
    m.SoluzioneNuova.clear();
    c.piattaforma.Ridisegna();
    for (int i = 1; i <= m.NumImmagini && m.NumImmagine == 0; ++i) {
        const auto q = static_cast<std::size_t>(m.OrdineImmagini[static_cast<std::size_t>(i)]);
        if (static_cast<int>(m.TabellaImmagini[q][2].size()) == m.CelleLibere &&
            !m.TabellaImmagini[q][1].empty()) {
            m.NumImmagine = static_cast<int>(q);
            m.SoluzioneNuova = m.TabellaImmagini[q][3];
        }
    }
    if (m.NumImmagine == 0) return false;
    // The caption's letters fill the free cells in reading order.
    const auto& lettere = m.TabellaImmagini[static_cast<std::size_t>(m.NumImmagine)][2];
    std::size_t j = 0;
    for (auto& cella : m.Griglia)
        if (cella == kCellaLibera) cella = CodiceLettera(lettere[j++]);
    return true;
}

// One run of the generator, from the empty board to the commit.
Esito Genera(Contesto& c, ArchivioParole& archivio) {
    auto& m = c.m;
    auto& f = c.f;
    Azzera(c);

    if (!RigheLunghe(c, archivio)) return Esito::Fine;
    f.Label1[1].Caption = testi::kAttendi;
    Colonne(c, archivio);
    f.Label1[1].Caption += "...";
    c.piattaforma.Ridisegna();
    Diagonali(c, archivio);
    DiagonaliDaiLati(c, archivio);
    f.Label1[1].Caption += "...";
    c.piattaforma.Ridisegna();
    ParoleCorte(c, archivio);
    archivio.Chiudi();
    m.ParolaCorrente = {};  // it was a view into the store

    if (m.CelleLibere > kFasi.celleLibere.a) return Chiedi(c, testi::kNonChiuso1);
    if (!ScegliImmagine(c)) return Chiedi(c, testi::kNonChiuso2);
    switch (ControllaElenco(f.List1.items)) {
        case EsitoElenco::Ripetuta:
            return Chiedi(c, testi::kNonChiuso3);
        case EsitoElenco::Contenuta:
            return Chiedi(c, testi::kNonChiuso4);
        case EsitoElenco::Valido:
            break;
    }
    return ChiudiSchema(c) == EsitoChiusura::Rifiutato ? Esito::Rifiutato : Esito::Fine;
}

}  // namespace

EsitoElenco ControllaElenco(const std::vector<std::string>& voci) {
    for (std::size_t a = 0; a + 1 < voci.size(); ++a)
        for (std::size_t b = a + 1; b < voci.size(); ++b)
            if (voci[a] == voci[b]) return EsitoElenco::Ripetuta;
    for (std::size_t a = 0; a + 1 < voci.size(); ++a)
        for (std::size_t b = a + 1; b < voci.size(); ++b)
            if (voci[a].find(voci[b]) != std::string::npos) return EsitoElenco::Contenuta;
    return EsitoElenco::Valido;
}

void InserisciParola(Contesto& c) {
    auto& m = c.m;
    m.Piazzata = 0;
    const int d = m.Direzione;
    const int lunghezza = m.LunghezzaCorrente;
    const int r = m.Riga;
    const int col = m.Colonna;
    const std::string_view parola = m.ParolaCorrente;
    if (d < 0 || d > 7) return;
    if (lunghezza < 1 || lunghezza > kLunghezzaPercorso || lunghezza != static_cast<int>(parola.size()))
        return;
    if (r < 1 || r > kRighe || col < 1 || col > kColonne) return;

    // Room for the whole word. A straight path that starts and ends on the board stays on it, so the
    // last letter's cell answers both the room test of the word's rows (or, east and west, its
    // columns) and, on a diagonal, whether the path leaves the board on its side.
    const Passo passoDir = kPassiGeneratore[static_cast<std::size_t>(d)];
    const int passoR = passoDir.riga, passoC = passoDir.colonna;
    const int rigaFine = r + (lunghezza - 1) * passoR, colonnaFine = col + (lunghezza - 1) * passoC;
    if (rigaFine < 1 || rigaFine > kRighe || colonnaFine < 1 || colonnaFine > kColonne) return;

    // The path, one index step per letter: the first cell holding another letter rejects the word.
    const int inizio = Indice(r, col), passo = passoR * kColonne + passoC;
    for (int k = 0, i = inizio; k < lunghezza; ++k, i += passo)
        if (!CellaCompatibile(m.Griglia[static_cast<std::size_t>(i)], parola[static_cast<std::size_t>(k)]))
            return;

    // The word fits: VerificaPercorso compares it with the path and records it.
    for (int k = 0, i = inizio; k < lunghezza; ++k, i += passo)
        m.Percorso[static_cast<std::size_t>(k)] = CarattereDelCodice(m.Griglia[static_cast<std::size_t>(i)]);
    VerificaPercorso(c);
    if (m.Piazzata != 1) return;
    for (int k = 0, i = inizio; k < lunghezza; ++k, i += passo)
        m.Griglia[static_cast<std::size_t>(i)] = CodiceLettera(parola[static_cast<std::size_t>(k)]);
}

void VerificaPercorso(Contesto& c) {
    auto& m = c.m;
    m.Piazzata = 0;
    for (int k = 0; k < m.LunghezzaCorrente; ++k) {
        const char cella = m.Percorso[static_cast<std::size_t>(k)];
        if (!CellaCompatibile(CodiceLettera(cella), m.ParolaCorrente[static_cast<std::size_t>(k)])) return;
    }
    m.Piazzata = 1;
    ++m.UltimaParola;
    c.f.List1.AddItem(std::string(m.ParolaCorrente));
}

EsitoChiusura ChiudiSchema(Contesto& c) {
    auto& m = c.m;
    SchemaDaScrivere schema;
    for (std::size_t k = 0; k < schema.celle.size(); ++k) schema.celle[k] = CarattereDelCodice(m.Griglia[k]);
    schema.soluzione = m.SoluzioneNuova;
    schema.numImmagine = m.NumImmagine;
    schema.lunghezzaImmagine = m.TabellaImmagini[static_cast<std::size_t>(m.NumImmagine)][1];
    schema.parole = c.f.List1.items;

    // Written through a temporary file and a rename: a failure leaves the previous puzzle whole.
    const auto file = Percorso(c, kFileSchemaCorrente);
    if (const auto esito = ScriviAtomico(file, TestoSchema(schema)); !esito) {
        c.MsgBox(ConFile(testi::kSchemaNonScritto, file, esito));
        Ricarica(c);
        return EsitoChiusura::NonScritto;
    }

    Ricarica(c);
    c.f.Label1[1].Caption.clear();
    m.ModoSoluzione = 1;
    CercaParole(c);
    m.ModoSoluzione = 0;

    const auto anelli =
        std::count_if(c.f.Shape1.begin(), c.f.Shape1.end(), [](const Forma& s) { return s.Visible; });
    auto lettere = c.f.Label1[1].Caption;
    std::erase(lettere, ' ');
    // The ringed letters must also spell the caption: when the solver marks a word at another
    // occurrence than the one placed, the count can agree while the letters do not.
    std::string inAnello;
    for (std::size_t k = 0; k < kCelle; ++k)
        if (m.Aspetto[k] == kAspettoNormale && c.f.Image1[k].Visible)
            inAnello += CarattereDelCodice(m.Griglia[k]);
    if (static_cast<std::size_t>(anelli) == lettere.size() && inAnello == lettere) {
        Ricarica(c);
        return EsitoChiusura::Accettato;
    }
    c.MsgBox(testi::kSchemaNonValido);
    return EsitoChiusura::Rifiutato;
}

void NuovoSchema(Contesto& c) {
    // A puzzle that cannot be written cannot be loaded either.
    if (SolaLettura(c, testi::kSolaLetturaNuovo)) return;
    // Each retry starts over from the empty board; the busy flag holds until the last run ends. Every
    // run checks the data again: the load after a rejected puzzle may have found them changed.
    for (int rifiuti = 0;;) {
        ArchivioParole archivio;
        if (const auto mancanti = DatiMancanti(c, archivio); !mancanti.empty()) {
            c.MsgBox(testi::kDatiGeneratore + mancanti);
            return;
        }
        c.m.Occupato = 1;
        const auto esito = Genera(c, archivio);
        if (esito == Esito::Fine) return;
        if (esito == Esito::Rifiutato && ++rifiuti >= kRifiutiMassimi) {
            // The last rejected puzzle is the current file: it stays, as after Cancel.
            c.MsgBox(testi::kTroppiRifiuti);
            Ricarica(c);
            return;
        }
    }
}

}  // namespace tramelo
