// The picture clue: cutting the picture out of the store, the decoding budget read from its header,
// showing it, and every way it can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"
#include "board/ControlloImmagine.h"

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

std::string Byte(std::initializer_list<int> b) {
    return std::string(b.begin(), b.end());
}
// JPEG segments as an encoder writes them: marker, length (its own two bytes included), body.
std::string Segmento(int marcatore, const std::string& corpo) {
    const int n = int(corpo.size()) + 2;
    return Byte({0xFF, marcatore, n >> 8, n & 0xFF}) + corpo;
}
// A frame header of one component (C0 baseline, C2 progressive).
std::string Telaio(int larghezza, int altezza, int marcatore = 0xC2) {
    return Segmento(marcatore,
                    Byte({8, altezza >> 8, altezza & 0xFF, larghezza >> 8, larghezza & 0xFF, 1, 1, 0x11, 0}));
}
// One scan and its data, which holds a stuffed FF 00 and the first and last restart markers: none is a scan.
std::string Scansione() {
    return Segmento(0xDA, Byte({1, 1, 0, 1, 63, 0})) +
           Byte({0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56, 0xFF, 0xD7, 0x78});
}
std::string Jpeg(int larghezza, int altezza, int scansioni, int marcatore = 0xC2) {
    std::string j = "\xFF\xD8" + Telaio(larghezza, altezza, marcatore);
    for (int i = 0; i < scansioni; ++i) j += Scansione();
    return j + "\xFF\xD9";
}

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

    // At 15 twips per pixel the window grows by 1.25 once, however often it loads (file list kept, text
    // size floor(7.8 * 1.25)); the 259 x 194 picture fills its holder, the credit strip at its lower right.
    p.piattaforma.twipsPerPixel = 15;
    p.Ricarica(), p.Ricarica();
    EXPECT_EQ(std::vector<float>({f.Width, f.Top, f.Image1[19].Left, f.File1.Left, f.Label2[0].FontSize,
                                  i.Left, i.Top, i.Width, i.Height, s.Left, s.Top}),
              (std::vector<float>{13860, 4447.5, 840, 5640, 9, 9300, 405, 3945, 2970, 12041, 3191}));
}

// What a picture's header promises its decoder, read before decoding: within budget, beyond it, or
// not a JPEG a decoder could follow.
TEST(Indizio, BudgetDiDecodifica) {
    const std::string kOk, kGrande = "immagine troppo grande", kNonValido = "contenuto non valido";
    const std::tuple<const char*, std::string, std::string> casi[] = {
        // clang-format off
        {"al limite: 2000 x 2000 in 48 scansioni", Jpeg(2000, 2000, 48), kOk},
        {"altezza 2001, baseline", Jpeg(259, 2001, 1, 0xC0), kGrande},
        {"larghezza 2001, l'ultimo tipo di telaio (CF)", Jpeg(2001, 194, 1, 0xCF), kGrande},
        {"un segmento senza contenuto prima del telaio", "\xFF\xD8" + Segmento(0xE0, "") + Telaio(259, 194) + Scansione(), kOk},
        {"49 scansioni", Jpeg(259, 194, 49), kGrande},
        {"telaio enorme dopo byte estranei", "\xFF\xD8" "estranei" + Telaio(4000, 4000) + Scansione(), kGrande},
        {"scansioni dopo la fine dell'immagine", Jpeg(259, 194, 1) + Jpeg(259, 194, 60).substr(2), kOk},
        {"solo FF D8", "\xFF\xD8", kOk},
        {"non comincia con FF D8", "\x89PNG\r\n\x1A\n" + Telaio(10, 10), kNonValido},
        {"segmento oltre la fine", "\xFF\xD8" + Telaio(259, 194).substr(0, 9), kNonValido},
        {"lunghezza di segmento sotto 2", "\xFF\xD8\xFF\xE0" + Byte({0, 1}) + Telaio(259, 194), kNonValido},
        {"telaio della lunghezza sbagliata", "\xFF\xD8" + Segmento(0xC0, Byte({8, 0, 194, 1, 3, 2, 1, 0x11, 0})), kNonValido},
        {"scansione prima del telaio", "\xFF\xD8" + Scansione() + Telaio(259, 194), kNonValido},
        {"due telai", "\xFF\xD8" + Telaio(259, 194) + Telaio(259, 194) + Scansione(), kNonValido},
        {"secondo FF D8", "\xFF\xD8" + Telaio(259, 194) + "\xFF\xD8" + Scansione(), kNonValido},
        {"larghezza 0", Jpeg(0, 194, 1), kNonValido},
        {"cinque componenti", "\xFF\xD8" + Segmento(0xC0, Byte({8, 0, 194, 1, 3, 5, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0, 4, 0x11, 0, 5, 0x11, 0})), kNonValido},
        // clang-format on
    };
    for (const auto& [nome, byte, motivo] : casi) EXPECT_EQ(Motivo(ControllaImmagine(byte)), motivo) << nome;
    EXPECT_TRUE(LeggiIntestazioneJpeg(Jpeg(259, 194, 1))->progressiva &&
                !LeggiIntestazioneJpeg(Jpeg(259, 194, 1, 0xC0))->progressiva);
}

