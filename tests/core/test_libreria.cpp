// The library of saved puzzles: numbering, the list and its captions, loading, deleting, and faults.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Messaggi.h"
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

struct Libreria;
// One step of a case: a menu command, a click on a name of the list, or something done to the folder.
using Passo = std::function<void(Libreria&)>;

// A game on the CASA board with the given files in the library, each holding the alphabet board.
struct Libreria : test::Partita {
    const std::string salvato =
        test::TestoSchema(test::kTavolaAlfabeto, "abc", "000 00000", {"ABCD", "STUV"});
    explicit Libreria(const Nomi& salvati = {}) {
        Carica(test::kTavolaCasa, {"CASA"}, "casa");
        for (const auto& n : salvati) cartella.Scrivi("schemi/" + n, salvato);
        piattaforma.messaggi.clear();
    }
    void Esegui(const std::vector<Passo>& passi) {
        for (const auto& passo : passi) passo(*this);
        pieno.reset();
    }
    fs::path Schemi() const { return cartella.percorso() / "schemi"; }
    Nomi Salvati() const {  // the regular files in schemi/ but the current puzzle, sorted
        Nomi v;
        for (const auto& e : fs::directory_iterator(Schemi()))
            if (e.path().filename() != "schema.txt" && e.is_regular_file() && !e.is_symlink())
                v.push_back(e.path().filename().string());
        return std::sort(v.begin(), v.end()), v;
    }
    // Which list is open: "" closed, "C" load mode, "X" delete mode, "?" captions and list disagree.
    std::string Stato() const {
        const bool c1 = c.f.mnuCaricaSchema.Caption == testi::kEsciCaricaSchema;
        const bool c2 = c.f.mnuCancellaSchema.Caption == testi::kEsciCancellaSchema;
        if (c.f.File1.Visible != (c1 || c2) || (c1 && c2)) return "?";
        return c1 ? "C" : c2 ? "X" : "";
    }
    std::optional<test::LimiteScrittura> pieno;  // a full disk until the steps of a case end
};

const Passo Salva = [](Libreria& p) { mnuSalvaSchema_Click(p.c); };
const Passo Carica = [](Libreria& p) { mnuCaricaSchema_Click(p.c); };
const Passo Cancella = [](Libreria& p) { mnuCancellaSchema_Click(p.c); };
// Every later write in the case stops at 100 bytes, as on a full disk.
const Passo DiscoPieno = [](Libreria& p) { p.pieno.emplace(); };
Passo Scegli(const std::string& nome) {
    return [nome](Libreria& p) {
        p.c.f.File1.FileName = nome;
        File1_Click(p.c);
    };
}
Passo Scegli(int numero) {
    return Scegli(NomeSchema::Di(numero));
}
// The name becomes a folder that holds a file, so that nothing can remove it.
Passo Cartella(const std::string& nome) {
    return [nome](Libreria& p) {
        fs::remove(p.Schemi() / nome);
        fs::create_directories(p.Schemi() / nome / "x");
    };
}
// The name becomes a link to `bersaglio`, relative to the test folder.
Passo Collegamento(const std::string& nome, const std::string& bersaglio) {
    return [nome, bersaglio](Libreria& p) {
        fs::remove(p.Schemi() / nome);
        fs::create_symlink(p.cartella.percorso() / bersaglio, p.Schemi() / nome);
    };
}
// Another file takes the name (made beside it, then moved over it: a new file, not the one listed).
Passo Sostituisci(const std::string& nome, const std::string& contenuto) {
    return [nome, contenuto](Libreria& p) {
        p.cartella.Scrivi("schemi/nuovo", contenuto);
        fs::rename(p.Schemi() / "nuovo", p.Schemi() / nome);
    };
}

}  // namespace

TEST(Libreria, ElencoSoloFileNormaliDelModelloInOrdineSenzaMaiuscole) {
    Libreria p({"schema_n_B01.txt", "schema_n_a02.txt", "SCHEMA_N_003.TXT", "schema_n_001.txt",
                "schema_x_002.txt", "schema_n_01.txt", "schema_n_004.txt.bak", "schema_n_\n01.txt",
                "schema_n_é1.txt"});
    p.cartella.Scrivi("privato.txt", p.salvato);
    p.Esegui({Cartella("schema_n_005.txt"), Collegamento("schema_n_006.txt", "privato.txt"),
              Collegamento("schema_n_007.txt", "manca.txt")});
    AggiornaFile1(p.c);
    // The name in UTF-8 is listed as it is spelt; a link, a folder, a name with a line break are not.
    EXPECT_EQ(p.c.f.File1.names, (Nomi{"schema_n_001.txt", "SCHEMA_N_003.TXT", "schema_n_a02.txt",
                                       "schema_n_B01.txt", "schema_n_é1.txt"}));
}

