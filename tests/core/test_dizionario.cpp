// The catalogue and length-index loader, the shuffled orders, what the loader refuses.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"
#include "files/Dizionario.h"

using namespace tramelo;
using tramelo::test::CartellaProva;
namespace fs = std::filesystem;

namespace {

const std::string kCat = "Immagini.txt", kIndice = "dizionari/indir_bbb.txt",
                  kBbb = "dizionari/dizionario.bbb";

// 50 words of 5 letters and 50 of 6, then one of each length (records 1..109), and 30 pictures.
void Dati(const CartellaProva& d, const test::Parole& parole = test::ParoleCasuali(50, 1, 1)) {
    test::ScriviDati(d, parole, std::vector<std::string>(30, "FOTO"));
}
// Rewrites one file of the folder through `cambia`.
auto Cambia(const std::string& file, std::function<void(std::string&)> cambia) {
    return [=](const CartellaProva& d) {
        auto testo = d.Leggi(file);
        cambia(testo);
        d.Scrivi(file, testo);
    };
}

}  // namespace

TEST(Dizionario, IndiceEOrdiniMescolati) {
    test::Partita p;
    p.piattaforma.orologio = 12345.678;
    Dati(p.cartella);
    Cambia(kIndice, [](auto& t) {  // what follows the two fields on a line is not read
        for (std::size_t i = 0; (i = t.find('\r', i)) != std::string::npos; i += 2) t.insert(i, "9");
    })(p.cartella);
    Cambia(kCat, [](auto& t) {
        t.replace(10, 4, "foto");  // a caption never used
        t.resize(t.size() - 2);    // no line end after the last line
    })(p.cartella);
    const auto& d = p.cartella.percorso();
    fs::rename(d / "dizionari", d / "DIZIONARI");  // names in any case
    p.Carica(test::kTavolaAlfabeto, {});
    const auto& m = p.c.m;
    EXPECT_EQ(p.piattaforma.Testi(), std::vector{testi::kDidascalieScartate + (":\r" + (d / kCat).string())});
    EXPECT_EQ(m.IndiceLunghezze[5], (std::array<std::int32_t, 2>{1, 50}));
    EXPECT_EQ(m.IndiceLunghezze[15], (std::array<std::int32_t, 2>{109, 109}));
    // One draw per picture, then one per short word, each over the whole range: a fixed clock, fixed orders.
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

// What the loader refuses: the file named in one message with the reason, its tables left empty, the
// puzzle still loaded.
TEST(Dizionario, FileMancantiONonValidi) {
    auto corte15001 = test::ParoleCasuali(50, 1, 1);
    corte15001[6].resize(15001 - 50);
    constexpr auto kNonEsiste = "il file non esiste", kNonValido = "contenuto non valido";
    using Nominati = std::vector<std::pair<std::string, std::string>>;  // file, reason
    const std::pair<std::function<void(const CartellaProva&)>, Nominati> casi[] = {
        {[](auto& d) { fs::remove(d.percorso() / kCat); }, {{kCat, kNonEsiste}}},
        {[](auto& d) { fs::remove(d.percorso() / kCat), fs::create_directory(d.percorso() / kCat); },
         {{kCat, "è una cartella"}}},
        {Cambia(kIndice, [](auto& t) { t.resize(t.size() - 18); }), {{kIndice, kNonValido}}},  // 10 lines
        {Cambia(kIndice, [](auto& t) { t.replace(3, 6, "abcdef"); }),
         {{kIndice, kNonValido}}},  // not a number
        {Cambia(kIndice, [](auto& t) { t.replace(21, 6, "000042"); }), {{kIndice, kNonValido}}},  // a gap
        {[&](auto& d) { Dati(d, corte15001); }, {{kIndice, kNonValido}}},  // over 15000 short words
        {Cambia(kBbb, [](auto& t) { t.resize(t.size() - 16); }),
         {{kBbb, kNonValido}}},  // shorter than the index
        {Cambia(kBbb, [](auto& t) { t.replace(t.size() - 16, 3, "abc"); }),
         {{kBbb, kNonValido}}},  // small letters
        {[](auto& d) { fs::remove_all(d.percorso() / "dizionari"), fs::remove(d.percorso() / kCat); },
         {{kCat, kNonEsiste}, {kIndice, kNonEsiste}, {kBbb, kNonEsiste}}},  // all missing
    };
    for (const auto& [guasta, nominati] : casi) {
        test::Partita p;
        Dati(p.cartella);
        guasta(p.cartella);
        p.Carica(test::kTavolaAlfabeto, {});
        std::string atteso = testi::kDatiNuoviSchemi;
        for (const auto& [f, motivo] : nominati)
            atteso += "\r" + motivo + ": " + (p.cartella.percorso() / f).string();
        EXPECT_EQ(p.piattaforma.Testi(), std::vector<std::string>{atteso});
        const auto& m = p.c.m;
        const bool senzaDizionario = nominati.back().first != kCat;
        EXPECT_EQ(m.NumImmagini, nominati.front().first == kCat ? 0 : 30) << atteso;
        EXPECT_EQ(m.IndiceLunghezze[6][1], senzaDizionario ? 0 : 100) << atteso;
        EXPECT_EQ(m.OrdineParoleCorte[1] == 1 && m.OrdineParoleCorte[100] == 100, senzaDizionario) << atteso;
        EXPECT_EQ(m.Griglia[17], 'R' - 64) << atteso;
    }
}
