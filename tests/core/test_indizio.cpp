// The picture clue: cutting the picture out of the store, showing it, and every way it can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"

using namespace tramelo;
namespace fs = std::filesystem;

namespace {

// A picture of n bytes that the fake platform decodes, the rest of it `seme` over and over.
std::string Foto(int n, char seme) {
    return "\xFF\xD8" + std::string(std::size_t(n - 2), seme);
}
// Pictures of 100, 250 and 40 bytes, 596 of none (empty lines), and picture 600 of 30 bytes; the second
// length field has leading blanks and a digit after it, in the column no reader looks at.
const std::string kArchivio = Foto(100, 'a') + Foto(250, 'k') + Foto(40, 'u') + Foto(30, 'z');
const std::string kTreRighe = "000100100 UNO jpg\r\n0002  2509DUE jpg\r\n000300040 TRE jpg\r\n";
const std::string kCatalogo = kTreRighe + std::string(596, '\n');

test::Partita& ConDati(test::Partita& p) {
    p.cartella.Scrivi("Immagini.txt", kCatalogo);
    p.cartella.Scrivi("Immagini.jpg", kArchivio);
    return p;
}

}  // namespace

// One game throughout: each picture loaded replaces the previous one whole.
TEST(Indizio, EstraeEMostraLImmagine) {
    const std::tuple<const char*, const char*, std::size_t, std::size_t> casi[] = {
        {"immagine 2, lunghezza con blank", "002   250", 100, 250},
        {"immagine 3 dopo 100 e 250, FileTemp troncato", "003 00040", 350, 40},
        {"immagine 600, l'ultima possibile", "600 00030", 390, 30},
        {"immagine 1 dal primo byte", "001 00100", 0, 100},
    };
    test::Partita p;
    ConDati(p);
    const auto temp = (p.cartella.percorso() / "FileTemp.jpg").string();
    const auto& f = p.c.f;
    const auto &i = f.Image1[kImmagineIndizio], &s = f.Image1[kImmagineCredito];
    int versione = 0;
    for (const auto& [nome, riga, inizio, lunghezza] : casi) {
        p.Carica(test::kTavolaAlfabeto, {}, "", riga);
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(inizio, lunghezza)) << nome;
        EXPECT_EQ(i.Picture, (Figura{TipoFigura::File, 0, 0, temp, ++versione})) << nome;
    }
    EXPECT_EQ(p.piattaforma.immaginiCaricate, std::vector<std::string>(4, temp));
    EXPECT_TRUE(p.piattaforma.Testi(testi::kImmagineNonMostrata).empty());

    // FileTemp.jpg unwritable (a folder has its name): picture shown all the same, lost copy said once.
    fs::remove(temp);
    p.cartella.Scrivi("FileTemp.jpg/x", "");
    p.Carica(test::kTavolaAlfabeto, {}, "", "002 00250");
    p.Carica(test::kTavolaAlfabeto, {}, "", "003 00040");
    EXPECT_EQ(i.Picture, (Figura{TipoFigura::File, 0, 0, temp, versione + 2}));
    EXPECT_EQ(std::ranges::count(p.piattaforma.Testi(),
                                 testi::kFileTempNonScritto + (" (è una cartella):\r" + temp)),
              1);
    for (const auto& e : fs::directory_iterator(p.cartella.percorso()))
        EXPECT_FALSE(e.path().filename().string().ends_with(".tmp")) << e.path();

    // At 15 twips per pixel the window grows by 1.25 once, however often it loads (file list kept, text
    // size floor(7.8 * 1.25)); the 259 x 194 picture fills its holder, the credit strip at its lower right.
    p.piattaforma.twipsPerPixel = 15;
    p.Ricarica(), p.Ricarica();
    EXPECT_EQ(std::vector<float>({f.Width, f.Top, f.Image1[19].Left, f.File1.Left, f.Label2[0].FontSize,
                                  i.Left, i.Top, i.Width, i.Height, s.Left, s.Top}),
              (std::vector<float>{13860, 4447.5, 840, 5640, 9, 9300, 405, 3945, 2970, 12041, 3191}));
}

// With picture 1 on show, a bad load names the file at fault and leaves picture 1 in place.
TEST(Indizio, IngressiNonValidi) {
    const std::string kSchema = "schemi/schema.txt", kCat = "Immagini.txt", kJpg = "Immagini.jpg";
    // name, the puzzle's picture line, the file at fault, what it is made to hold (none: it is removed)
    const std::tuple<const char*, const char*, std::string, std::optional<std::string>> casi[] = {
        {"lunghezza 0", "001 00000", kSchema, {}},
        {"riga di quattro caratteri", "001 ", kSchema, {}},
        {"lunghezza oltre 99999", "001 100000", kSchema, {}},
        {"numero negativo", "-01 00100", kSchema, {}},
        {"numero oltre 600", "601 00100", kSchema, {}},
        {"catalogo mancante", "002 00250", kCat, std::nullopt},
        {"catalogo più corto di N-1 righe", "005 00040", kCat, kTreRighe},
        {"lunghezza negativa in catalogo", "003 00040", kCat, "0001-0100 UNO jpg\r\n" + kCatalogo.substr(19)},
        {"archivio mancante", "001 00100", kJpg, std::nullopt},
        {"archivio più corto di S+L", "003 00041", kJpg, kArchivio.substr(0, 390)},
        {"byte che non sono un'immagine", "002 00250", kJpg, std::string(kArchivio).replace(100, 1, "x")},
    };
    for (const auto& [nome, riga, file, testo] : casi) {
        test::Partita p;
        ConDati(p).Carica(test::kTavolaAlfabeto, {}, "", "001 00100");
        const auto prima = p.c.f.Image1;
        if (file != kSchema)
            testo ? p.cartella.Scrivi(file, *testo) : void(fs::remove(p.cartella.percorso() / file));
        p.Carica(std::vector<std::string>(10, "ZYXWVUTSRQPONMLKJI"), {}, "", riga);

        const auto atteso = testi::kImmagineNonMostrata + (":\r" + (p.cartella.percorso() / file).string());
        EXPECT_EQ(p.piattaforma.Testi(testi::kImmagineNonMostrata), std::vector<std::string>{atteso}) << nome;
        for (auto k : {kImmagineIndizio, kImmagineCredito}) {
            const auto &a = p.c.f.Image1[std::size_t(k)], &b = prima[std::size_t(k)];
            EXPECT_TRUE(a.Picture == b.Picture && a.Width == b.Width && a.Top == b.Top) << nome << " " << k;
        }
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(0, 100)) << nome;
        EXPECT_EQ(p.c.m.Griglia[0], 'Z' - 64) << nome << ": the puzzle is still loaded";
    }
}
