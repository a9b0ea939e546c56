// Broken outside files: whatever the puzzle file, index, catalogue, word store or picture store hold, or
// whatever stands in their place (a FIFO, a device, a huge file), the game names the file it could not
// use, never hangs, keeps a consistent board and changes no file it did not mean to.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "files/Dizionario.h"
#include "files/FileSchema.h"
#include "files/Testo.h"

namespace fs = std::filesystem;
using namespace tramelo;

namespace {

constexpr const char* kSchema = "schemi/schema.txt";
constexpr const char* kIndice = "dizionari/indir_bbb.txt";
constexpr const char* kArchivio = "dizionari/dizionario.bbb";
constexpr const char* kCatalogo = "Immagini.txt";
constexpr const char* kImmagini = "Immagini.jpg";

using Foto = std::map<std::string, std::string>;

// Every file below the folder, by relative name: a regular file's bytes (a huge one's size), where a link
// points, or what else it is.
Foto Fotografa(const test::CartellaProva& d) {
    Foto foto;
    for (const auto& e : fs::recursive_directory_iterator(d.percorso())) {
        const auto nome = fs::relative(e.path(), d.percorso()).generic_string();
        if (e.is_symlink())
            foto[nome] = "-> " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file())
            foto[nome] = e.file_size() > 50'000'000 ? std::to_string(e.file_size()) : d.Leggi(nome);
        else if (!e.is_directory())
            foto[nome] = "non un file";
    }
    return foto;
}

std::string Casuali(std::size_t n, unsigned seme) {
    std::mt19937 g(seme);
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(g() & 0xFF);
    return s;
}

std::string Sostituisci(std::string s, const std::string& da, const std::string& a) {
    for (std::size_t i = 0; (i = s.find(da, i)) != std::string::npos; i += a.size())
        s.replace(i, da.size(), a);
    return s;
}

// Each line (CR LF ends) lengthened by `n` copies of `c`.
std::string Allunga(const std::string& testo, std::size_t n, char c) {
    return Sostituisci(testo, "\r\n", std::string(n, c) + "\r\n");
}

// The shipped data and puzzle, laid out in a fresh game folder.
void DatiSpediti(const test::CartellaProva& d) {
    const fs::path dati(TRAMELO_DATA_DIR);
    fs::copy(dati / "dizionari", d.percorso() / "dizionari", fs::copy_options::recursive);
    for (const char* f : {kCatalogo, kImmagini, kSchema}) fs::copy(dati / f, d.percorso() / f);
}

// Offset in the store of the shipped puzzle's picture, from the shipped catalogue.
std::size_t InizioImmagineSpedita(const test::CartellaProva& d) {
    const auto riga = LeggiSchema(d.percorso() / kSchema).rigaImmagine;
    std::vector<std::string> righe;
    LeggiRighe(d.percorso() / kCatalogo, static_cast<std::size_t>(ValIntero(Mid(riga, 1, 3)) - 1), righe);
    std::size_t s = 0;
    for (const auto& r : righe) s += static_cast<std::size_t>(ValIntero(Mid(r, 5, 5)));
    return s;
}

struct Caso {
    const char* nome;
    const char* file;                                                // the file broken by the case
    std::function<void(test::CartellaProva&, std::string&)> guasta;  // changes the bytes; may remove the file
    const char* nominato;  // the file a message must name; nullptr: no message names a file
    bool genera = false;   // then also try a new puzzle
};

void Togli(test::CartellaProva& d, const char* f) {
    fs::remove(d.percorso() / f);
}

// What can stand in a file's place without being a file the game should read.
void Fifo(test::CartellaProva& d, const char* f) {
    Togli(d, f);
    ::mkfifo((d.percorso() / f).c_str(), 0644);
}
void VersoZero(test::CartellaProva& d, const char* f) {
    Togli(d, f);
    fs::create_symlink("/dev/zero", d.percorso() / f);
}
void Enorme(test::CartellaProva& d, const char* f) {  // 200 MB, sparse
    d.Scrivi(f, "");
    fs::resize_file(d.percorso() / f, 200'000'000);
}