TEST(Libreria, StatiDellaListaEDidascalie) {
    const std::tuple<const char*, Nomi, std::vector<Passo>, const char*, Nomi> casi[] = {
        // name, saved names, steps, the list state after them, the messages
        // clang-format off
        {"uno oltre il più alto", {"schema_n_001.txt", "schema_n_005.txt"}, {Salva}, "", {Salvato("006")}},
        {"senza numero conta 0", {"schema_n_abc.txt"}, {Salva}, "", {Salvato("001")}},
        {"in maiuscole", {"SCHEMA_N_007.TXT"}, {Salva}, "", {Salvato("008")}},
        {"le cifre prima di una lettera", {"schema_n_12a.txt"}, {Salva}, "", {Salvato("013")}},
        {"fuori dal modello", {"schema_n_1000.txt", "schema_n_50.txt"}, {Salva}, "", {Salvato("001")}},
        {"l'ultimo numero", {"schema_n_998.txt"}, {Salva}, "", {Salvato("999")}},
        {"piena a 999", {"schema_n_999.txt", "schema_n_500.txt"}, {Salva}, "", {TestoLibreriaPiena()}},
        // What the list does not show never blocks a save: the next number that can really be written is used.
        {"una cartella al numero seguente", k001, {Cartella("schema_n_002.txt"), Salva}, "", {Salvato("003")}},
        {"una cartella in maiuscole", k001, {Cartella("SCHEMA_N_002.TXT"), Salva}, "", {Salvato("003")}},
        {"un collegamento rotto", k001, {Collegamento("schema_n_002.txt", "manca.txt"), Salva}, "", {Salvato("003")}},
        {"l'ultimo numero occupato", {"schema_n_998.txt"}, {Cartella("schema_n_999.txt"), Salva}, "", {TestoLibreriaPiena()}},
        {"l'altro comando chiude la lista", k001, {Carica, Cancella}, "", {}},
        {"e il seguente apre la sua", k001, {Cancella, Carica, Carica}, "C", {}},
        {"niente da caricare", {}, {Carica}, "", {testi::kNessunoDaCaricare}},
        {"niente da cancellare", {}, {Cancella}, "", {testi::kNessunoDaCancellare}},
        {"la lista aperta mostra il nuovo file", k001, {Carica, Salva}, "C", {Salvato("002")}},
        {"cancellato l'ultimo", k002, {Cancella, Scegli(1), Scegli(2)}, "", {testi::kNessunAltroDaCancellare}},
        {"cancellato il più alto, il suo numero torna", {}, {Salva, Salva, Salva, Cancella, Scegli(3), Salva}, "X", {Salvato("001"), Salvato("002"), Salvato("003"), Salvato("003")}},
        // clang-format on
    };
    EXPECT_TRUE(TestoLibreriaPiena().starts_with("La libreria è piena: schema_n_999.txt è l'ultimo"));
    for (const auto& [nome, salvati, passi, stato, messaggi] : casi) {
        SCOPED_TRACE(nome);
        Libreria p(salvati);
        p.Esegui(passi);
        EXPECT_EQ(p.Stato(), stato);
        EXPECT_EQ(p.piattaforma.Testi(), messaggi);
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
        p.Esegui({Carica, Scegli(1)});
        const std::string nome = corrente.empty() ? "schema.txt" : corrente;  // the one current puzzle file
        EXPECT_EQ(p.Salvati(), nome == "schema.txt" ? k001 : (Nomi{nome, k001[0]})) << corrente;
        EXPECT_EQ(p.cartella.Leggi("schemi/" + nome), p.salvato) << corrente;
    }
}

