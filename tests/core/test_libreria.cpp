// The library of saved puzzles: numbering, the file list's states and captions, loading, deleting, and
// faults, among them writes cut short by a full disk.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/Libreria.h"

using namespace tramelo;
namespace fs = std::filesystem;
using Nomi = std::vector<std::string>;

namespace {

const Nomi k001 = {"schema_n_001.txt"}, k002 = {"schema_n_001.txt", "schema_n_002.txt"};

std::string Salvato(char numero) {
    return testi::kSchemaSalvato + std::string("schema_n_00") + numero + ".txt";
}

// A game on the CASA board with the given files in the library, each holding the alphabet board.
struct Libreria : test::Partita {
    const std::string salvato =
        test::TestoSchema(test::kTavolaAlfabeto, "abc", "000 00000", {"ABCD", "STUV"});
    explicit Libreria(const Nomi& salvati = {}) {
        Carica(test::kTavolaCasa, {"CASA"}, "casa");
        for (const auto& n : salvati) cartella.Scrivi("schemi/" + n, salvato);
        piattaforma.messaggi.clear();
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the size limit fails instead of killing the process
    }
    fs::path Schemi() const { return cartella.percorso() / "schemi"; }
    void Clicca(const std::string& nome) { c.f.File1.FileName = nome, File1_Click(c); }
    // "C" Carica schema, "X" Cancella schema, "S" Salva schema, "O" a generation is running, a digit clicks
    // schema_n_00<digit>.txt in the list, "?" clicks `guasto`; "!" turns `guasto` into a folder with
    // something in it or, when `guasto` is empty, fills the disk: no file grows past 100 bytes.
    void Esegui(const std::string& azioni, const std::string& guasto = "") {
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        const rlimit pieno{100, prima.rlim_max};
        for (char a : azioni)
            a == 'C'   ? mnuCaricaSchema_Click(c)
            : a == 'X' ? mnuCancellaSchema_Click(c)
            : a == 'S' ? mnuSalvaSchema_Click(c)
            : a == 'O' ? void(c.m.Occupato = 1)
            : a == '?' ? Clicca(guasto)
            : a != '!' ? Clicca(std::string("schema_n_00") + a + ".txt")
            : guasto.empty()
                ? void(setrlimit(RLIMIT_FSIZE, &pieno))
                : (fs::remove(Schemi() / guasto), void(fs::create_directories(Schemi() / guasto / "x")));
        setrlimit(RLIMIT_FSIZE, &prima);
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
        EXPECT_EQ(p.Salvati().size(), salvati.size() + !atteso.empty()) << nome;
        EXPECT_EQ(p.Messaggi(), Nomi{atteso.empty() ? testi::kLibreriaPiena : testi::kSchemaSalvato + atteso})
            << nome;
        EXPECT_TRUE(atteso.empty() ||
                    p.cartella.Leggi("schemi/" + atteso) == p.cartella.Leggi("schemi/schema.txt"))
            << nome;
    }
}

TEST(Libreria, ElencoSoloNomiDelModelloInOrdineSenzaMaiuscole) {
    Libreria p({"schema_n_B01.txt", "schema_n_a02.txt", "SCHEMA_N_003.TXT", "schema_n_001.txt",
                "schema_x_002.txt", "schema_n_01.txt", "schema_n_004.txt.bak"});
    fs::create_directory(p.Schemi() / "schema_n_005.txt");
    AggiornaFile1(p.c);
    EXPECT_EQ(p.c.f.File1.names,
              (Nomi{"schema_n_001.txt", "SCHEMA_N_003.TXT", "schema_n_a02.txt", "schema_n_B01.txt"}));
}

TEST(Libreria, StatiDellaListaEDidascalie) {
    // clang-format off
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
        {k001, "CS", "C", {Salvato('2')}},  // an open list shows the new file
        {k001, "XS", "X", {Salvato('2')}},
        {k001, "XOX", "X", {}},  // busy: Cancella does not close
        {k002, "X1", "X", {}},
        {k002, "X12", "", {testi::kNessunAltroDaCancellare}},
        // The highest deleted: its number is used again; one in the middle: no gap is filled.
        {{}, "SSSX3S", "X", {Salvato('1'), Salvato('2'), Salvato('3'), Salvato('3')}},
        {{}, "SSSX2S", "X", {Salvato('1'), Salvato('2'), Salvato('3'), Salvato('4')}},
    };
    // clang-format on
    for (const auto& [salvati, azioni, stato, messaggi] : casi) {
        Libreria p(salvati);
        p.Esegui(azioni);
        EXPECT_EQ(p.Stato(), stato) << azioni;
        EXPECT_EQ(p.Messaggi(), messaggi) << azioni;
        EXPECT_TRUE(!p.c.f.File1.Visible || p.c.f.File1.names == p.Salvati()) << azioni;
        EXPECT_EQ(p.c.m.Parole[0], "CASA") << azioni;
    }
}

