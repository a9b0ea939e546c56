// The puzzle generator: placing one word, the word-list checks, the exact files of fixed clocks, its
// failure paths and a soak over the shipped data.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <utility>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/FileSchema.h"
#include "generator/Generatore.h"

namespace fs = std::filesystem;
using namespace tramelo;
using namespace tramelo::test;

namespace {

const std::string kArchivio = "dizionari/dizionario.bbb";

// The small store of random words the fixed clocks below were checked on, with its index and pictures.
void DatiPiccoli(const CartellaProva& d) {
    // clang-format off
    ScriviDati(d, ParoleCasuali(40, 300, 5), {"IL RE", "LA LUNA", "UN SOLE", "IL MARE BLU",
        "LA TORRE DI PISA", "UN ORSO", "LE ALPI", "IL PONTE", "LA NAVE", "UN GATTO NERO", "LA CASA ROSSA",
        "IL FIUME", "LA STELLA", "UN FIORE", "IL TRENO", "LA MONTAGNA", "IL CASTELLO", "LA CHIESA",
        "UN LAGO BLU", "IL BOSCO", "LA PIAZZA GRANDE", "UNA BARCA A VELA"});
    // clang-format on
}

// A game on the current puzzle kTavolaCasa, with the generator's data files written by `prepara`, loaded
// at the clock `orologio` (or the platform's own).
struct Generazione : Partita {
    explicit Generazione(const std::function<void(const CartellaProva&)>& prepara, double orologio = 0) {
        prepara(cartella);
        if (orologio) piattaforma.orologio = orologio;
        Carica(kTavolaCasa, {"CASA"}, "X");
        piattaforma.messaggi.clear();
    }
};

}  // namespace

TEST(InserisciParola, SpazioEIncroci) {
    const std::tuple<const char*, int, int, int, int, bool> casi[] = {
        // name, length, row, column, direction, placed
        {"est dalla colonna 4, 15 lettere", 15, 1, 4, 0, true},
        {"est dalla colonna 5, 15 lettere", 15, 1, 5, 0, false},
        {"ovest dalla colonna 15, 15 lettere", 15, 1, 15, 4, true},
        {"ovest dalla colonna 14, 15 lettere", 15, 1, 14, 4, false},
        {"sud dalla riga 1, 10 lettere", 10, 1, 7, 2, true},
        {"nord dalla riga 9, 10 lettere", 10, 9, 7, 6, false},
        {"sud-est da (1,13), 9 lettere: esce a destra", 9, 1, 13, 1, false},
        {"nord-ovest da (10,3), 6 lettere: esce a sinistra", 6, 10, 3, 5, false},
        {"sud-ovest da (1,5), 6 lettere: esce a sinistra", 6, 1, 5, 3, false},
        {"nord-est da (6,18), 5 lettere: esce a destra", 5, 6, 18, 7, false},
        {"direzione fuori da 0..7", 5, 5, 5, 8, false},
        {"partenza fuori dalla tavola, colonna 0", 5, 1, 0, 0, false},
    };
    for (const auto& [nome, lunghezza, riga, colonna, direzione, piazzata] : casi) {
        Partita p;
        p.Ricarica();  // sets the program folder
        auto& m = p.c.m;
        m.Griglia.fill(kCellaLibera), m.UltimaParola = -1;
        const std::string parola(std::size_t(lunghezza), 'A');  // the view below needs it alive
        m.ParolaCorrente = parola, m.LunghezzaCorrente = lunghezza;
        m.Riga = riga, m.Colonna = colonna, m.Direzione = direzione;
        InserisciParola(p.c);
        EXPECT_EQ(m.Piazzata == 1, piazzata) << nome;
        EXPECT_EQ(p.c.f.List1.ListCount(), piazzata ? 1 : 0) << nome;
    }
}

TEST(NuovoSchema, ControlliDellElenco) {
    const std::tuple<const char*, std::vector<std::string>, EsitoElenco> casi[] = {
        {"una voce dentro una voce precedente", {"CASALE", "SALE"}, EsitoElenco::Contenuta},
        {"dentro una voce che la segue", {"CASA", "CASALE"}, EsitoElenco::Valido},
        {"una voce ripetuta", {"CASA", "CASA"}, EsitoElenco::Ripetuta},
        {"le ripetizioni prima", {"CASALE", "SALE", "SALE"}, EsitoElenco::Ripetuta},
        {"elenco vuoto", {}, EsitoElenco::Valido},
    };
    for (const auto& [nome, parole, esito] : casi) EXPECT_EQ(ControllaElenco(parole), esito) << nome;
}

