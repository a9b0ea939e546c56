// The catalogue and length-index loader, the shuffled orders, what the loader refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <numeric>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"
#include "files/Dizionario.h"

using namespace tramelo;
using tramelo::test::CartellaProva;
using tramelo::test::Partita;
namespace fs = std::filesystem;

namespace {

const auto& kTavola = test::kTavolaAlfabeto;

// Index lines for lengths 5..: 40 five-letter words, then six-letter words up to `ultimoSei`, then one each.
std::string Indice(int righe = 11, int ultimoSei = 100) {
    std::string t;
    for (int l = 5, primo = 1; l < 5 + righe; ++l) {
        const int ultimo = l == 5 ? 40 : l == 6 ? ultimoSei : primo;
        char riga[40];
        std::snprintf(riga, sizeof riga, "%3d%06d %06d\r\n", l, primo, ultimo);
        t += riga;
        primo = ultimo + 1;
    }
    return t;
}
std::string Archivio(int record) {
    return std::string(15, 'H') + std::string(16 * std::size_t(record), 'A');
}
std::string Catalogo(int righe) {
    std::string t;
    for (int k = 1; k <= righe; ++k)
        t += "000100100 FOTO " + std::string{char('A' + k / 26 % 26), char('A' + k % 26)} + " jpg\r\n";
    return t;
}
Partita& ConDati(Partita& p) {
    p.cartella.Scrivi("Immagini.txt", Catalogo(30));
    p.cartella.Scrivi("dizionari/indir_bbb.txt", Indice());
    p.cartella.Scrivi("dizionari/dizionario.bbb", Archivio(109));
    return p;
}

}  // namespace

TEST(Dizionario, IndiceEOrdiniMescolati) {
    Partita p;
    p.piattaforma.orologio = 12345.678;
    auto indice = Indice();  // what follows the two fields on a line is not read
    for (std::size_t i = 0; (i = indice.find('\r', i)) != std::string::npos; i += 2) indice.insert(i, "9");
    ConDati(p).cartella.Scrivi("dizionari/indir_bbb.txt", indice);
    auto catalogo = "000100100 foto jpg\r\n" + Catalogo(29);  // a caption never used
    catalogo.resize(catalogo.size() - 2);                     // no line end after the last line
    p.cartella.Scrivi("Immagini.txt", catalogo);
    fs::rename(p.cartella.percorso() / "dizionari",
               p.cartella.percorso() / "DIZIONARI");  // names in any case
    p.Carica(kTavola, {});
    const auto& m = p.c.m;
    EXPECT_EQ(p.piattaforma.Testi(),
              std::vector<std::string>{testi::kDidascalieScartate +
                                       (p.cartella.percorso() / "Immagini.txt").string()});
    EXPECT_EQ(m.IndiceLunghezze[5], (std::array<std::int32_t, 2>{1, 40}));
    EXPECT_EQ(m.IndiceLunghezze[15], (std::array<std::int32_t, 2>{109, 109}));
    // One draw per picture, then one per short word, each over the whole range, so that a fixed
    // clock gives the same orders everywhere.
    Casuale rnd;
    rnd.Semina(p.piattaforma.orologio);
    auto immagini = m.OrdineImmagini;
    auto corte = m.OrdineParoleCorte;
    std::iota(immagini.begin(), immagini.begin() + 31, std::int16_t{0});
    std::iota(corte.begin(), corte.end(), std::int16_t{0});
    for (std::size_t i = 1; i <= 30; ++i) std::swap(immagini[i], immagini[std::size_t(rnd.Intero(30) + 1)]);
    for (std::size_t i = 1; i <= 100; ++i) std::swap(corte[i], corte[std::size_t(rnd.Intero(100) + 1)]);
    EXPECT_EQ(m.OrdineImmagini, immagini);
    EXPECT_EQ(m.OrdineParoleCorte, corte);  // and p above 100 keeps p
}

// What the loader refuses: the file named in one message, its tables left empty, the puzzle still loaded.
TEST(Dizionario, FileMancantiONonValidi) {
    const std::string kCat = "Immagini.txt", kIndice = "dizionari/indir_bbb.txt",
                      kBbb = "dizionari/dizionario.bbb";
    auto scrivi = [](std::string f, std::string testo) { return [=](auto& d) { d.Scrivi(f, testo); }; };
    const std::pair<std::function<void(const CartellaProva&)>, std::vector<std::string>> casi[] = {
        {[&](auto& d) { fs::remove(d.percorso() / kCat); }, {kCat}},
        {scrivi(kIndice, Indice(10)), {kIndice}},                         // 10 lines
        {scrivi(kIndice, Indice().replace(3, 6, "abcdef")), {kIndice}},   // not a number
        {scrivi(kIndice, Indice().replace(21, 6, "000042")), {kIndice}},  // a gap between lengths
        {scrivi(kIndice, Indice(11, 15001)), {kIndice}},                  // over 15000 short words
        {scrivi(kBbb, Archivio(108)), {kBbb}},                            // shorter than the index
        {scrivi(kBbb, Archivio(108) + "abcdefghijklmnop"), {kBbb}},       // a word not in capitals
        {[&](auto& d) { fs::remove_all(d.percorso() / "dizionari"), fs::remove(d.percorso() / kCat); },
         {kCat, kIndice, kBbb}},
    };
    for (const auto& [guasta, nominati] : casi) {
        Partita p;
        guasta(ConDati(p).cartella);
        p.Carica(kTavola, {});
        std::string atteso = testi::kDatiNuoviSchemi;
        for (const auto& f : nominati) atteso += "\r" + (p.cartella.percorso() / f).string();
        EXPECT_EQ(p.piattaforma.Testi(), std::vector<std::string>{atteso});
        const auto& m = p.c.m;
        const bool senzaDizionario = nominati.back() != kCat;
        EXPECT_EQ(m.NumImmagini, nominati.front() == kCat ? 0 : 30) << atteso;
        EXPECT_EQ(m.IndiceLunghezze[6][1], senzaDizionario ? 0 : 100) << atteso;
        EXPECT_EQ(m.OrdineParoleCorte[1] == 1 && m.OrdineParoleCorte[100] == 100, senzaDizionario) << atteso;
        EXPECT_EQ(m.Griglia[17], 'R' - 64) << atteso;
    }
}