TEST(Libreria, CaricaRendeCorrenteLoSchemaScelto) {
    // How the current puzzle file is spelt before the load; empty: missing.
    for (const std::string corrente : {"schema.txt", "SCHEMA.txt", ""}) {
        Libreria p(k001);
        if (corrente != "schema.txt") fs::remove(p.Schemi() / "schema.txt");
        if (corrente == "SCHEMA.txt") p.cartella.Scrivi("schemi/SCHEMA.txt", "vecchio");
        p.Esegui("C1");
        EXPECT_EQ(p.c.m.Griglia[18], 'S' - 64) << corrente;
        EXPECT_EQ(p.Stato(), "") << corrente;
        // One current puzzle file holding the chosen bytes, the chosen file still in the library.
        const std::string nome = corrente.empty() ? "schema.txt" : corrente;
        EXPECT_EQ(p.Salvati(), nome == "schema.txt" ? k001 : (Nomi{nome, k001[0]})) << corrente;
        EXPECT_EQ(p.cartella.Leggi("schemi/" + nome), p.salvato) << corrente;
        p.c.f.Label2[0].Enabled = false;
        mnuRicomincia_Click(p.c);  // starts the loaded puzzle again
        EXPECT_EQ(p.c.m.Parole[1], "STUV") << corrente;
        EXPECT_TRUE(p.c.f.Label2[0].Enabled) << corrente;
    }
}

TEST(Libreria, UnGuastoLasciaTuttoComEra) {
    // clang-format off
    const std::tuple<Nomi, const char*, const char*, std::string, const char*, const char*> casi[] = {
        // saved names, actions, `guasto`, the message, the file it names, the list state after
        {{}, "!S", "schema.txt", testi::kSchemaMancante, "schema.txt", ""},
        {k001, "!S", "schema_n_002.txt", testi::kSchemaGiaPresente, "schema_n_002.txt", ""},
        {k001, "!S", "", testi::kSalvataggioFallito, "schema_n_002.txt", ""},
        {k002, "C!1", "schema_n_001.txt", testi::kSchemaScomparso, "schema_n_001.txt", "C"},
        {k001, "C!1", "schema_n_001.txt", testi::kSchemaScomparso, "schema_n_001.txt", ""},
        {k001, "C!1", "schema.txt", testi::kSostituzioneFallita, "schema.txt", "C"},
        {k001, "C!1", "", testi::kSostituzioneFallita, "schema.txt", "C"},
        {k001, "X!1", "schema_n_001.txt", testi::kCancellazioneFallita, "schema_n_001.txt", "X"},
        {k001, "X?", "schema.txt", "", "", "X"},  // names outside the list are ignored
        {k001, "X?", "../schemi/schema_n_001.txt", "", "", "X"},
    };
    // clang-format on
    for (const auto& [salvati, azioni, guasto, messaggio, file, stato] : casi) {
        const auto riga = std::string(azioni) + " " + guasto;
        Libreria p(salvati);
        const auto corrente = p.cartella.Leggi("schemi/schema.txt");
        p.Esegui(azioni, guasto);
        EXPECT_EQ(p.Messaggi(), messaggio.empty() ? Nomi{} : Nomi{messaggio + (p.Schemi() / file).string()})
            << riga;
        EXPECT_EQ(p.c.m.Parole[0], "CASA") << riga;
        EXPECT_EQ(p.Stato(), stato) << riga;
        EXPECT_TRUE(!fs::is_regular_file(p.Schemi() / "schema.txt") ||
                    p.cartella.Leggi("schemi/schema.txt") == corrente)
            << riga;
        for (const auto& n : p.Salvati())  // no copy, no temporary file left behind
            EXPECT_TRUE(std::count(salvati.begin(), salvati.end(), n) || fs::is_directory(p.Schemi() / n))
                << riga << ": " << n;
    }
}
