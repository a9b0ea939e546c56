// The library of saved puzzles: numbering, the list and its captions, loading, deleting, and faults.
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

std::string Salvato(const char* numero) {
    return testi::kSchemaSalvato + std::string("schema_n_") + numero + ".txt";
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
    // "C" Carica, "X" Cancella, "S" Salva schema, "O" busy, "?" clicks `guasto`, a digit schema_n_00<d>.txt;
    // "!" makes `guasto` a non-empty folder or, if empty, caps every file at 100 bytes.
    void Esegui(const std::string& azioni, const std::string& guasto = "") {
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        const rlimit pieno{100, prima.rlim_max};
        for (char a : azioni)
            a == 'C'   ? mnuCaricaSchema_Click(c)
            : a == 'X' ? mnuCancellaSchema_Click(c)
            : a == 'S' ? mnuSalvaSchema_Click(c)
            : a == 'O' ? void(c.m.Occupato = 1)
            : a == '?' ? (c.f.File1.FileName = guasto, File1_Click(c))
            : a != '!' ? (c.f.File1.FileName = std::string("schema_n_00") + a + ".txt", File1_Click(c))
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
        {{"schema_n_001.txt", "schema_n_005.txt"}, "S", "", {Salvato("006")}},  // one past the highest
        {{"schema_n_abc.txt"}, "S", "", {Salvato("001")}},  // no number counts as 0
        {{"SCHEMA_N_007.TXT"}, "S", "", {Salvato("008")}},  // in capitals
        {{"schema_n_12a.txt"}, "S", "", {Salvato("013")}},  // the digits before a letter
        {{"schema_n_1000.txt", "schema_n_50.txt"}, "S", "", {Salvato("001")}},  // off the pattern
        {{"schema_n_998.txt"}, "S", "", {Salvato("999")}},  // the last number
        {{"schema_n_999.txt", "schema_n_500.txt"}, "S", "", {testi::kLibreriaPiena}},  // full at 999
        {k001, "CC", "", {}},  // a second click closes
        {k001, "CX", "", {}},  // either command closes the open list
        {k001, "XCC", "C", {}},  // and the next opens its own
        {{}, "C", "", {testi::kNessunoDaCaricare}},  // nothing to list
        {{}, "X", "", {testi::kNessunoDaCancellare}},
        {k001, "CS", "C", {Salvato("002")}},  // an open list shows the new file
        {k001, "XOX", "X", {}},  // busy: Cancella does not close
        {k002, "X12", "", {testi::kNessunAltroDaCancellare}},  // the last one deleted
        // The highest deleted: its number is used again; one in the middle: no gap is filled.
        {{}, "SSSX3S", "X", {Salvato("001"), Salvato("002"), Salvato("003"), Salvato("003")}},
        {{}, "SSSX2S", "X", {Salvato("001"), Salvato("002"), Salvato("003"), Salvato("004")}},
    };
    // clang-format on
    for (const auto& [salvati, azioni, stato, messaggi] : casi) {
        SCOPED_TRACE(testing::PrintToString(salvati) + azioni);
        Libreria p(salvati);
        p.Esegui(azioni);
        EXPECT_EQ(p.Stato(), stato);
        EXPECT_EQ(p.Messaggi(), messaggi);
        EXPECT_TRUE(!p.c.f.File1.Visible || p.c.f.File1.names == p.Salvati());
        for (const auto& n : p.Salvati())  // a new file is a copy of the current puzzle
            EXPECT_TRUE(std::count(salvati.begin(), salvati.end(), n) ||
                        p.cartella.Leggi("schemi/" + n) == p.cartella.Leggi("schemi/schema.txt"))
                << n;
    }
}

TEST(Libreria, CaricaRendeCorrenteLoSchemaScelto) {
    // How the current puzzle file is spelt before the load; empty: missing.
    for (const std::string corrente : {"schema.txt", "SCHEMA.txt", ""}) {
        Libreria p(k001);
        if (corrente != "schema.txt") fs::remove(p.Schemi() / "schema.txt");
        if (corrente == "SCHEMA.txt") p.cartella.Scrivi("schemi/SCHEMA.txt", "vecchio");
        p.c.f.Label2[0].Enabled = false;
        p.Esegui("C1");
        EXPECT_EQ(p.c.m.Parole[1], "STUV") << corrente;
        EXPECT_TRUE(p.c.f.Label2[0].Enabled) << corrente;
        EXPECT_EQ(p.Stato(), "") << corrente;
        const std::string nome = corrente.empty() ? "schema.txt" : corrente;  // the one current puzzle file
        EXPECT_EQ(p.Salvati(), nome == "schema.txt" ? k001 : (Nomi{nome, k001[0]})) << corrente;
        EXPECT_EQ(p.cartella.Leggi("schemi/" + nome), p.salvato) << corrente;
    }
}

TEST(Libreria, UnGuastoLasciaTuttoComEra) {
    // clang-format off
    const std::string kCartella = " (è una cartella):\r", kPieno = " (disco pieno):\r";
    const std::tuple<Nomi, const char*, const char*, std::string, std::string, const char*, const char*> casi[] = {
        // saved names, actions, `guasto`, the message, its reason, the file it names, the list state after
        {{}, "!S", "schema.txt", testi::kSchemaMancante, kCartella, "schema.txt", ""},  // no current puzzle
        {k001, "!S", "schema_n_002.txt", testi::kSchemaGiaPresente, ":\r", "schema_n_002.txt", ""},  // taken
        {k001, "!S", "", testi::kSalvataggioFallito, kPieno, "schema_n_002.txt", ""},  // disk full
        {k002, "C!1", "schema_n_001.txt", testi::kSchemaScomparso, kCartella, "schema_n_001.txt", "C"},  // more left
        {k001, "C!1", "schema_n_001.txt", testi::kSchemaScomparso, kCartella, "schema_n_001.txt", ""},  // none left
        {k001, "C!1", "schema.txt", testi::kSostituzioneFallita, kCartella, "schema.txt", "C"},  // cannot replace
        {k001, "C!1", "", testi::kSostituzioneFallita, kPieno, "schema.txt", "C"},  // disk full
        {k001, "X!1", "schema_n_001.txt", testi::kCancellazioneFallita, " (errore 39):\r", "schema_n_001.txt", "X"},
        {k001, "X?", "../schemi/schema_n_001.txt", "", "", "", "X"},  // names outside the list are ignored
    };
    // clang-format on
    for (const auto& [salvati, azioni, guasto, messaggio, motivo, file, stato] : casi) {
        SCOPED_TRACE(std::string(azioni) + " " + guasto);
        Libreria p(salvati);
        const auto corrente = p.cartella.Leggi("schemi/schema.txt");
        p.Esegui(azioni, guasto);
        EXPECT_EQ(p.Messaggi(),
                  messaggio.empty() ? Nomi{} : Nomi{messaggio + motivo + (p.Schemi() / file).string()});
        EXPECT_EQ(p.c.m.Parole[0], "CASA");
        EXPECT_EQ(p.Stato(), stato);
        EXPECT_TRUE(!fs::is_regular_file(p.Schemi() / "schema.txt") ||
                    p.cartella.Leggi("schemi/schema.txt") == corrente);
        for (const auto& n : p.Salvati())  // no copy, no temporary file left behind
            EXPECT_TRUE(std::count(salvati.begin(), salvati.end(), n) || fs::is_directory(p.Schemi() / n))
                << n;
    }
}