// Runs one case: load, play the solution, maybe generate; checks messages, board and files.
void Esegui(const Caso& k) {
    SCOPED_TRACE(k.nome);
    test::Partita p;
    DatiSpediti(p.cartella);
    const std::string originale = p.cartella.Leggi(k.file);
    std::string byte = originale;
    k.guasta(p.cartella, byte);
    if (byte != originale) p.cartella.Scrivi(k.file, byte);
    const auto prima = Fotografa(p.cartella);

    ::alarm(60);  // a read that blocks fails the test instead of hanging it
    p.Ricarica();
    mnuSoluzione_Click(p.c);
    if (k.genera) {
        p.piattaforma.risposte.assign(20, kRispostaAnnulla);
        mnuNS_Click(p.c);
    }

    ::alarm(0);
    const auto cartella = p.cartella.percorso().string();
    bool nominato = false, altriFile = false;
    const auto detti = p.piattaforma.Testi();
    for (const auto& t : detti) {
        if (t.find(cartella) == std::string::npos) continue;
        EXPECT_EQ(std::count(detti.begin(), detti.end(), t), 1) << "said again: " << t;
    }
    for (const auto& m : p.piattaforma.messaggi) {
        if (k.nominato && m.testo.find((p.cartella.percorso() / k.nominato).string()) != std::string::npos)
            nominato = true;
        else if (m.testo.find(cartella) != std::string::npos &&
                 m.testo.find("FileTemp.jpg") == std::string::npos)
            altriFile = true;
    }
    if (k.nominato) {
        EXPECT_TRUE(nominato) << "no message names " << k.nominato;
    } else {
        EXPECT_FALSE(altriFile) << "a message names a file";
    }

    const auto& m = p.c.m;
    EXPECT_EQ(m.Occupato, 0);
    ASSERT_GE(m.NumParole, 0);
    ASSERT_LE(m.NumParole, kMaxParole);
    for (int i = 0; i < kCelle; ++i) {
        const auto c = static_cast<std::size_t>(i);
        if (p.c.f.Image1[c].Visible) {
            EXPECT_TRUE(m.Griglia[c] >= 1 && m.Griglia[c] <= 26) << "cell " << i;
        }
    }
    for (int w = 0; w < kMaxParole; ++w)
        EXPECT_EQ(p.c.f.Label2[static_cast<std::size_t>(w)].Caption,
                  w < m.NumParole ? m.Parole[static_cast<std::size_t>(w)] : "")
            << "label " << w;

    // Only FileTemp.jpg may change, and the current puzzle when a new one was written whole.
    auto dopo = Fotografa(p.cartella);
    dopo.erase("FileTemp.jpg");
    if (k.genera && dopo.count(kSchema) && prima.count(kSchema) && dopo[kSchema] != prima.at(kSchema)) {
        EXPECT_TRUE(dopo[kSchema].ends_with("/* fine schema n.001\r\n"));
        dopo[kSchema] = prima.at(kSchema);
    }
    auto attese = prima;
    attese.erase("FileTemp.jpg");
    EXPECT_TRUE(dopo == attese) << "files changed, added or removed";
}

}  // namespace

TEST(IngressiErrati, FileSchema) {
    const Caso casi[] = {
        // clang-format off
        {"schema mancante", kSchema, [](auto& d, auto&) { Togli(d, kSchema); }, kSchema},
        {"schema vuoto", kSchema, [](auto&, auto& b) { b.clear(); }, kSchema},
        {"schema troncato dopo un byte", kSchema, [](auto&, auto& b) { b.resize(1); }, kSchema},
        {"schema troncato a metà tavola", kSchema, [](auto&, auto& b) { b.resize(100); }, kSchema},
        {"schema troncato nella riga immagine", kSchema, [](auto&, auto& b) { b.resize(20 * 10 + 18); }, kSchema},
        {"schema troncato a metà elenco", kSchema, [](auto&, auto& b) { b.resize(b.size() - 40); }, kSchema},
        {"schema di byte casuali", kSchema, [](auto&, auto& b) { b = Casuali(600, 1); }, kSchema},
        {"schema con righe lunghissime", kSchema, [](auto&, auto& b) {
             const auto fine = b.find("/*");
             b = Allunga(b.substr(0, fine), 1500, 'Q') + b.substr(fine); }, nullptr},
        {"schema con soli CR", kSchema, [](auto&, auto& b) { b = Sostituisci(b, "\r\n", "\r"); }, nullptr},
        {"schema con soli LF", kSchema, [](auto&, auto& b) { b = Sostituisci(b, "\r\n", "\n"); }, nullptr},
        {"schema con 60 parole senza chiusura", kSchema, [](auto&, auto& b) {
             b = b.substr(0, b.find("/*"));
             for (int i = 0; i < 60; ++i) b += "PAROLA\r\n"; }, nullptr},
        {"immagine numero 999", kSchema, [](auto&, auto& b) {
             const auto i = b.find("\r\n", b.find("\r\n", 19 * 10) + 2); b.replace(i + 2, 3, "999"); }, kSchema},
        {"immagine oltre il catalogo", kSchema, [](auto& d, auto& b) {
             d.Scrivi(kCatalogo, d.Leggi(kCatalogo).substr(0, 2000));
             const auto i = b.find("\r\n", b.find("\r\n", 19 * 10) + 2); b.replace(i + 2, 3, "500"); }, kCatalogo},
        {"lunghezza dell'immagine oltre l'archivio", kSchema, [](auto& d, auto& b) {
             std::vector<std::string> righe;
             LeggiRighe(d.percorso() / kCatalogo, kMaxImmagini, righe);
             const auto i = b.find("\r\n", b.find("\r\n", 19 * 10) + 2);
             b.replace(i + 2, b.find("\r\n", i + 2) - i - 2, Formato000(static_cast<int>(righe.size())) + " 99999");
         }, kImmagini},
        // clang-format on
    };
    for (const auto& k : casi) Esegui(k);
}