// With picture 1 on show, a bad load names the file at fault with the reason, leaves picture 1 in place
// and hands the platform nothing to decode.
TEST(Indizio, IngressiNonValidi) {
    const std::string kSchema = "schemi/schema.txt", kCat = "Immagini.txt", kJpg = "Immagini.jpg";
    const std::string kNonValido = "contenuto non valido", kCorto = "il file è più corto del previsto";
    // Picture 2 in the store replaced by a header of 4000 x 4000 pixels, padded to its 250 bytes.
    auto enorme = Jpeg(4000, 4000, 3);
    enorme.resize(250, '\0');
    // name, the puzzle's picture line, the file at fault, what it is made to hold (none: it is removed),
    // the reason given
    using Testo = std::optional<std::string>;
    const std::tuple<const char*, const char*, std::string, Testo, std::string> casi[] = {
        // clang-format off
        {"lunghezza 0", "001 00000", kSchema, {}, kNonValido},
        {"lunghezza oltre 99999", "001 100000", kSchema, {}, kNonValido},
        {"numero negativo", "-01 00100", kSchema, {}, kNonValido},
        {"numero oltre 600", "601 00100", kSchema, {}, kNonValido},
        {"catalogo più corto di N-1 righe", "005 00040", kCat, kTreRighe, kCorto},
        {"lunghezza non di cifre dopo l'immagine", "002 00250", kCat, std::string(kCatalogo).replace(42, 5, "00x40"), kNonValido},
        {"archivio mancante", "001 00100", kJpg, std::nullopt, "il file non esiste"},
        {"archivio più corto di S+L", "003 00041", kJpg, kArchivio.substr(0, 390), kCorto},
        {"byte che non sono un'immagine", "002 00250", kJpg, std::string(kArchivio).replace(100, 1, "x"), kNonValido},
        {"immagine oltre il budget di decodifica", "002 00250", kJpg, std::string(kArchivio).replace(100, 250, enorme), "immagine troppo grande"},
        // clang-format on
    };
    for (const auto& [nome, riga, file, testo, motivo] : casi) {
        test::Partita p;
        ConDati(p).Carica(test::kTavolaAlfabeto, {}, "", "001 00100");
        const auto prima = p.c.f.Image1[kImmagineIndizio].Picture;
        if (file != kSchema)
            testo ? p.cartella.Scrivi(file, *testo) : void(fs::remove(p.cartella.percorso() / file));
        p.Carica(std::vector<std::string>(10, "ZYXWVUTSRQPONMLKJI"), {}, "", riga);

        const auto atteso =
            testi::kImmagineNonMostrata + (" (" + motivo + "):\r" + (p.cartella.percorso() / file).string());
        EXPECT_EQ(p.piattaforma.Testi(testi::kImmagineNonMostrata), std::vector<std::string>{atteso}) << nome;
        EXPECT_EQ(p.piattaforma.immaginiCaricate.size(), 1u) << nome << ": only picture 1 was decoded";
        EXPECT_EQ(p.c.f.Image1[kImmagineIndizio].Picture, prima) << nome;
        EXPECT_EQ(p.cartella.Leggi("FileTemp.jpg"), kArchivio.substr(0, 100)) << nome;
        EXPECT_EQ(p.c.m.Griglia[0], CodiceLettera('Z')) << nome << ": the puzzle is still loaded";
    }
}
