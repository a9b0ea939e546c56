// The puzzle generator: placing one word, the word-list checks, the exact files of fixed clocks, its
// failure paths and a soak over the shipped data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/FileSchema.h"
#include "generator/Generatore.h"

namespace fs = std::filesystem;
using namespace tramelo;
using tramelo::test::CartellaProva;
using tramelo::test::Partita;
using Parole = std::map<int, std::vector<std::string>>;

namespace {

// An empty generator board.
struct Tavola {
    Partita p;
    Tavola() {
        p.Ricarica();  // sets the program folder
        p.c.m.Griglia.fill(kCellaLibera);
        p.c.m.UltimaParola = -1;
    }
    bool Inserisci(const std::string& parola, int riga, int colonna, int direzione) {
        auto& m = p.c.m;
        m.ParolaCorrente = parola;
        m.LunghezzaCorrente = static_cast<int>(parola.size());
        m.Riga = riga, m.Colonna = colonna, m.Direzione = direzione;
        InserisciParola(p.c);
        return m.Piazzata == 1;
    }
};

// Distinct words of the letters AEIORST, always the same: `corte` of 5 and 6 letters, `medie` of 7 to 9,
// `lunghe` of 10 to 15.
Parole ParoleCasuali(std::size_t corte, std::size_t medie, std::size_t lunghe) {
    Parole parole;
    unsigned seme = 7;
    for (int l = 5; l <= 15; ++l) {
        std::set<std::string> visti;
        while (parole[l].size() < (l < 7 ? corte : l < 10 ? medie : lunghe)) {
            std::string w;
            for (int k = 0; k < l; ++k) w += "AEIORST"[((seme = seme * 1103515245u + 12345u) >> 16) % 7];
            if (visti.insert(w).second) parole[l].push_back(w);
        }
    }
    return parole;
}

// Writes a word store, its length index, and a catalogue with a store of tiny fake JPEGs, one per caption.
void ScriviDati(const CartellaProva& d, const Parole& parole, const std::vector<std::string>& didascalie) {
    std::string archivio(15, ' '), indice, catalogo, immagini;
    int record = 0;
    for (const auto& [l, elenco] : parole) {
        const int primo = record + 1;
        for (const auto& w : elenco) archivio += w + std::string(16 - w.size(), ' '), ++record;
        char riga[40];
        std::snprintf(riga, sizeof riga, "%3d%06d %06d\r\n", l, primo, record);
        indice += riga;
    }
    for (const auto& s : didascalie) {
        const std::string jpeg = "\xFF\xD8" + s + "\xFF\xD9";
        char lunghezza[8];
        std::snprintf(lunghezza, sizeof lunghezza, "%05zu", jpeg.size());
        catalogo += "0000" + std::string(lunghezza) + " " + s + " jpg\r\n";
        immagini += jpeg;
    }
    d.Scrivi("dizionari/dizionario.bbb", archivio);
    d.Scrivi("dizionari/indir_bbb.txt", indice);
    d.Scrivi("Immagini.txt", catalogo);
    d.Scrivi("Immagini.jpg", immagini);
}

// A game on the current puzzle kTavolaCasa with the generator's data files written by `prepara`.
struct Generazione {
    Partita p;
    std::string corrente;
    decltype(p.c.m.Griglia) griglia;
    explicit Generazione(const std::function<void(const CartellaProva&)>& prepara) {
        prepara(p.cartella);
        p.Carica(test::kTavolaCasa, {"CASA"}, "X");
        corrente = p.cartella.Leggi("schemi/schema.txt");
        griglia = p.c.m.Griglia;
        p.piattaforma.messaggi.clear();
    }
    std::vector<std::string> Messaggi() const { return p.piattaforma.Testi(); }
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
        {"sud-est da (1,10), 9 lettere", 9, 1, 10, 1, true},
        {"nord-ovest da (10,3), 6 lettere: esce a sinistra", 6, 10, 3, 5, false},
        {"nord-ovest da (10,6), 6 lettere", 6, 10, 6, 5, true},
        {"sud-ovest da (1,5), 6 lettere: esce a sinistra", 6, 1, 5, 3, false},
        {"nord-est da (6,18), 5 lettere: esce a destra", 5, 6, 18, 7, false},
        {"nord-est da (6,14), 5 lettere", 5, 6, 14, 7, true},
        {"direzione fuori da 0..7", 5, 5, 5, 8, false},
    };
    for (const auto& [nome, lunghezza, riga, colonna, direzione, piazzata] : casi) {
        Tavola t;
        EXPECT_EQ(t.Inserisci(std::string(std::size_t(lunghezza), 'A'), riga, colonna, direzione), piazzata)
            << nome;
        EXPECT_EQ(t.p.c.f.List1.ListCount(), piazzata ? 1 : 0) << nome;
        EXPECT_EQ(t.p.c.m.UltimaParola, piazzata ? 0 : -1) << nome;
    }
}

TEST(NuovoSchema, ControlliDellElenco) {
    const std::pair<std::vector<std::string>, int> casi[] = {
        {{"CASALE", "SALE"}, 4},          // SALE inside an entry before it
        {{"CASA", "CASALE"}, 0},          // inside an entry after it passes
        {{"CASA", "CASA"}, 3},            // a repeat
        {{"CASALE", "SALE", "SALE"}, 3},  // repeats are checked first
        {{}, 0},
    };
    for (const auto& [parole, messaggio] : casi)
        EXPECT_EQ(ControllaElenco(parole), messaggio) << parole.size();
}

