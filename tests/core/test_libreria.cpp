// The library of saved puzzles: numbering, the file list's states and captions, loading, deleting, faults.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/Libreria.h"

using namespace tramelo;
namespace fs = std::filesystem;
using Nomi = std::vector<std::string>;

namespace {

// Two boards told apart by their first letters: GATTO and CANE, SOLE and LUNA.
const Nomi kSchemaA = {"GATTOQWERTYUIOPASD", "CANEZXCVBNMLKJHGFD", "QWERTYUIOPASDFGHJK", "LZXCVBNMQWERTYUIOP",
                       "ASDFGHJKLZXCVBNMQW", "ERTYUIOPASDFGHJKLZ", "XCVBNMQWERTYUIOPAS", "DFGHJKLZXCVBNMQWER",
                       "TYUIOPASDFGHJKLZXC", "VBNMQWERTYUIOPASDF"};
const Nomi kSchemaB = [] {
    auto b = kSchemaA;
    b[0].replace(0, 5, "SOLEM"), b[1].replace(0, 4, "LUNA");
    return b;
}();
const std::string kTestoB = test::TestoSchema(kSchemaB, "notte", "000 00000", {"SOLE", "LUNA"});
const Nomi k001 = {"schema_n_001.txt"};

// A game on puzzle A with the given files in the library, each holding puzzle B.
struct Libreria : test::Partita {
    explicit Libreria(const Nomi& salvati = {}) {
        Carica(kSchemaA, {"GATTO", "CANE"}, "miao");
        for (const auto& n : salvati) cartella.Scrivi("schemi/" + n, kTestoB);
        piattaforma.messaggi.clear();
    }
    fs::path Schemi() const { return cartella.percorso() / "schemi"; }
    void Clicca(const std::string& nome) { c.f.File1.FileName = nome, File1_Click(c); }
    // "C" Carica schema, "X" Cancella schema, "S" Salva schema, "O" a generation is running.
    void Esegui(const std::string& azioni) {
        for (char a : azioni)
            a == 'C'   ? mnuCaricaSchema_Click(c)
            : a == 'X' ? mnuCancellaSchema_Click(c)
            : a == 'S' ? mnuSalvaSchema_Click(c)
                       : void(c.m.Occupato = 1);
    }
    Nomi Messaggi() const { return piattaforma.Testi(); }
    Nomi Salvati() const {  // everything in schemi/ but the current puzzle, sorted
        Nomi v;
        for (const auto& e : fs::directory_iterator(Schemi()))
            if (e.path().filename() != "schema.txt") v.push_back(e.path().filename().string());
        return std::sort(v.begin(), v.end()), v;
    }
    // Which list is open: "" closed, "C" load mode, "X" delete mode, "?" captions and list disagree.
    std::string Stato() const {
        const bool c1 = c.f.mnuCaricaSchema.Caption == testi::kEsciCaricaSchema;
        const bool c2 = c.f.mnuCancellaSchema.Caption == testi::kEsciCancellaSchema;
        if (c.f.File1.Visible != (c1 || c2) || (c1 && c2)) return "?";
        return c1 ? "C" : c2 ? "X" : "";
    }
};

std::string Salvato(const std::string& nome) {
    return testi::kSchemaSalvato + nome;
}
void CartellaPiena(const fs::path& p) {
    fs::remove(p), fs::create_directories(p / "dentro");
}

}  // namespace

TEST(Libreria, NumerazioneDelSalvataggio) {
    const std::tuple<const char*, Nomi, std::string> casi[] = {
        // name, the saved names, the next name (empty: refused)
        {"libreria vuota", {}, "schema_n_001.txt"},
        {"001 e 005 danno 006", {"schema_n_001.txt", "schema_n_005.txt"}, "schema_n_006.txt"},
        {"nome non numerico conta zero", {"schema_n_abc.txt"}, "schema_n_001.txt"},
        {"maiuscole nel nome", {"SCHEMA_N_007.TXT"}, "schema_n_008.txt"},
        {"cifre poi lettere", {"schema_n_12a.txt"}, "schema_n_013.txt"},
        {"nomi fuori modello non contano", {"schema_n_1000.txt", "schema_n_50.txt"}, "schema_n_001.txt"},
        {"998 d\xE0 999", {"schema_n_998.txt"}, "schema_n_999.txt"},
        {"libreria piena a 999", {"schema_n_999.txt", "schema_n_500.txt"}, ""},
    };
    for (const auto& [nome, salvati, atteso] : casi) {
        Libreria p(salvati);
        p.Esegui("S");
        auto attesi = salvati;
        if (!atteso.empty()) attesi.push_back(atteso);
        std::sort(attesi.begin(), attesi.end());
        EXPECT_EQ(p.Salvati(), attesi) << nome;
        EXPECT_EQ(p.Messaggi(), Nomi{atteso.empty() ? testi::kLibreriaPiena : Salvato(atteso)}) << nome;
        EXPECT_TRUE(atteso.empty() ||
                    p.cartella.Leggi("schemi/" + atteso) == p.cartella.Leggi("schemi/schema.txt"));
    }
}