// Fixed clocks on a small store of random words: the exact puzzle files, checked once by hand against
// the phases (long rows, columns, top and bottom diagonals, side diagonals, short words from the last
// cell back, the caption in the free cells). Between them the clocks place a word at every try of the
// diagonal phases; the last one is accepted at its fifth run, after retries (2), (3), (2), (2).
TEST(NuovoSchema, SchemiDiOrologiFissati) {
    const std::vector<std::string> kNessuno,
        kQuattroTentativi = {testi::kNonChiuso2, testi::kNonChiuso3, testi::kNonChiuso2, testi::kNonChiuso2};
    const std::pair<double, const std::vector<std::string>&> casi[] = {
        {39000, kNessuno}, {67000, kNessuno}, {100000, kQuattroTentativi}};
    for (const auto& [orologio, messaggi] : casi) {
        SCOPED_TRACE(orologio);
        Generazione g(DatiPiccoli, orologio);
        mnuNS_Click(g.c);
        EXPECT_EQ(g.piattaforma.Testi(), messaggi);
        EXPECT_EQ(g.cartella.Leggi("schemi/schema.txt"),
                  LeggiTutto(TRAMELO_FIXTURES "/generato_" + std::to_string(int(orologio)) + ".txt"));
    }
}

// A catalogue of one picture of 18 letters, the most free cells a board may keep, or of 3, the fewest: OK
// to every retry until the free cells are as many.
TEST(NuovoSchema, UnaSolaImmagineDiDiciottoOTreLettere) {
    for (const auto& [didascalia, riga] :
         {std::pair{"IL CASTELLO DI SABBIA", "001 00025"}, {"ORO", "001 00007"}}) {
        Generazione g([&](auto& d) { ScriviDati(d, ParoleCasuali(40, 300, 5), {didascalia}); });
        mnuNS_Click(g.c);
        const auto lettura = LeggiSchema(g.cartella.percorso() / "schemi/schema.txt");
        EXPECT_EQ(lettura.soluzione + "|" + lettura.rigaImmagine, didascalia + std::string("|") + riga);
    }
}

// The failures that ask to retry, or stop, and put the current puzzle back.
TEST(NuovoSchema, FallimentiRimettonoLoSchemaCorrente) {
    // name, the data written, the answers to the questions, the messages
    const std::tuple<const char*, std::function<void(const CartellaProva&)>, std::deque<int>,
                     std::vector<std::string>>
        casi[] = {
            // clang-format off
            {"nessuna immagine adatta: OK poi Annulla",
             [](auto& d) { ScriviDati(d, ParoleCasuali(40, 300, 5), {"VENTI LETTERE NON ENTRANO"}); },
             {kRispostaOk, kRispostaAnnulla}, {testi::kNonChiuso2, testi::kNonChiuso2}},
            {"troppe celle libere: quattro parole corte non bastano",
             [](auto& d) { ScriviDati(d, ParoleCasuali(2, 40, 40), {"ORO"}); }, {kRispostaAnnulla}, {testi::kNonChiuso1}},
            {"nessuna parola lunga; un archivio al limite delle 15000 corte, una lunghezza di una parola",
             [](auto& d) {
                 auto parole = ParoleCasuali(5, 5, 0);
                 parole[6].resize(15000 - 5);  // blank records: never placed
                 for (int l = 10; l <= 15; ++l) parole[l].resize(l == 15 ? 1 : 2);
                 ScriviDati(d, parole, {"ORO"});
             },
             {}, {testi::kRigheLunghe}},
            // clang-format on
        };
    for (const auto& [nome, prepara, risposte, messaggi] : casi) {
        SCOPED_TRACE(nome);
        Generazione g(prepara);
        const auto corrente = g.cartella.Leggi("schemi/schema.txt");
        const auto griglia = g.c.m.Griglia;
        g.piattaforma.risposte = risposte;
        mnuNS_Click(g.c);
        EXPECT_EQ(g.piattaforma.Testi(), messaggi);
        EXPECT_EQ(g.cartella.Leggi("schemi/schema.txt"), corrente);
        EXPECT_EQ(g.c.m.Griglia, griglia);  // the current puzzle is back on the board
        EXPECT_EQ(g.c.m.Occupato, 0);
    }
}

