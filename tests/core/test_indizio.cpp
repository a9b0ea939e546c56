// The picture clue: cutting the picture out of the store, showing it, and every way it can fail.
#include <gtest/gtest.h>

#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"

using namespace tramelo;
using tramelo::test::CartellaProva;
using tramelo::test::Partita;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kTavola = {
    "ABCDEFGHIJKLMNOPQR", "STUVWXYZABCDEFGHIJ", "KLMNOPQRSTUVWXYZAB", "CDEFGHIJKLMNOPQRST",
    "UVWXYZABCDEFGHIJKL", "MNOPQRSTUVWXYZABCD", "EFGHIJKLMNOPQRSTUV", "WXYZABCDEFGHIJKLMN",
    "OPQRSTUVWXYZABCDEF", "GHIJKLMNOPQRSTUVWX",
};
const std::vector<std::string> kAltraTavola = {
    "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI",
    "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI",
    "ZYXWVUTSRQPONMLKJI", "ZYXWVUTSRQPONMLKJI",
};

// A picture of n bytes that the fake platform decodes, its bytes told apart by `seme`.
std::string Foto(int n, char seme) {
    std::string f = "\xFF\xD8";
    for (int i = 2; i < n; ++i) f += static_cast<char>(seme + i % 7);
    return f;
}
// Pictures of 100, 250 and 40 bytes; the second length field is written with leading blanks.
const std::string kArchivio = Foto(100, 'a') + Foto(250, 'k') + Foto(40, 'u');
const std::string kCatalogo = "000100100 UNO jpg\r\n0002  250 DUE jpg\r\n000300040 TRE jpg\r\n";

void ScriviDati(const CartellaProva& d) {
    d.Scrivi("Immagini.txt", kCatalogo);
    d.Scrivi("Immagini.jpg", kArchivio);
}

std::vector<std::string> MessaggiImmagine(const Partita& p) {
    std::vector<std::string> v;
    for (const auto& m : p.piattaforma.messaggi)
        if (m.testo.rfind(testi::kImmagineNonMostrata, 0) == 0) v.push_back(m.testo);
    return v;
}

}  // namespace

TEST(Indizio, EstraeEMostraLImmagine) {
    struct Caso {
        const char* nome;
        const char* riga;
        std::size_t inizio, lunghezza;
    } casi[] = {
        {"immagine 1 dal primo byte", "001 00100", 0, 100},
        {"immagine 3 dopo 100 e 250", "003 00040", 350, 40},
        {"lunghezza con blank iniziale", "002   250", 100, 250},
    };
    for (const auto& c : casi) {
        Partita p;
        ScriviDati(p.cartella);
        p.Carica(kTavola, {}, "", c.riga);
        const auto temp = (p.cartella.percorso() / "FileTemp.jpg").string();
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(c.inizio, c.lunghezza)) << c.nome;
        EXPECT_EQ(p.piattaforma.immaginiCaricate, std::vector<std::string>{temp}) << c.nome;
        EXPECT_TRUE(MessaggiImmagine(p).empty()) << c.nome;
        const auto& indizio = p.c.f.Image1[kImmagineIndizio];
        EXPECT_EQ(indizio.Picture.tipo, TipoFigura::File) << c.nome;
        EXPECT_EQ(indizio.Picture.file, temp) << c.nome;
        EXPECT_EQ(indizio.Picture.versione, 1) << c.nome;
    }
}

TEST(Indizio, DimensioniEStriscia) {
    struct Caso {
        const char* nome;
        double twips;
        float left, top, width, height, strisciaLeft, strisciaTop;
    } casi[] = {
        {"12 twips per pixel", 12, 7440, 324, 3156, 2376, 7440 + 3156 - 960 - 4, 324 + 2376 - 144 - 4},
        {"15 twips per pixel", 15, 9300, 405, 3945, 2970, 9300 + 3945 - 1200 - 4, 405 + 2970 - 180 - 4},
    };
    for (const auto& c : casi) {
        Partita p;
        ScriviDati(p.cartella);
        p.piattaforma.twipsPerPixel = c.twips;
        p.piattaforma.decodifica = [](const std::string&) { return DimensioniPixel{259, 194}; };
        p.Carica(kTavola, {}, "", "001 00100");
        const auto& i = p.c.f.Image1[kImmagineIndizio];
        const auto& s = p.c.f.Image1[kImmagineCredito];
        EXPECT_FLOAT_EQ(i.Left, c.left) << c.nome;
        EXPECT_FLOAT_EQ(i.Top, c.top) << c.nome;
        EXPECT_FLOAT_EQ(i.Width, c.width) << c.nome;
        EXPECT_FLOAT_EQ(i.Height, c.height) << c.nome;
        EXPECT_FLOAT_EQ(s.Left, c.strisciaLeft) << c.nome;
        EXPECT_FLOAT_EQ(s.Top, c.strisciaTop) << c.nome;
    }
}