// Fixed clocks on a small store of random words: the exact puzzle files, checked once by hand against
// the phases (long rows, columns, top and bottom diagonals, side diagonals, short words from the last
// cell back, the caption in the free cells). Between them the clocks place a word at every try of the
// diagonal phases; the last one is accepted at its fifth run, after retries (2), (3), (2), (2).
TEST(NuovoSchema, SchemiDiOrologiFissati) {
    const std::pair<double, const char*> casi[] = {{39000, ""}, {67000, ""}, {100000, "2322"}};
    for (const auto& [orologio, messaggi] : casi) {
        SCOPED_TRACE(orologio);
        Generazione g([](const CartellaProva& d) {
            // clang-format off
            ScriviDati(d, ParoleCasuali(40, 300, 5), {"IL RE", "LA LUNA", "UN SOLE", "IL MARE BLU",
                "LA TORRE DI PISA", "UN ORSO", "LE ALPI", "IL PONTE", "LA NAVE", "UN GATTO NERO", "LA CASA ROSSA",
                "IL FIUME", "LA STELLA", "UN FIORE", "IL TRENO", "LA MONTAGNA", "IL CASTELLO", "LA CHIESA",
                "UN LAGO BLU", "IL BOSCO", "LA PIAZZA GRANDE", "UNA BARCA A VELA"});
            // clang-format on
        });
        g.p.piattaforma.orologio = orologio;
        g.p.Ricarica();
        g.p.piattaforma.messaggi.clear();
        g.p.piattaforma.ridisegni = 0;
        mnuNS_Click(g.p.c);
        EXPECT_EQ(g.p.piattaforma.ridisegni, 3 * (std::strlen(messaggi) + 1));  // three repaints a run
        std::string codici;
        for (const auto& t : g.Messaggi()) codici += t[18];
        EXPECT_EQ(codici, messaggi);
        std::ifstream atteso(TRAMELO_FIXTURES "/generato_" + std::to_string(int(orologio)) + ".txt",
                             std::ios::binary);
        EXPECT_EQ(g.p.cartella.Leggi("schemi/schema.txt"),
                  std::string(std::istreambuf_iterator<char>(atteso), {}));
    }
}

// A catalogue of one picture of 18 letters, the most free cells a board may keep: OK to every retry
// until the free cells are as many.
TEST(NuovoSchema, UnaSolaImmagineDiDiciottoLettere) {
    const auto dati = [](const CartellaProva& d) {
        ScriviDati(d, ParoleCasuali(40, 300, 5), {"IL CASTELLO DI SABBIA"});
    };
    Generazione g(dati);
    mnuNS_Click(g.p.c);
    const auto lettura = LeggiSchema(g.p.cartella.percorso() / "schemi/schema.txt");
    EXPECT_EQ(lettura.soluzione + "|" + lettura.rigaImmagine, "IL CASTELLO DI SABBIA|001 00025");
}

// The failures that ask to retry, or stop, and put the current puzzle back.
TEST(NuovoSchema, FallimentiRimettonoLoSchemaCorrente) {
    const auto senzaImmagine = [](auto& d) {
        ScriviDati(d, ParoleCasuali(40, 300, 5), {"VENTI LETTERE NON ENTRANO"});
    };
    struct Caso {
        const char* nome;
        std::function<void(const CartellaProva&)> prepara;
        std::deque<int> risposte;
        std::vector<std::string> messaggi;
    } casi[] = {
        {"nessuna immagine adatta: OK poi Annulla",
         senzaImmagine,
         {kRispostaOk, kRispostaAnnulla},
         {testi::kNonChiuso2, testi::kNonChiuso2}},
        {"troppe celle libere: quattro parole corte non bastano",
         [](auto& d) { ScriviDati(d, ParoleCasuali(2, 40, 40), {"ORO"}); },
         {kRispostaAnnulla},
         {testi::kNonChiuso1}},
        {"nessuna parola lunga; un archivio al limite delle 15000 corte, una lunghezza di una parola",
         [](auto& d) {
             auto parole = ParoleCasuali(5, 5, 0);
             parole[6].resize(15000 - 5);  // blank records: never placed
             for (int l = 10; l <= 15; ++l) parole[l].resize(l == 15 ? 1 : 2);
             ScriviDati(d, parole, {"ORO"});
         },
         {},
         {testi::kRigheLunghe}},
        {"dati mancanti",
         [](auto& d) {
             fs::remove_all(d.percorso() / "dizionari"), fs::remove(d.percorso() / "Immagini.txt");
         },
         {},
         {}},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome);
        Generazione g(k.prepara);
        g.p.piattaforma.risposte = k.risposte;
        mnuNS_Click(g.p.c);
        const auto cartella = g.p.cartella.percorso();
        EXPECT_EQ(g.Messaggi(),
                  !k.messaggi.empty()
                      ? k.messaggi
                      : std::vector<std::string>{testi::kDatiGeneratore +
                                                 (cartella / "dizionari/indir_bbb.txt").string() + "\r" +
                                                 (cartella / "dizionari/dizionario.bbb").string() + "\r" +
                                                 (cartella / "Immagini.txt").string()});
        EXPECT_EQ(g.p.cartella.Leggi("schemi/schema.txt"), g.corrente);
        EXPECT_EQ(g.p.c.m.Griglia, g.griglia);  // the current puzzle is back on the board
        EXPECT_EQ(g.p.c.m.Occupato, 0);
    }
}

// Many generations from fixed clocks on the shipped data: every word is on the board, the picture named
// by the file carries the solution, and solved, the rings stand over its letters in cell order.
TEST(NuovoSchema, SoakSuiDatiSpediti) {
    Generazione g(test::CopiaDatiSpediti);
    auto& p = g.p;
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
        auto lettere = l.soluzione;
        std::erase(lettere, ' ');
        EXPECT_EQ(test::LettereAnellate(p.c), lettere);
    }
}