TEST(IngressiErrati, IndiceDelleLunghezze) {
    const Caso casi[] = {
        // clang-format off
        {"indice mancante", kIndice, [](auto& d, auto&) { Togli(d, kIndice); }, kIndice, true},
        {"indice vuoto", kIndice, [](auto&, auto& b) { b.clear(); }, kIndice, true},
        {"indice di cinque righe", kIndice, [](auto&, auto& b) { b.resize(18 * 5); }, kIndice, true},
        {"indice troncato a metà riga", kIndice, [](auto&, auto& b) { b.resize(18 * 10 + 8); }, kIndice, true},
        {"indice di byte casuali", kIndice, [](auto&, auto& b) { b = Casuali(b.size(), 2); }, kIndice, true},
        {"indice fuori ordine", kIndice, [](auto&, auto& b) {
             b = b.substr(18, 18) + b.substr(0, 18) + b.substr(36); }, kIndice, true},
        {"indice oltre la fine dell'archivio", kIndice, [](auto&, auto& b) {
             b.replace(b.size() - 8, 6, "099999"); }, kArchivio, true},
        {"indice con righe lunghissime", kIndice, [](auto&, auto& b) { b = Allunga(b, 100000, '9'); }, nullptr},
        {"indice con soli CR", kIndice, [](auto&, auto& b) { b = Sostituisci(b, "\r\n", "\r"); }, nullptr},
        {"indice con soli LF", kIndice, [](auto&, auto& b) { b = Sostituisci(b, "\r\n", "\n"); }, nullptr, true},
        // Named at loading already, not only when Nuovo schema refuses it.
        {"indice con una lunghezza vuota", kIndice, [](auto&, auto& b) {
             const auto primo = Formato000(ValIntero(Mid(b, b.size() - 14, 6)) - 1);  // the last length: no word
             b.replace(b.size() - 8, 6, std::string(6 - primo.size(), '0') + primo); }, kIndice},
        // clang-format on
    };
    for (const auto& k : casi) Esegui(k);
}

TEST(IngressiErrati, Catalogo) {
    const Caso casi[] = {
        // clang-format off
        {"catalogo mancante", kCatalogo, [](auto& d, auto&) { Togli(d, kCatalogo); }, kCatalogo, true},
        {"catalogo vuoto", kCatalogo, [](auto&, auto& b) { b.clear(); }, kCatalogo, true},
        {"catalogo troncato dopo un byte", kCatalogo, [](auto&, auto& b) { b.resize(1); }, kCatalogo, true},
        {"catalogo troncato prima dell'immagine dello schema", kCatalogo, [](auto&, auto& b) {
             b.resize(b.size() / 8 + 7); }, kCatalogo},
        {"catalogo di byte casuali", kCatalogo, [](auto&, auto& b) { b = Casuali(b.size(), 3); }, kCatalogo, true},
        {"catalogo con righe lunghissime", kCatalogo, [](auto&, auto& b) {
             b = Allunga(b.substr(0, b.find("\r\n") + 2), 100000, 'Z') + b.substr(b.find("\r\n") + 2); }, kCatalogo},
        {"catalogo con soli CR", kCatalogo, [](auto&, auto& b) { b = Sostituisci(b, "\r\n", "\r"); }, nullptr},
        {"catalogo con soli LF", kCatalogo, [](auto&, auto& b) { b = Sostituisci(b, "\r\n", "\n"); }, nullptr},
        {"catalogo di 700 righe", kCatalogo, [](auto&, auto& b) {
             for (int i = 0; i < 700; ++i) b += "000000100 ORO jpg\r\n"; }, nullptr, true},
        {"didascalie minuscole", kCatalogo, [](auto&, auto& b) {
             for (auto& ch : b) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); }, kCatalogo, true},
        {"una didascalia accentata", kCatalogo, [](auto&, auto& b) { b.replace(b.find(" ABETE ") + 1, 1, "\xC0"); },
         kCatalogo, true},
        // clang-format on
    };
    for (const auto& k : casi) Esegui(k);
}

