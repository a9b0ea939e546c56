// The puzzle generator: placing one word, the word-list checks, the file it writes, its failure paths
// and a soak over the shipped data.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "board/Schema.h"
#include "files/FileSchema.h"
#include "generator/Generatore.h"
#include "words/Parole.h"

namespace fs = std::filesystem;
using namespace tramelo;
using tramelo::test::Partita;

namespace {

// An empty generator board with the given letters: cells (row, column) 1-based.
struct Tavola {
    Partita p;
    Tavola() {
        p.Ricarica();  // sets the program folder
        p.c.m.Griglia.fill(kCellaLibera);
        p.c.m.UltimaParola = -1;
    }
    void Metti(int riga, int colonna, char lettera) {
        p.c.m.Griglia[static_cast<std::size_t>((riga - 1) * 18 + colonna - 1)] = lettera - 64;
    }
    char Lettera(int riga, int colonna) const {
        return static_cast<char>(p.c.m.Griglia[static_cast<std::size_t>((riga - 1) * 18 + colonna - 1)] + 64);
    }
    bool Inserisci(const std::string& parola, int riga, int colonna, int direzione) {
        p.c.m.ParolaCorrente = parola;
        p.c.m.LunghezzaCorrente = static_cast<int>(parola.size());
        p.c.m.Riga = riga;
        p.c.m.Colonna = colonna;
        p.c.m.Direzione = direzione;
        InserisciParola(p.c);
        return p.c.m.Piazzata == 1;
    }
};

// Writes a word store and its length index: words[L] are the L-letter records.
void ScriviArchivio(const test::CartellaProva& d, const std::map<int, std::vector<std::string>>& parole) {
    std::string archivio(15, ' '), indice;
    int record = 0;
    for (int l = 5; l <= 15; ++l) {
        const auto it = parole.find(l);
        const int primo = record + 1;
        if (it != parole.end())
            for (const auto& w : it->second) {
                archivio += w + std::string(16 - w.size(), ' ');
                ++record;
            }
        char riga[40];
        std::snprintf(riga, sizeof riga, "%3d%06d %06d\r\n", l, primo, record);
        indice += riga;
    }
    d.Scrivi("dizionari/dizionario.bbb", archivio);
    d.Scrivi("dizionari/indir_bbb.txt", indice);
}

// Writes a catalogue and a picture store of tiny fake JPEGs, one per caption.
void ScriviCatalogo(const test::CartellaProva& d, const std::vector<std::string>& didascalie) {
    std::string catalogo, immagini;
    for (const auto& s : didascalie) {
        const std::string jpeg = "\xFF\xD8" + s + "\xFF\xD9";
        char lunghezza[8];
        std::snprintf(lunghezza, sizeof lunghezza, "%05zu", jpeg.size());
        catalogo += "0000" + std::string(lunghezza) + " " + s + " jpg\r\n";
        immagini += jpeg;
    }
    d.Scrivi("Immagini.txt", catalogo);
    d.Scrivi("Immagini.jpg", immagini);
}

std::string Ripeti(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

}  // namespace

TEST(InserisciParola, SpazioEIncroci) {
    struct Caso {
        const char* nome;
        std::string parola;
        int riga, colonna, direzione;
        bool piazzata;
    } casi[] = {
        {"est dalla colonna 4, 15 lettere", Ripeti('A', 15), 1, 4, 0, true},
        {"est dalla colonna 5, 15 lettere", Ripeti('A', 15), 1, 5, 0, false},
        {"ovest dalla colonna 15, 15 lettere", Ripeti('A', 15), 1, 15, 4, true},
        {"ovest dalla colonna 14, 15 lettere", Ripeti('A', 15), 1, 14, 4, false},
        {"sud dalla riga 1, 10 lettere", Ripeti('A', 10), 1, 7, 2, true},
        {"nord dalla riga 9, 10 lettere", Ripeti('A', 10), 9, 7, 6, false},
        {"sud-est da (1,13), 9 lettere: esce a destra", Ripeti('A', 9), 1, 13, 1, false},
        {"sud-est da (1,10), 9 lettere", Ripeti('A', 9), 1, 10, 1, true},
        {"nord-ovest da (10,3), 6 lettere: esce a sinistra", Ripeti('A', 6), 10, 3, 5, false},
        {"nord-ovest da (10,6), 6 lettere", Ripeti('A', 6), 10, 6, 5, true},
        {"sud-ovest da (1,5), 6 lettere: esce a sinistra", Ripeti('A', 6), 1, 5, 3, false},
        {"nord-est da (6,18), 5 lettere: esce a destra", Ripeti('A', 5), 6, 18, 7, false},
        {"nord-est da (6,14), 5 lettere", Ripeti('A', 5), 6, 14, 7, true},
        {"direzione fuori da 0..7", Ripeti('A', 5), 5, 5, 8, false},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Tavola t;
        EXPECT_EQ(t.Inserisci(caso.parola, caso.riga, caso.colonna, caso.direzione), caso.piazzata);
        EXPECT_EQ(t.p.c.f.List1.ListCount(), caso.piazzata ? 1 : 0);
        EXPECT_EQ(t.p.c.m.UltimaParola, caso.piazzata ? 0 : -1);
    }
}

TEST(InserisciParola, LettereScritteEIncroci) {
    Tavola t;
    ASSERT_TRUE(t.Inserisci("CASA", 2, 2, 1));  // south-east
    EXPECT_EQ(t.Lettera(2, 2), 'C');
    EXPECT_EQ(t.Lettera(5, 5), 'A');
    EXPECT_TRUE(t.Inserisci("SOLE", 4, 4, 0));   // crosses CASA on its S
    EXPECT_FALSE(t.Inserisci("MARE", 5, 5, 4));  // M would overwrite the A at (5,5)
    EXPECT_FALSE(t.Inserisci("RAMO", 5, 2, 0));  // a different letter at the last cell only
    EXPECT_TRUE(t.Inserisci("ROMA", 5, 2, 0));   // the same letter there
    const auto prima = t.p.c.m.Griglia;
    EXPECT_TRUE(t.Inserisci("CASA", 2, 2, 1));  // lies wholly on its own letters: accepted again
    EXPECT_EQ(t.p.c.m.Griglia, prima);
    EXPECT_EQ(t.p.c.f.List1.items, (std::vector<std::string>{"CASA", "CASA", "ROMA", "SOLE"}));
}

TEST(NuovoSchema, SchemaScrittoRigaPerRiga) {
    Tavola t;
    auto& m = t.p.c.m;
    // A board of X with ORO in row 1 and the caption letters in the first free cells.
    for (auto& cella : m.Griglia) cella = 'X' - 64;
    t.Metti(1, 1, 'O'), t.Metti(1, 2, 'R'), t.Metti(1, 3, 'O');
    t.p.c.f.List1.AddItem("ORO");
    m.SoluzioneNuova = "UN X";
    m.NumImmagine = 7;
    m.TabellaImmagini[7][1] = " 2345";  // the length field is written as it stands
    ChiudiSchema(t.p.c);
    const auto testo = t.p.cartella.Leggi("schemi/schema.txt");
    std::string atteso = "OROXXXXXXXXXXXXXXX\r\n";
    for (int r = 1; r < 10; ++r) atteso += Ripeti('X', 18) + "\r\n";
    atteso += "UN X\r\n007  2345\r\nORO\r\n/* fine schema n.001\r\n";
    EXPECT_EQ(testo, atteso);
}

TEST(NuovoSchema, ControlliDellElenco) {
    struct Caso {
        const char* nome;
        std::vector<std::string> parole;
        int messaggio;
    } casi[] = {
        {"CASALE e SALE: SALE dentro una voce precedente", {"CASALE", "SALE"}, 4},
        {"CASA e CASALE: dentro una voce successiva passa", {"CASA", "CASALE"}, 0},
        {"parola doppia", {"CASA", "CASA"}, 3},
        {"doppia e contenuta: prima il controllo dei doppioni", {"CASALE", "SALE", "SALE"}, 3},
        {"elenco vuoto", {}, 0},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(ControllaElenco(caso.parole), caso.messaggio);
    }
}

namespace {

// A game on the current puzzle kTavolaCasa with the generator's data files written by `prepara`.
struct Generazione {
    Partita p;
    std::string corrente;
    explicit Generazione(const std::function<void(const test::CartellaProva&)>& prepara) {
        prepara(p.cartella);
        p.Carica(test::kTavolaCasa, {"CASA"}, "X");
        corrente = p.cartella.Leggi("schemi/schema.txt");
        p.piattaforma.messaggi.clear();
    }
    std::vector<std::string> Messaggi() const { return p.piattaforma.Testi(); }
    void CorrenteIntatto() const {
        EXPECT_EQ(p.cartella.Leggi("schemi/schema.txt"), corrente);
        EXPECT_EQ(p.c.m.Griglia[0], 'C' - 64);  // the current puzzle is back on the board
        EXPECT_EQ(p.c.m.Parole[0], "CASA");
        EXPECT_EQ(p.c.m.Occupato, 0);
    }
};

// Words of random letters from a small alphabet, so that some of them cross.
std::vector<std::string> Parole(int lunghezza, int quante, unsigned seme) {
    std::vector<std::string> v;
    for (int i = 0; i < quante; ++i) {
        std::string w;
        for (int k = 0; k < lunghezza; ++k) w += "AEIOURST"[(seme = seme * 1103515245u + 12345u) >> 16 & 7];
        v.push_back(w);
    }
    return v;
}

}  // namespace

TEST(NuovoSchema, NessunaImmagineAdatta_AnnullaRimetteLoSchemaCorrente) {
    for (const auto& risposte :
         {std::deque<int>{kRispostaAnnulla}, std::deque<int>{kRispostaOk, kRispostaAnnulla}}) {
        SCOPED_TRACE(risposte.size());
        Generazione g([](const test::CartellaProva& d) {
            test::CopiaDatiSpediti(d);
            ScriviCatalogo(d, {"VENTI LETTERE NON ENTRANO"});  // 22 letters: never as many as the free cells
        });
        g.p.piattaforma.risposte = risposte;
        mnuNS_Click(g.p.c);
        EXPECT_EQ(g.Messaggi(), std::vector<std::string>(risposte.size(), testi::kNonChiuso2));
        EXPECT_EQ(g.p.piattaforma.messaggi[0].pulsanti, Pulsanti::OkAnnulla);
        g.CorrenteIntatto();
    }
}

TEST(NuovoSchema, TroppeCelleLibere) {
    Generazione g([](const test::CartellaProva& d) {
        std::map<int, std::vector<std::string>> parole;
        for (int l = 7; l <= 15; ++l) parole[l] = Parole(l, 40, static_cast<unsigned>(l));
        parole[5] = {"QQQQQ", "QQQQZ"};  // two short words cannot fill the board
        parole[6] = {"QQQQQQ", "QQQQQZ"};
        ScriviArchivio(d, parole);
        ScriviCatalogo(d, {"ORO"});
    });
    g.p.piattaforma.risposte = {kRispostaAnnulla};
    mnuNS_Click(g.p.c);
    EXPECT_EQ(g.Messaggi(), std::vector<std::string>{testi::kNonChiuso1});
    g.CorrenteIntatto();
}

TEST(NuovoSchema, NessunaParolaLungaAdatta) {
    Generazione g([](const test::CartellaProva& d) {
        std::map<int, std::vector<std::string>> parole;
        for (int l = 5; l <= 9; ++l) parole[l] = Parole(l, 5, static_cast<unsigned>(l));
        // Every record of the long range is blank: no word to place in the long rows.
        for (int l = 10; l <= 15; ++l) parole[l] = {"", ""};
        ScriviArchivio(d, parole);
        ScriviCatalogo(d, {"ORO"});
    });
    mnuNS_Click(g.p.c);
    EXPECT_EQ(g.Messaggi(), std::vector<std::string>{testi::kRigheLunghe});
    g.CorrenteIntatto();
}

TEST(NuovoSchema, DatiMancanti) {
    struct Caso {
        const char* nome;
        const char* file;
    } casi[] = {
        {"archivio delle parole", "dizionari/dizionario.bbb"},
        {"indice delle lunghezze", "dizionari/indir_bbb.txt"},
        {"catalogo delle immagini", "Immagini.txt"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Generazione g([&](const test::CartellaProva& d) {
            test::CopiaDatiSpediti(d);
            fs::remove(d.percorso() / caso.file);
        });
        mnuNS_Click(g.p.c);
        ASSERT_EQ(g.Messaggi().size(), 1u);
        EXPECT_TRUE(g.Messaggi()[0].starts_with(testi::kDatiGeneratore));
        EXPECT_NE(g.Messaggi()[0].find(fs::path(caso.file).filename().string()), std::string::npos);
        g.CorrenteIntatto();
    }
}

// One clock on a small store of its own gives one exact puzzle: whatever is changed for speed must keep
// the same random draws in the same order and the same words in the same places.
TEST(NuovoSchema, StessoOrologioStessoSchema) {
    Generazione g([](const test::CartellaProva& d) {
        std::map<int, std::vector<std::string>> parole;
        for (int l = 5; l <= 15; ++l) parole[l] = Parole(l, 60, static_cast<unsigned>(l));
        ScriviArchivio(d, parole);
        std::vector<std::string> didascalie;  // every length 0..18, in letters no word has
        for (int n = 0; n <= 18; ++n) didascalie.push_back(Ripeti("BCDFGHLMNPQVZ"[n % 13], n));
        ScriviCatalogo(d, didascalie);
    });
    g.p.piattaforma.orologio = 1234.5;
    g.p.Ricarica();
    mnuNS_Click(g.p.c);
    std::ifstream atteso(TRAMELO_FIXTURES "/schema_generato.txt", std::ios::binary);
    EXPECT_EQ(g.p.cartella.Leggi("schemi/schema.txt"),
              std::string(std::istreambuf_iterator<char>(atteso), {}));
}

// Many generations from fixed clocks on the shipped data: every accepted puzzle is sound.
TEST(NuovoSchema, SoakSuiDatiSpediti) {
    Generazione g(test::CopiaDatiSpediti);
    auto& p = g.p;
    int accettati = 0;
    for (int i = 0; i < 200; ++i) {
        p.piattaforma.orologio = 500.0 + i * 7.5;
        p.Ricarica();
        p.piattaforma.messaggi.clear();
        mnuNS_Click(p.c);
        for (const auto& m : p.piattaforma.messaggi)
            EXPECT_EQ(m.testo.find("Non trovata"), std::string::npos) << i;
        const auto lettura = LeggiSchema(p.cartella.percorso() / "schemi/schema.txt");
        ASSERT_TRUE(lettura.aperto);
        EXPECT_TRUE(std::is_sorted(lettura.parole.begin(), lettura.parole.end())) << i;
        EXPECT_LE(lettura.parole.size(), 40u);
        EXPECT_EQ(static_cast<int>(lettura.parole.size()), p.c.m.NumParole);
        // The picture named by the file carries the solution as its caption.
        const int numero = std::stoi(lettura.rigaImmagine.substr(0, 3));
        ASSERT_GE(numero, 1);
        EXPECT_EQ(p.c.m.TabellaImmagini[static_cast<std::size_t>(numero)][3], lettura.soluzione) << i;
        // Solved, the rings stand over the caption's letters in cell order.
        mnuSoluzione_Click(p.c);
        auto lettere = lettura.soluzione;
        std::erase(lettere, ' ');
        EXPECT_EQ(test::LettereAnellate(p.c), lettere) << i;
        for (int w = 0; w < p.c.m.NumParole; ++w)
            EXPECT_FALSE(p.c.f.Label2[static_cast<std::size_t>(w)].Enabled);
        ++accettati;
    }
    EXPECT_EQ(accettati, 200);
}