TEST(Indizio, FileTempTroncatoDopoUnaImmaginePiuLunga) {
    Partita p;
    ScriviDati(p.cartella);
    p.Carica(kTavola, {}, "", "002 00250");
    p.Carica(kTavola, {}, "", "003 00040");
    EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(350, 40));
    EXPECT_EQ(p.c.f.Image1[kImmagineIndizio].Picture.versione, 2);
}

TEST(Indizio, NumeroZeroNonToccaNulla) {
    for (const char* riga : {"000 00100", "abc 00100"}) {
        Partita p;
        ScriviDati(p.cartella);
        p.cartella.Scrivi("FileTemp.jpg", "vecchio");
        const auto prima = fs::last_write_time(p.cartella.percorso() / "FileTemp.jpg");
        p.Carica(kTavola, {}, "", riga);
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), "vecchio") << riga;
        EXPECT_EQ(fs::last_write_time(p.cartella.percorso() / "FileTemp.jpg"), prima) << riga;
        EXPECT_TRUE(p.piattaforma.immaginiCaricate.empty()) << riga;
        const Form1 progetto;
        EXPECT_EQ(p.c.f.Image1[kImmagineIndizio].Picture, progetto.Image1[kImmagineIndizio].Picture) << riga;
        EXPECT_EQ(p.c.f.Image1[kImmagineCredito].Top, progetto.Image1[kImmagineCredito].Top) << riga;
        EXPECT_EQ(p.c.f.Image1[kImmagineCredito].Left, progetto.Image1[kImmagineCredito].Left) << riga;
    }
}

// After picture 1 is on show, a bad load names the file at fault and leaves picture 1 in place.
TEST(Indizio, IngressiNonValidi) {
    const std::string kSchema = "schemi/schema.txt", kCat = "Immagini.txt", kJpg = "Immagini.jpg",
                      kTemp = "FileTemp.jpg";
    auto nulla = [](const CartellaProva&) {};
    struct Caso {
        const char* nome;
        const char* riga;
        std::function<void(const CartellaProva&)> guasta;
        std::string nominato;
    } casi[] = {
        {"lunghezza 0", "001 00000", nulla, kSchema},
        {"riga di quattro caratteri", "001 ", nulla, kSchema},
        {"lunghezza oltre 99999", "001 100000", nulla, kSchema},
        {"lunghezza negativa", "001 -0100", nulla, kSchema},
        {"numero negativo", "-01 00100", nulla, kSchema},
        {"numero oltre 600", "601 00100", nulla, kSchema},
        {"catalogo mancante", "002 00250", [&](auto& d) { fs::remove(d.percorso() / kCat); }, kCat},
        {"catalogo più corto di N-1 righe", "005 00040", nulla, kCat},
        {"lunghezza negativa nel catalogo", "003 00040",
         [&](auto& d) { d.Scrivi(kCat, "0001-0100 UNO jpg\r\n" + kCatalogo.substr(19)); }, kCat},
        {"archivio mancante", "001 00100", [&](auto& d) { fs::remove(d.percorso() / kJpg); }, kJpg},
        {"archivio più corto di S+L", "003 00041", nulla, kJpg},
        {"byte che non sono un'immagine", "002 00250",
         [&](auto& d) { d.Scrivi(kJpg, std::string(kArchivio).replace(100, 1, "x")); }, kJpg},
        {"FileTemp.jpg non scrivibile", "002 00250",
         [&](auto& d) {
             fs::remove(d.percorso() / kTemp);
             fs::create_directory(d.percorso() / kTemp);
         },
         kTemp},
    };
    for (const auto& c : casi) {
        Partita p;
        ScriviDati(p.cartella);
        p.Carica(kTavola, {}, "", "001 00100");
        const auto indizio = p.c.f.Image1[kImmagineIndizio];
        const auto striscia = p.c.f.Image1[kImmagineCredito];
        p.piattaforma.immaginiCaricate.clear();
        c.guasta(p.cartella);
        p.Carica(kAltraTavola, {}, "", c.riga);

        EXPECT_EQ(MessaggiImmagine(p),
                  std::vector<std::string>{testi::kImmagineNonMostrata +
                                           (p.cartella.percorso() / c.nominato).string()})
            << c.nome;
        const auto& dopo = p.c.f.Image1[kImmagineIndizio];
        EXPECT_EQ(dopo.Picture, indizio.Picture) << c.nome;
        EXPECT_EQ(dopo.Width, indizio.Width) << c.nome;
        EXPECT_EQ(p.c.f.Image1[kImmagineCredito].Top, striscia.Top) << c.nome;
        if (c.nominato != kTemp) {
            EXPECT_EQ(p.cartella.Leggi(kTemp), kArchivio.substr(0, 100)) << c.nome;
        }
        if (c.nominato != kJpg) {
            EXPECT_TRUE(p.piattaforma.immaginiCaricate.empty()) << c.nome;
        }
        EXPECT_EQ(p.c.m.Griglia[0], 'Z' - 64) << c.nome << ": the puzzle is still loaded";
    }
}
