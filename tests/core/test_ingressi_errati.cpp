// What can stand in a data file's place in a hostile folder: a FIFO, a link to an endless device, a huge
// file, a second spelling of a name. The game names the file it could not use, once, never hangs, keeps a
// consistent board and changes no file it did not mean to. Random and cut bytes are the fuzz targets' work.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"

namespace fs = std::filesystem;
using namespace tramelo;

// Each data file replaced in turn; the game loads, shows the solution and, unless the current puzzle is the
// broken file, tries a new puzzle (Cancel at every question).
TEST(IngressiErrati, FileCheNonSonoFile) {
    constexpr const char* kSchema = "schemi/schema.txt";
    const std::pair<const char*, std::function<void(const fs::path&)>> guasti[] = {
        {"FIFO", [](auto& f) { fs::remove(f), ::mkfifo(f.c_str(), 0644); }},
        {"/dev/zero", [](auto& f) { fs::remove(f), fs::create_symlink("/dev/zero", f); }},
        {"200 MB", [](auto& f) { fs::resize_file(f, 0), fs::resize_file(f, 200'000'000); }},  // sparse
    };
    for (const std::string file :
         {kSchema, "dizionari/indir_bbb.txt", "Immagini.txt", "dizionari/dizionario.bbb", "Immagini.jpg"})
        for (const auto& [nome, guasta] : guasti) {
            SCOPED_TRACE(nome + (" al posto di " + file));
            test::Partita p;
            test::CopiaDatiSpediti(p.cartella);
            fs::copy(fs::path(TRAMELO_DATA_DIR) / kSchema, p.cartella.percorso() / kSchema);
            guasta(p.cartella.percorso() / file);
            auto attese = test::Istantanea(p.cartella.percorso());
            ::alarm(60);  // a read that blocks fails the test instead of hanging it
            p.Ricarica();
            mnuSoluzione_Click(p.c);
            p.piattaforma.risposte.assign(20, kRispostaAnnulla);
            if (file != kSchema) mnuNS_Click(p.c);
            ::alarm(0);

            // The file at fault named; no message naming a file said twice.
            const auto detti = p.piattaforma.Testi();
            const auto cartella = p.cartella.percorso().string(), nominato = cartella + "/" + file;
            EXPECT_TRUE(
                std::ranges::any_of(detti, [&](auto& t) { return t.find(nominato) != std::string::npos; }));
            for (const auto& t : detti)
                EXPECT_TRUE(t.find(cartella) == std::string::npos ||
                            t.find("FileTemp.jpg") != std::string::npos || std::ranges::count(detti, t) == 1)
                    << "said again: " << t;

            EXPECT_EQ(test::GuastoTavola(p.c), "");

            // Only FileTemp.jpg may change, and the current puzzle when a new one was written whole.
            auto dopo = test::Istantanea(p.cartella.percorso());
            dopo.erase("FileTemp.jpg"), attese.erase("FileTemp.jpg");
            if (dopo[kSchema].ends_with("/* fine schema n.001\r\n")) dopo[kSchema] = attese[kSchema];
            EXPECT_TRUE(dopo == attese) << "files changed, added or removed";
        }
}

// An old puzzle under the other spelling of the current puzzle's name: a new puzzle is written and read
// under the exact name, the other left alone, no temporary file left behind. A puzzle loaded from the
// library takes the same name through the same lookup.
TEST(IngressiErrati, SchemaCorrenteSottoUnSoloNome) {
    test::Partita p;
    test::CopiaDatiSpediti(p.cartella);
    const auto vecchio = test::TestoSchema(test::kTavolaAlfabeto, "", "000 00000", {"ABCDE"});
    p.cartella.Scrivi("schemi/SCHEMA.txt", vecchio);

    p.Carica(test::kTavolaAlfabeto, {"XYZ"});
    mnuNS_Click(p.c);  // OK at every question, until a puzzle is accepted
    EXPECT_NE(p.c.m.Parole[0], "XYZ") << "the new puzzle is the one loaded";
    EXPECT_EQ(p.cartella.Leggi("schemi/SCHEMA.txt"), vecchio);
    EXPECT_EQ(test::Temporanei(p.cartella.percorso()), std::vector<std::string>{});
}