// The word store rewritten or cut short under a generation (at its first repaint, between its phases):
// the run under way goes on from its copy of the store and makes the puzzle it would have made; nothing
// crashes. Once the store no longer agrees with the index, the next Nuovo schema names it at the load
// and refuses, naming it too.
TEST(NuovoSchema, LArchivioCambiaSottoIlGioco) {
    struct Piattaforma : FalsaPiattaforma {
        std::function<void()> alRidisegno;
        void Ridisegna() override {
            FalsaPiattaforma::Ridisegna();
            if (alRidisegno) std::exchange(alRidisegno, nullptr)();
        }
    };
    // name, the change, whether the store then disagrees with the index
    const std::tuple<const char*, std::function<void(const CartellaProva&)>, bool> casi[] = {
        // clang-format off
        {"tagliato a metà", [](auto& d) { fs::resize_file(d.percorso() / kArchivio, fs::file_size(d.percorso() / kArchivio) / 2); }, true},
        {"il primo record spostato in fondo", [](auto& d) { auto t = d.Leggi(kArchivio); d.Scrivi(kArchivio, t.substr(0, 15) + t.substr(31) + t.substr(15, 16)); }, true},
        {"riscritto uguale", [](auto& d) { d.Scrivi(kArchivio, d.Leggi(kArchivio)); }, false},
        // clang-format on
    };
    for (const auto& [nome, cambia, guasto] : casi) {
        SCOPED_TRACE(nome);
        Piattaforma piattaforma;
        CartellaProva cartella;
        Contesto c(piattaforma, {cartella.percorso(), cartella.percorso()});
        DatiPiccoli(cartella);
        cartella.Scrivi("schemi/schema.txt", TestoSchema(kTavolaCasa, "X", "000 00000", {"CASA"}));
        piattaforma.orologio = 39000;  // accepted at its first run
        Form_Initialize(c);
        piattaforma.alRidisegno = [&] { cambia(cartella); };
        mnuNS_Click(c);
        EXPECT_EQ(cartella.Leggi("schemi/schema.txt"), LeggiTutto(TRAMELO_FIXTURES "/generato_39000.txt"));
        if (guasto) mnuNS_Click(c);

        const auto riga =
            "\rnon corrisponde all'indice delle parole: " + (cartella.percorso() / kArchivio).string();
        std::vector<std::string> attesi;
        if (guasto) attesi = {testi::kDatiNuoviSchemi + riga, testi::kDatiGeneratore + riga};
        EXPECT_EQ(piattaforma.Testi(), attesi);
        EXPECT_EQ(GuastoTavola(c), "");
    }
}

// Many generations from fixed clocks on the shipped data: every word is on the board, the picture named
// by the file carries the solution, and solved, the rings stand over its letters in cell order.
TEST(NuovoSchema, SoakSuiDatiSpediti) {
    Generazione p(CopiaDatiSpediti);
    for (int i = 0; i < 200; ++i) {
        SCOPED_TRACE(i);
        p.piattaforma.orologio = 500.0 + i * 7.5;
        p.Ricarica();
        p.piattaforma.messaggi.clear();
        mnuNS_Click(p.c);
        mnuSoluzione_Click(p.c);
        for (const auto& t : p.piattaforma.Testi()) EXPECT_EQ(t.find("Non trovata"), std::string::npos);
        const auto l = LeggiSchema(p.cartella.percorso() / "schemi/schema.txt");
        EXPECT_EQ(p.c.m.TabellaImmagini[std::size_t(std::stoi(l.rigaImmagine.substr(0, 3)))][3], l.soluzione);
        std::string anellate, lettere = l.soluzione;
        for (int k : CelleAnellate(p.c.f)) anellate += CarattereDelCodice(p.c.m.Griglia[std::size_t(k)]);
        std::erase(lettere, ' ');
        EXPECT_EQ(anellate, lettere);
    }
}
