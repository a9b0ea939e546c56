// Writes that fail half-way: a file-size limit makes the system refuse every byte past the first few
// hundred, as a full disk would. The current puzzle and the library must come out whole.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "files/FileSchema.h"

namespace fs = std::filesystem;
using namespace tramelo;

namespace {

const std::vector<std::string> kTavola = {
    "GATTOXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXXXX",
    "XXXXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXXXXX",
    "XXXXXXXXXXXXXXXXXX", "XXXXXXXXXXXXXXCANE",
};

// While alive, no file of the process can grow past `byte` bytes; the write that crosses it fails.
class LimiteFile {
  public:
    explicit LimiteFile(rlim_t byte) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        rlimit r = prima_;
        r.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteFile() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    LimiteFile(const LimiteFile&) = delete;
    LimiteFile& operator=(const LimiteFile&) = delete;

  private:
    rlimit prima_{};
    void (*segnale_)(int) = SIG_DFL;
};

bool IniziaCon(const std::string& s, const std::string& inizio) {
    return s.rfind(inizio, 0) == 0;
}

}  // namespace

TEST(ScrittureInterrotte, LoSchemaCorrenteRestaIntero) {
    struct Caso {
        const char* nome;
        std::function<void(test::Partita&)> prepara;  // before the limit
        std::function<void(test::Partita&)> azione;   // under the limit
        const char* messaggio;
        const char* file;  // the file the message names, below schemi/
    } casi[] = {
        // clang-format off
        {"nuovo schema scritto a metà",
         [](test::Partita& p) {
             const fs::path dati(TRAMELO_DATA_DIR);
             fs::copy(dati / "dizionari", p.cartella.percorso() / "dizionari", fs::copy_options::recursive);
             fs::copy(dati / "Immagini.txt", p.cartella.percorso() / "Immagini.txt");
             p.Ricarica();
         },
         [](test::Partita& p) { mnuNS_Click(p.c); },
         testi::kSchemaNonScritto, "schema.txt"},
        {"copia nella libreria scritta a metà", [](test::Partita&) {},
         [](test::Partita& p) { mnuSalvaSchema_Click(p.c); },
         testi::kSalvataggioFallito, "schema_n_001.txt"},
        {"schema della libreria copiato a metà sul corrente",
         [](test::Partita& p) {
             p.cartella.Scrivi("schemi/schema_n_001.txt",
                               test::TestoSchema(kTavola, "altro", "000 00000",
                                                 std::vector<std::string>(30, "ALTRAPAROLAMOLTOLUNGA")));
         },
         [](test::Partita& p) {
             mnuCaricaSchema_Click(p.c);
             p.c.f.File1.FileName = "schema_n_001.txt";
             File1_Click(p.c);
         },
         testi::kSostituzioneFallita, "schema.txt"},
        // clang-format on
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome);
        test::Partita p;
        p.Carica(kTavola, {"GATTO", "CANE"}, "x");
        k.prepara(p);
        const auto corrente = p.cartella.Leggi("schemi/schema.txt");
        const auto salvati = p.cartella.Esiste("schemi/schema_n_001.txt");
        ASSERT_GT(corrente.size(), 200u);
        p.piattaforma.messaggi.clear();
        {
            LimiteFile limite(corrente.size() / 2);
            k.azione(p);
        }
        const auto& messaggi = p.piattaforma.messaggi;
        const auto atteso = std::string(k.messaggio) + (p.cartella.percorso() / "schemi" / k.file).string();
        EXPECT_EQ(std::count_if(messaggi.begin(), messaggi.end(),
                                [&](const test::Messaggio& m) { return IniziaCon(m.testo, atteso); }),
                  1);
        // The current puzzle has its old bytes and loads again; no temporary file or partial copy is left.
        EXPECT_EQ(p.cartella.Leggi("schemi/schema.txt"), corrente);
        EXPECT_EQ(p.cartella.Esiste("schemi/schema_n_001.txt"), salvati);
        for (const auto& e : fs::directory_iterator(p.cartella.percorso() / "schemi"))
            EXPECT_FALSE(e.path().filename().string().ends_with(".tmp")) << e.path();
        p.piattaforma.messaggi.clear();
        p.Ricarica();
        for (const auto& m : p.piattaforma.messaggi) EXPECT_EQ(m.testo.find("schema.txt"), std::string::npos);
        EXPECT_EQ(p.c.m.NumParole, 2);
        EXPECT_EQ(p.c.m.Parole[0], "GATTO");
    }
}