TEST(Libreria, UnGuastoLasciaTuttoComEra) {
    const std::string kCartella = " (è una cartella):\r", kPieno = " (disco pieno):\r";
    const std::string kAltro = test::TestoSchema(test::kTavolaAlfabeto, "xyz", "000 00000", {"WXYZ"});
    const std::tuple<const char*, Nomi, std::vector<Passo>, std::string, std::string, const char*,
                     const char*>
        casi[] = {
            // name, saved names, steps, the message, its reason, the file it names, the list state after
            // clang-format off
            {"nessuno schema corrente", {}, {Cartella("schema.txt"), Salva}, testi::kSchemaMancante, kCartella, "schema.txt", ""},
            {"disco pieno al salvataggio", k001, {DiscoPieno, Salva}, testi::kSalvataggioFallito, kPieno, "schema_n_002.txt", ""},
            {"lo scelto illeggibile, ne restano altri", k002, {Carica, Cartella("schema_n_001.txt"), Scegli(1)}, testi::kElencoCambiato, ":\r", "schema_n_001.txt", "C"},
            {"lo scelto illeggibile, nessun altro", k001, {Carica, Cartella("schema_n_001.txt"), Scegli(1)}, testi::kElencoCambiato, ":\r", "schema_n_001.txt", ""},
            {"lo schema corrente non si può sostituire", k001, {Carica, Cartella("schema.txt"), Scegli(1)}, testi::kSostituzioneFallita, kCartella, "schema.txt", "C"},
            {"disco pieno al caricamento", k001, {Carica, DiscoPieno, Scegli(1)}, testi::kSostituzioneFallita, kPieno, "schema.txt", "C"},
            {"lo scelto da cancellare è ora una cartella", k002, {Cancella, Cartella("schema_n_001.txt"), Scegli(1)}, testi::kElencoCambiato, ":\r", "schema_n_001.txt", "X"},
            // A click acts only on the very file the list showed under that name: whatever took the name since
            // is neither loaded nor deleted, and the list is read again.
            {"carica: un collegamento a un file privato", k002, {Carica, Collegamento("schema_n_001.txt", "privato.txt"), Scegli(1)}, testi::kElencoCambiato, ":\r", "schema_n_001.txt", "C"},
            {"carica: sostituito da un altro file", k002, {Carica, Sostituisci("schema_n_001.txt", kAltro), Scegli(1)}, testi::kElencoCambiato, ":\r", "schema_n_001.txt", "C"},
            {"cancella: sostituito da un altro file", k002, {Cancella, Sostituisci("schema_n_001.txt", kAltro), Scegli(1)}, testi::kElencoCambiato, ":\r", "schema_n_001.txt", "X"},
            {"un nome fuori dalla lista è ignorato", k001, {Cancella, Scegli("../schemi/schema_n_001.txt")}, "", "", "", "X"},
            // clang-format on
        };
    for (const auto& [nome, salvati, passi, messaggio, motivo, file, stato] : casi) {
        SCOPED_TRACE(nome);
        Libreria p(salvati);
        p.cartella.Scrivi("privato.txt", kAltro);
        const auto corrente = p.cartella.Leggi("schemi/schema.txt");
        p.Esegui(passi);
        EXPECT_EQ(p.piattaforma.Testi(),
                  messaggio.empty() ? Nomi{} : Nomi{messaggio + motivo + (p.Schemi() / file).string()});
        EXPECT_EQ(p.c.m.Parole[0], "CASA");
        EXPECT_EQ(p.Stato(), stato);
        EXPECT_TRUE(!p.c.f.File1.Visible || p.c.f.File1.names == p.Salvati());
        EXPECT_TRUE(!fs::is_regular_file(p.Schemi() / "schema.txt") ||
                    p.cartella.Leggi("schemi/schema.txt") == corrente);
        for (const auto& n : p.Salvati())  // no copy, no temporary file left behind
            EXPECT_TRUE(std::count(salvati.begin(), salvati.end(), n)) << n;
        for (const auto& n : salvati)  // nothing deleted, not even what took a listed name
            EXPECT_TRUE(fs::exists(fs::symlink_status(p.Schemi() / n))) << n;
    }
}

// The list's keys on 30 names shown 5 rows at a time: the current entry and the first row shown. Return
// chooses the current entry as a click does.
TEST(Libreria, TastiDellaLista) {
    using enum TastoLista;
    constexpr int kRighe = 5;
    const std::tuple<const char*, std::vector<TastoLista>, int, int> casi[] = {
        // clang-format off
        // name, the keys, the current entry after them (-1: none), the first row shown; after Invio, -2: loaded
        {"giù senza voce corrente: la prima riga mostrata", {Giu}, 0, 0},
        {"su dalla prima: resta la prima", {Giu, Su}, 0, 0},
        {"pagina giù: l'ultima riga mostrata", {Giu, PaginaGiu}, 4, 0},
        {"pagina giù due volte: scorre", {Giu, PaginaGiu, PaginaGiu}, 8, 4},
        {"giù dall'ultima: resta l'ultima", {Fine, Giu}, 29, 25},
        {"fine, pagina su: la prima riga mostrata", {Fine, PaginaSu}, 25, 25},
        {"fine, pagina su due volte", {Fine, PaginaSu, PaginaSu}, 21, 21},
        {"fine, inizio", {Fine, Inizio}, 0, 0},
        {"invio senza voce corrente: nulla", {Invio}, -1, 0},
        {"invio sulla prima: la carica", {Giu, Invio}, -2, 0},
        // clang-format on
    };
    Nomi nomi;
    for (int n = 1; n <= 30; ++n) nomi.push_back(NomeSchema::Di(n));
    for (const auto& [nome, tasti, corrente, prima] : casi) {
        SCOPED_TRACE(nome);
        Libreria p(nomi);
        p.Esegui({Carica});
        for (auto tasto : tasti) File1_KeyDown(p.c, tasto, kRighe);
        if (corrente == -2) {
            EXPECT_EQ(p.Stato(), "");
            EXPECT_EQ(p.c.m.Parole[1], "STUV");
            continue;
        }
        EXPECT_EQ(std::pair(p.c.f.File1.ListIndex, p.c.f.File1.PrimaMostrata(kRighe)),
                  std::pair(corrente, prima));
        EXPECT_EQ(p.Stato(), "C");
    }
}