TEST(IngressiErrati, ArchivioDelleParole) {
    const Caso casi[] = {
        // clang-format off
        {"archivio mancante", kArchivio, [](auto& d, auto&) { Togli(d, kArchivio); }, kArchivio, true},
        {"archivio vuoto", kArchivio, [](auto&, auto& b) { b.clear(); }, kArchivio, true},
        {"archivio troncato a metà", kArchivio, [](auto&, auto& b) { b.resize(b.size() / 2); }, kArchivio, true},
        {"archivio senza l'ultimo byte", kArchivio, [](auto&, auto& b) { b.pop_back(); }, kArchivio, true},
        {"archivio di byte casuali", kArchivio, [](auto&, auto& b) { b = Casuali(b.size(), 4); }, kArchivio, true},
        // clang-format on
    };
    for (const auto& k : casi) Esegui(k);
}

TEST(IngressiErrati, ArchivioDelleImmagini) {
    const Caso casi[] = {
        // clang-format off
        {"immagini mancanti", kImmagini, [](auto& d, auto&) { Togli(d, kImmagini); }, kImmagini},
        {"immagini vuote", kImmagini, [](auto&, auto& b) { b.clear(); }, kImmagini},
        {"immagini troncate dentro l'immagine", kImmagini, [](auto& d, auto& b) {
             b.resize(InizioImmagineSpedita(d) + 100); }, kImmagini},
        {"immagini di byte casuali", kImmagini, [](auto&, auto& b) { b = Casuali(b.size(), 5); }, kImmagini},
        // clang-format on
    };
    for (const auto& k : casi) Esegui(k);
}

// A FIFO, a link to an endless device or a 200 MB file in the place of each data file.
TEST(IngressiErrati, FileCheNonSonoFile) {
    using Guasto = void (*)(test::CartellaProva&, const char*);
    const std::pair<const char*, Guasto> guasti[] = {
        {"FIFO", Fifo}, {"/dev/zero", VersoZero}, {"200 MB", Enorme}};
    for (const char* file : {kSchema, kIndice, kCatalogo, kArchivio, kImmagini})
        for (const auto& [nome, guasta] : guasti) {
            const auto caso = std::string(nome) + " al posto di " + file;
            Esegui({caso.c_str(), file, [&](auto& d, auto&) { guasta(d, file); }, file, file != kSchema});
        }
}

// Links planted where temporary files used to go, and an old puzzle under the other spelling of the
// current puzzle's name: a new puzzle and a loaded one are written and read under one name, and nothing
// outside the folder is written.
TEST(IngressiErrati, CollegamentiPiantatiESchemaInDueNomi) {
    test::Partita p;
    DatiSpediti(p.cartella);
    test::CartellaProva fuori;
    fuori.Scrivi("bersaglio", "fuori");
    for (const char* n : {"schemi/.schema.txt.tmp", "schemi/.SCHEMA.txt.tmp", ".FileTemp.jpg.tmp"})
        fs::create_symlink(fuori.percorso() / "bersaglio", p.cartella.percorso() / n);
    const auto vecchio = test::TestoSchema(test::kTavolaAlfabeto, "", "000 00000", {"ABCDE"});
    p.cartella.Scrivi("schemi/SCHEMA.txt", vecchio);
    p.cartella.Scrivi("schemi/schema_n_001.txt",
                      test::TestoSchema(test::kTavolaCasa, "", "000 00000", {"CASA"}));

    p.Ricarica();
    const auto spedito = p.c.m.Parole;
    mnuNS_Click(p.c);  // OK at every question, until a puzzle is accepted
    EXPECT_NE(p.c.m.Parole, spedito) << "the new puzzle is the one loaded";
    mnuCaricaSchema_Click(p.c);
    p.c.f.File1.FileName = "schema_n_001.txt";
    File1_Click(p.c);
    EXPECT_EQ(p.c.m.Parole[0], "CASA");

    EXPECT_EQ(fuori.Leggi("bersaglio"), "fuori");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(p.cartella.percorso() / kSchema)));
    EXPECT_EQ(p.cartella.Leggi("schemi/SCHEMA.txt"), vecchio);
    for (const auto& e : fs::recursive_directory_iterator(p.cartella.percorso()))
        EXPECT_TRUE(!e.path().filename().string().ends_with(".tmp") || e.is_symlink()) << e.path();
}
