// The catalogue and length-index loader, the shuffled orders, what the loader refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"
#include "files/Dizionario.h"

using namespace tramelo;
using tramelo::test::CartellaProva;
namespace fs = std::filesystem;

namespace {

const std::string kCat = "Immagini.txt", kJpg = "Immagini.jpg", kIndice = "dizionari/indir_bbb.txt",
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
    // Each order shuffles its range, p above 100 keeps p; the generator's exact files pin the draws.
    EXPECT_TRUE(test::Permutazione(m.OrdineImmagini, 30) && test::Permutazione(m.OrdineParoleCorte, 100));
    EXPECT_FALSE(std::is_sorted(m.OrdineImmagini.begin() + 1, m.OrdineImmagini.begin() + 31));
    EXPECT_FALSE(std::is_sorted(m.OrdineParoleCorte.begin() + 1, m.OrdineParoleCorte.begin() + 101));
    EXPECT_EQ(m.OrdineParoleCorte[101], 101);
    EXPECT_EQ(m.OrdineParoleCorte[kMaxParoleCorte], kMaxParoleCorte);
    // A catalogue of 601 lines: the last is not read.
    test::ScriviDati(p.cartella, test::ParoleCasuali(50, 1, 1), std::vector<std::string>(601, "FOTO"));
    p.Carica(test::kTavolaAlfabeto, {});
    EXPECT_EQ(m.NumImmagini, kMaxImmagini);
}

// What the loader refuses: the file at fault named in one message with the reason, its tables left
// empty, the puzzle still loaded. The catalogue, the picture store, the index and the word store are
// judged as a whole: a store that does not hold what the index says is the store's fault.
TEST(Dizionario, FileMancantiONonValidi) {
    auto corte15001 = test::ParoleCasuali(50, 1, 1);
    corte15001[6].resize(15001 - 50);
    constexpr auto kNonEsiste = "il file non esiste", kNonValido = "contenuto non valido",
                   kNonConcorda = "non corrisponde all'indice delle parole",
                   kCorto = "il file è più corto del previsto";
    using Nominati = std::vector<std::pair<std::string, std::string>>;  // file, reason
    const std::tuple<const char*, std::function<void(const CartellaProva&)>, Nominati> casi[] = {
        // clang-format off
        {"lunghezza di un'immagine non di cifre", Cambia(kCat, [](auto& t) { t.replace(4, 5, "abcde"); }), {{kCat, kNonValido}}},
        {"archivio delle immagini vuoto", Cambia(kJpg, [](auto& t) { t.clear(); }), {{kJpg, "il file è vuoto"}}},
        {"archivio delle immagini più corto del catalogo", Cambia(kJpg, [](auto& t) { t.pop_back(); }), {{kJpg, kCorto}}},
        {"indice di 10 righe", Cambia(kIndice, [](auto& t) { t.resize(t.size() - 18); }), {{kIndice, kNonValido}}},
        {"indice con un buco", Cambia(kIndice, [](auto& t) { t.replace(21, 6, "000042"); }), {{kIndice, kNonValido}}},
        {"oltre 15000 parole corte", [&](auto& d) { Dati(d, corte15001); }, {{kIndice, kNonValido}}},
        {"archivio di un record più corto dell'indice", Cambia(kBbb, [](auto& t) { t.resize(t.size() - 16); }), {{kBbb, kNonConcorda}}},
        {"parole di 5 lettere nell'intervallo delle 6", Cambia(kIndice, [](auto& t) { t.replace(10, 6, "000049"), t.replace(21, 6, "000050"); }), {{kBbb, kNonConcorda}}},
        {"lettere minuscole", Cambia(kBbb, [](auto& t) { t.replace(t.size() - 16, 3, "abc"); }), {{kBbb, kNonValido}}},
        {"nessun file dei dati",
         [](auto& d) { fs::remove_all(d.percorso() / "dizionari"), fs::remove(d.percorso() / kCat), fs::remove(d.percorso() / kJpg); },
         {{kCat, kNonEsiste}, {kJpg, kNonEsiste}, {kIndice, kNonEsiste}, {kBbb, kNonEsiste}}},
        // clang-format on
    };
    for (const auto& [nome, guasta, nominati] : casi) {
        SCOPED_TRACE(nome);
        test::Partita p;
        Dati(p.cartella);
        guasta(p.cartella);
        p.Carica(test::kTavolaAlfabeto, {});
        std::string atteso = testi::kDatiNuoviSchemi;
        for (const auto& [f, motivo] : nominati)
            atteso += "\r" + motivo + ": " + (p.cartella.percorso() / f).string();
        EXPECT_EQ(p.piattaforma.Testi(), std::vector<std::string>{atteso});
        const auto& m = p.c.m;
        const bool senzaDizionario =
            std::ranges::any_of(nominati, [](auto& n) { return n.first.starts_with("diz"); });
        const bool senzaCatalogo = nominati.front().first == kCat;
        EXPECT_EQ(m.NumImmagini, senzaCatalogo ? 0 : 30);
        EXPECT_EQ(m.IndiceLunghezze[6][1], senzaDizionario ? 0 : 100);
        EXPECT_EQ(m.OrdineParoleCorte[1] == 1 && m.OrdineParoleCorte[100] == 100, senzaDizionario);
        EXPECT_EQ(m.Griglia[17], CodiceLettera('R'));
    }
}