TEST(Libreria, ElencoSoloNomiDelModelloInOrdineSenzaMaiuscole) {
    Libreria p({"schema_n_B01.txt", "schema_n_a02.txt", "SCHEMA_N_003.TXT", "schema_n_001.txt",
                "schema_n_01.txt", "schema_n_004.txt.bak"});
    fs::create_directory(p.Schemi() / "schema_n_005.txt");
    AggiornaFile1(p.c);
    EXPECT_EQ(p.c.f.File1.names,
              (Nomi{"schema_n_001.txt", "SCHEMA_N_003.TXT", "schema_n_a02.txt", "schema_n_B01.txt"}));
}

TEST(Libreria, StatiDellaListaEDidascalie) {
    const std::tuple<Nomi, const char*, const char*, Nomi> casi[] = {
        // saved names, actions, the list state after them, the messages
        {k001, "C", "C", {}},
        {k001, "X", "X", {}},
        {k001, "CC", "", {}},
        {k001, "XC", "", {}},
        {k001, "CX", "", {}},
        {k001, "XCC", "C", {}},
        {{}, "C", "", {testi::kNessunoDaCaricare}},
        {{}, "X", "", {testi::kNessunoDaCancellare}},
        {k001, "CS", "C", {Salvato("schema_n_002.txt")}},  // an open list shows the new file
        {k001, "XS", "X", {Salvato("schema_n_002.txt")}},
        {k001, "XOX", "X", {}},  // busy: Cancella does not close
    };
    for (const auto& [salvati, azioni, stato, messaggi] : casi) {
        Libreria p(salvati);
        p.Esegui(azioni);
        EXPECT_EQ(p.Stato(), stato) << azioni;
        EXPECT_EQ(p.Messaggi(), messaggi) << azioni;
        EXPECT_TRUE(!p.c.f.File1.Visible || p.c.f.File1.names == p.Salvati()) << azioni;
    }
}

TEST(Libreria, CaricaRendeCorrenteLoSchemaScelto) {
    // How the current puzzle file is spelt before the load; empty: missing.
    for (const std::string corrente : {"schema.txt", "SCHEMA.txt", ""}) {
        Libreria p(k001);
        if (corrente != "schema.txt") fs::remove(p.Schemi() / "schema.txt");
        if (corrente == "SCHEMA.txt") p.cartella.Scrivi("schemi/SCHEMA.txt", "vecchio");
        p.Esegui("C");
        p.Clicca("schema_n_001.txt");
        EXPECT_EQ(p.c.m.Griglia[18], 'L' - 64) << corrente;
        EXPECT_EQ(p.Stato(), "") << corrente;
        // One current puzzle file holding the chosen bytes, the chosen file still in the library.
        const std::string nome = corrente.empty() ? "schema.txt" : corrente;
        EXPECT_EQ(p.Salvati(), nome == "schema.txt" ? k001 : (Nomi{nome, k001[0]})) << corrente;
        EXPECT_EQ(p.cartella.Leggi("schemi/" + nome), kTestoB) << corrente;
        p.c.f.Label2[0].Enabled = false;
        mnuRicomincia_Click(p.c);  // starts the loaded puzzle again
        EXPECT_EQ(p.c.m.Parole[1], "LUNA") << corrente;
        EXPECT_TRUE(p.c.f.Label2[0].Enabled) << corrente;
    }
}

