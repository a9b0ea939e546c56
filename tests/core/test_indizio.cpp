// The picture clue: cutting the picture out of the store, showing it, and every way it can fail.
#include <gtest/gtest.h>

#include <optional>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"

using namespace tramelo;
using tramelo::test::Partita;
namespace fs = std::filesystem;

namespace {

const auto& kTavola = test::kTavolaAlfabeto;

// A picture of n bytes that the fake platform decodes, its bytes told apart by `seme`.
std::string Foto(int n, char seme) {
    std::string f = "\xFF\xD8";
    for (int i = 2; i < n; ++i) f += static_cast<char>(seme + i % 7);
    return f;
}
// Pictures of 100, 250 and 40 bytes, 596 of none, and picture 600 of 30 bytes; the second length field has
// leading blanks and a digit after it, in the column no reader looks at.
const std::string kArchivio = Foto(100, 'a') + Foto(250, 'k') + Foto(40, 'u') + Foto(30, 'z');
const std::string kTreRighe = "000100100 UNO jpg\r\n0002  2509DUE jpg\r\n000300040 TRE jpg\r\n";
const std::string kCatalogo = [] {
    std::string t = kTreRighe;
    for (int k = 4; k < 600; ++k) t += "000400000 VUOTA jpg\r\n";
    return t;
}();

Partita& ConDati(Partita& p) {
    p.cartella.Scrivi("Immagini.txt", kCatalogo);
    p.cartella.Scrivi("Immagini.jpg", kArchivio);
    return p;
}

std::vector<std::string> MessaggiImmagine(const Partita& p) {
    std::vector<std::string> v;
    for (const auto& m : p.piattaforma.messaggi)
        if (m.testo.starts_with(testi::kImmagineNonMostrata)) v.push_back(m.testo);
    return v;
}

}  // namespace

// One game loading the rows in turn: each picture replaces the previous one whole.
TEST(Indizio, EstraeEMostraLImmagine) {
    const std::tuple<const char*, const char*, std::size_t, std::size_t> casi[] = {
        {"immagine 2, lunghezza con blank", "002   250", 100, 250},
        {"immagine 3 dopo 100 e 250, FileTemp troncato", "003 00040", 350, 40},
        {"immagine 600, l'ultima possibile", "600 00030", 390, 30},
        {"immagine 1 dal primo byte", "001 00100", 0, 100},
    };
    Partita p;
    ConDati(p);
    const auto temp = (p.cartella.percorso() / "FileTemp.jpg").string();
    int versione = 0;
    for (const auto& [nome, riga, inizio, lunghezza] : casi) {
        p.piattaforma.immaginiCaricate.clear();
        p.Carica(kTavola, {}, "", riga);
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(inizio, lunghezza)) << nome;
        EXPECT_EQ(p.piattaforma.immaginiCaricate, std::vector<std::string>{temp}) << nome;
        EXPECT_EQ(p.c.f.Image1[kImmagineIndizio].Picture, (Figura{TipoFigura::File, 0, 0, temp, ++versione}))
            << nome;
    }
    EXPECT_TRUE(MessaggiImmagine(p).empty());
    // At 15 twips per pixel the window grows by 1.25 once, however often it loads (the file list stays, the
    // text size becomes floor(7.8 * 1.25)); the 259 x 194 picture fills its holder, the credit strip in its
    // lower right corner.
    p.piattaforma.twipsPerPixel = 15;
    p.Ricarica(), p.Ricarica();
    const auto& f = p.c.f;
    const auto &i = f.Image1[kImmagineIndizio], &s = f.Image1[kImmagineCredito];
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
        {"lunghezza negativa nel catalogo", "003 00040", kCat,
         "0001-0100 UNO jpg\r\n" + kCatalogo.substr(19)},
        {"archivio mancante", "001 00100", kJpg, std::nullopt},
        {"archivio più corto di S+L", "003 00041", kJpg, kArchivio.substr(0, 390)},
        {"byte che non sono un'immagine", "002 00250", kJpg, std::string(kArchivio).replace(100, 1, "x")},
    };
    for (const auto& [nome, riga, file, testo] : casi) {
        Partita p;
        ConDati(p).Carica(kTavola, {}, "", "001 00100");
        const auto prima = p.c.f.Image1;
        if (file != kSchema)
            testo ? p.cartella.Scrivi(file, *testo) : void(fs::remove(p.cartella.percorso() / file));
        p.Carica(std::vector<std::string>(10, "ZYXWVUTSRQPONMLKJI"), {}, "", riga);

        const auto atteso = testi::kImmagineNonMostrata + (p.cartella.percorso() / file).string();
        EXPECT_EQ(MessaggiImmagine(p), std::vector<std::string>{atteso}) << nome;
        for (auto k : {kImmagineIndizio, kImmagineCredito}) {
            const auto &a = p.c.f.Image1[std::size_t(k)], &b = prima[std::size_t(k)];
            EXPECT_TRUE(a.Picture == b.Picture && a.Width == b.Width && a.Top == b.Top) << nome << " " << k;
        }
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(0, 100)) << nome;
        EXPECT_EQ(p.c.m.Griglia[0], 'Z' - 64) << nome << ": the puzzle is still loaded";
    }
}

// A folder where FileTemp.jpg cannot be written (here a folder holds the name): the picture is shown
// from the bytes cut out of the store all the same, and the lost copy is said once, not at every load.
TEST(Indizio, FileTempNonScrivibile) {
    Partita p;
    ConDati(p).cartella.Scrivi("FileTemp.jpg/x", "");
    const auto temp = (p.cartella.percorso() / "FileTemp.jpg").string();
    for (const char* riga : {"002 00250", "003 00040"}) {
        p.Carica(kTavola, {}, "", riga);
        EXPECT_EQ(p.c.f.Image1[kImmagineIndizio].Picture.file, temp) << riga;
        EXPECT_EQ(p.piattaforma.immaginiCaricate.back(), temp) << riga;
    }
    EXPECT_EQ(p.c.f.Image1[kImmagineIndizio].Picture.versione, 2);
    const auto detti = p.piattaforma.Testi();
    EXPECT_EQ(std::count(detti.begin(), detti.end(), testi::kFileTempNonScritto + temp), 1);
    for (const auto& e : fs::directory_iterator(p.cartella.percorso()))
        EXPECT_FALSE(e.path().filename().string().ends_with(".tmp")) << e.path();
}
