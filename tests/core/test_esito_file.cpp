// Why a read or a write failed, as the player is told: real failures provoked on a scratch folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Messaggi.h"
#include "files/Percorsi.h"

using namespace tramelo;
namespace fs = std::filesystem;

TEST(EsitoFile, IlMotivoDiOgniGuasto) {
    test::CartellaProva d;
    d.Scrivi("pieno.txt", "x");
    d.Scrivi("cartella/x", "");
    ::mkfifo((d.percorso() / "fifo").c_str(), 0600);
    d.Scrivi("grande.txt", std::string(101, 'x'));
    auto leggi = [&](const char* nome) {
        std::string s;
        return LeggiFile(d.percorso() / nome, s, 100);
    };
    auto scrivi = [&](const char* nome, ModoScrittura modo = ModoScrittura::Sostituisci) {
        return ScriviAtomico(d.percorso() / nome, std::string(200, 'x'), modo);
    };
    auto scriviOltreIlLimite = [&] {
        test::LimiteScrittura pieno;
        return scrivi("nuovo.txt");
    };
    const std::tuple<const char*, std::function<EsitoFile()>, std::string> casi[] = {
        // clang-format off
        {"lettura riuscita", [&] { return leggi("pieno.txt"); }, ""},
        {"file mancante", [&] { return leggi("manca.txt"); }, "il file non esiste"},
        {"una cartella al posto del file", [&] { return leggi("cartella"); }, "è una cartella"},
        {"una FIFO", [&] { return leggi("fifo"); }, "non è un file normale"},
        {"oltre la dimensione ammessa", [&] { return leggi("grande.txt"); }, "file troppo grande"},
        {"più lungo di quanto dica il suo stato", [] { std::string s; return LeggiFile("/proc/self/status", s, 100); }, "file troppo grande"},
        {"scrittura in una cartella mancante", [&] { return scrivi("manca/nuovo.txt"); }, "il file non esiste"},
        {"scrittura attraverso un file", [&] { return scrivi("pieno.txt/nuovo.txt"); }, "una cartella del percorso è un file"},
        {"scrittura su una cartella", [&] { return scrivi("cartella"); }, "è una cartella"},
        {"limite di dimensione dei file", scriviOltreIlLimite, "disco pieno"},
        {"solo nuovo, il nome è preso", [&] { return scrivi("pieno.txt", ModoScrittura::SoloNuovo); }, "esiste già un file con questo nome"},
        {"disco pieno", [] { return EsitoFile{ENOSPC}; }, "disco pieno"},
        {"quota esaurita", [] { return EsitoFile{EDQUOT}; }, "disco pieno"},
        {"permesso negato", [] { return EsitoFile{EACCES}; }, "permesso negato"},
        {"operazione non permessa", [] { return EsitoFile{EPERM}; }, "permesso negato"},
        {"disco di sola lettura", [] { return EsitoFile{EROFS}; }, "disco di sola lettura"},
        {"errore senza nome", [] { return EsitoFile{EIO}; }, "errore " + std::to_string(EIO)},
        // clang-format on
    };
    for (const auto& [nome, prova, motivo] : casi) EXPECT_EQ(Motivo(prova()), motivo) << nome;
    EXPECT_EQ(d.Leggi("pieno.txt"), "x") << "a refused write leaves the file as it was";
    EXPECT_EQ(test::Temporanei(d.percorso()), std::vector<std::string>{}) << "no temporary file left";
}

TEST(EsitoFile, IlMessaggioNominaIlFilePerUltimo) {
    const std::tuple<const char*, std::string, std::string> casi[] = {
        // clang-format off
        {"con il motivo", ConFile("Impossibile salvare lo schema", "/giòco/schemi/a.txt", {ENOSPC}), "Impossibile salvare lo schema (disco pieno):\r/giòco/schemi/a.txt"},
        {"senza motivo", ConFile("Lo schema è incompleto", "/a/schema.txt"), "Lo schema è incompleto:\r/a/schema.txt"},
        {"un a capo nel nome", ConFile("Impossibile", "/a/b c\nd.txt"), "Impossibile:\r/a/b c?d.txt"},
        {"riga di un elenco", RigaFile("/a/Immagini.txt", {ENOENT}), "il file non esiste: /a/Immagini.txt"},
        {"testo di un file in ISO 8859-1", DaLatin1("caff\xE8"), "caffè"},
        // clang-format on
    };
    for (const auto& [nome, ottenuto, atteso] : casi) EXPECT_EQ(ottenuto, atteso) << nome;
}