TEST(Libreria, CancellaFinoAllUltimoENumeriRiusati) {
    Libreria p({"schema_n_001.txt", "schema_n_002.txt"});
    p.Esegui("X");
    p.Clicca("schema_n_001.txt");
    EXPECT_EQ(p.c.f.File1.names, Nomi{"schema_n_002.txt"});
    EXPECT_EQ(p.Stato() + std::to_string(p.Messaggi().size()), "X0");
    p.Clicca("schema_n_002.txt");
    EXPECT_TRUE(p.Salvati().empty());
    EXPECT_EQ(p.Messaggi(), Nomi{testi::kNessunAltroDaCancellare});
    EXPECT_EQ(p.Stato(), "");
    EXPECT_EQ(p.c.m.Parole[0], "GATTO");
    // The highest deleted: its number is used again; one in the middle: no gap is filled.
    for (const auto& [cancellato, atteso] :
         {std::pair{"schema_n_003.txt", "schema_n_003.txt"}, {"schema_n_002.txt", "schema_n_004.txt"}}) {
        Libreria q;
        q.Esegui("SSSX");
        q.Clicca(cancellato);
        q.Esegui("S");
        EXPECT_EQ(q.Messaggi().back(), Salvato(atteso)) << cancellato;
    }
}

TEST(Libreria, UnGuastoLasciaTuttoComEra) {
    const std::tuple<const char*, Nomi, std::function<void(Libreria&)>, std::string, std::string, const char*>
        casi[] = {
            // name, saved names, what happens, the message, the file it names, the list state after
            {"salvataggio senza schema corrente",
             {},
             [](auto& p) { fs::remove(p.Schemi() / "schema.txt"), p.Esegui("S"); },
             testi::kSchemaMancante,
             "schema.txt",
             ""},
            {"salvataggio su un nome occupato da una cartella", k001,
             [](auto& p) { CartellaPiena(p.Schemi() / "schema_n_002.txt"), p.Esegui("S"); },
             testi::kSchemaGiaPresente, "schema_n_002.txt", ""},
            {"schema scelto sparito",
             {"schema_n_001.txt", "schema_n_002.txt"},
             [](auto& p) { p.Esegui("C"), fs::remove(p.Schemi() / k001[0]), p.Clicca(k001[0]); },
             testi::kSchemaScomparso,
             "schema_n_001.txt",
             "C"},
            {"schema scelto diventato cartella", k001,
             [](auto& p) { p.Esegui("C"), CartellaPiena(p.Schemi() / k001[0]), p.Clicca(k001[0]); },
             testi::kSchemaScomparso, "schema_n_001.txt", ""},
            {"schema corrente non sostituibile", k001,
             [](auto& p) { p.Esegui("C"), CartellaPiena(p.Schemi() / "schema.txt"), p.Clicca(k001[0]); },
             testi::kSostituzioneFallita, "schema.txt", "C"},
            {"schema da cancellare diventato cartella", k001,
             [](auto& p) { p.Esegui("X"), CartellaPiena(p.Schemi() / k001[0]), p.Clicca(k001[0]); },
             testi::kCancellazioneFallita, "schema_n_001.txt", "X"},
            {"nome fuori elenco ignorato", k001,
             [](auto& p) { p.Esegui("X"), p.Clicca("schema.txt"), p.Clicca("../schemi/schema_n_001.txt"); },
             "", "", "X"},
        };
    for (const auto& [nome, salvati, azione, messaggio, file, stato] : casi) {
        Libreria p(salvati);
        const auto corrente = p.cartella.Leggi("schemi/schema.txt");
        azione(p);
        EXPECT_EQ(p.Messaggi(), messaggio.empty() ? Nomi{} : Nomi{messaggio + (p.Schemi() / file).string()})
            << nome;
        EXPECT_EQ(p.c.m.Parole[0], "GATTO") << nome;
        EXPECT_EQ(p.Stato(), stato) << nome;
        EXPECT_TRUE(!fs::is_regular_file(p.Schemi() / "schema.txt") ||
                    p.cartella.Leggi("schemi/schema.txt") == corrente)
            << nome;
        for (const auto& n : p.Salvati())  // no copy, no temporary file left behind
            EXPECT_TRUE(n == file || std::count(salvati.begin(), salvati.end(), n)) << nome << ": " << n;
    }
}
