// The catalogue and length-index loader, the shuffled orders and the word store reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>

#include "FalsaPiattaforma.h"
#include "app/Testi.h"
#include "files/Dizionario.h"

using namespace tramelo;
using tramelo::test::CartellaProva;
using tramelo::test::Partita;

namespace {

const std::vector<std::string> kTavola = {
    "ABCDEFGHIJKLMNOPQR", "STUVWXYZABCDEFGHIJ", "KLMNOPQRSTUVWXYZAB", "CDEFGHIJKLMNOPQRST",
    "UVWXYZABCDEFGHIJKL", "MNOPQRSTUVWXYZABCD", "EFGHIJKLMNOPQRSTUV", "WXYZABCDEFGHIJKLMN",
    "OPQRSTUVWXYZABCDEF", "GHIJKLMNOPQRSTUVWX",
};

// Index lines for the lengths 5..15 with the given last records, each range following the previous.
std::string Indice(const std::vector<int>& ultimi) {
    std::string t;
    int primo = 1;
    for (std::size_t i = 0; i < ultimi.size(); ++i) {
        char riga[40];
        std::snprintf(riga, sizeof riga, "%3zu%06d %06d\r\n", i + 5, primo, ultimi[i]);
        t += riga;
        primo = ultimi[i] + 1;
    }
    return t;
}
const std::vector<int> kUltimi = {40, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109};

std::string Archivio(int record) {
    std::string t(15, 'H');
    for (int r = 1; r <= record; ++r) t += ("P" + std::to_string(r) + std::string(16, ' ')).substr(0, 16);
    return t;
}

std::string Catalogo(int righe) {
    std::string t;
    for (int k = 1; k <= righe; ++k)
        t += "0001" + std::string("00100") + " FOTO " + std::to_string(k) + " jpg\r\n";
    return t;
}

void ScriviDati(const CartellaProva& d) {
    d.Scrivi("Immagini.txt", Catalogo(30));
    d.Scrivi("dizionari/indir_bbb.txt", Indice(kUltimi));
    d.Scrivi("dizionari/dizionario.bbb", Archivio(109));
}

template <typename T>
bool Permutazione(const T& t, int n) {
    std::vector<int> v(t.begin() + 1, t.begin() + n + 1);
    std::sort(v.begin(), v.end());
    std::vector<int> attesa(static_cast<std::size_t>(n));
    std::iota(attesa.begin(), attesa.end(), 1);
    return v == attesa;
}

}  // namespace

TEST(Dizionario, CampiDelCatalogo) {
    struct Caso {
        const char* nome;
        const char* riga;
        const char *campo, *nome3, *nome2;
    } casi[] = {
        {"torre di pisa", "xxxx12345 LA TORRE DI PISAyyyy", "12345", "LA TORRE DI PISA", "LATORREDIPISA"},
        {"riga di 14 caratteri: nome vuoto", "xxxx00010 yyyy", "00010", "", ""},
        {"riga di 13 caratteri: tiene il numero, senza nome", "xxxx00020 yyy", "00020", "", ""},
        {"riga vuota: tiene il numero", "", "", "", ""},
        {"campo con blank iniziali", "0005  250 A  B jpg", "  250", "A  B", "AB"},
    };
    Partita p;
    std::string testo;
    for (const auto& c : casi) testo += std::string(c.riga) + "\r\n";
    p.cartella.Scrivi("Immagini.txt", testo);
    p.c.m.Cartella = p.cartella.percorso().string();
    CaricaDizionario(p.c);
    ASSERT_EQ(p.c.m.NumImmagini, 5);
    for (std::size_t k = 1; k <= 5; ++k) {
        const auto& c = casi[k - 1];
        EXPECT_EQ(p.c.m.TabellaImmagini[k][1], c.campo) << c.nome;
        EXPECT_EQ(p.c.m.TabellaImmagini[k][3], c.nome3) << c.nome;
        EXPECT_EQ(p.c.m.TabellaImmagini[k][2], c.nome2) << c.nome;
    }
}

TEST(Dizionario, IndiceEOrdiniMescolati) {
    struct Caso {
        const char* nome;
        double orologio;
    } casi[] = {{"mezzogiorno", 43200.0}, {"mezzanotte", 0.0}, {"secondi con frazione", 12345.678}};
    for (const auto& c : casi) {
        Partita p;
        ScriviDati(p.cartella);
        p.piattaforma.orologio = c.orologio;
        p.Carica(kTavola, {});
        const auto& m = p.c.m;
        EXPECT_TRUE(p.piattaforma.messaggi.empty()) << c.nome;
        EXPECT_EQ(m.IndiceLunghezze[5][0], 1) << c.nome;
        EXPECT_EQ(m.IndiceLunghezze[5][1], 40) << c.nome;
        EXPECT_EQ(m.IndiceLunghezze[15][0], 109) << c.nome;
        EXPECT_EQ(m.IndiceLunghezze[4][1] + m.IndiceLunghezze[16][0], 0) << c.nome;
        EXPECT_TRUE(Permutazione(m.OrdineImmagini, 30)) << c.nome;
        EXPECT_TRUE(Permutazione(m.OrdineParoleCorte, 100)) << c.nome;
        for (int q = 101; q <= kMaxParoleCorte; ++q)
            ASSERT_EQ(m.OrdineParoleCorte[static_cast<std::size_t>(q)], q);

        // The draws: one per picture, then one per short word, each over the whole range.
        Casuale rnd;
        rnd.Semina(c.orologio);
        std::vector<int> immagini(31), corte(101);
        std::iota(immagini.begin(), immagini.end(), 0);
        std::iota(corte.begin(), corte.end(), 0);
        for (int i = 1; i <= 30; ++i)
            std::swap(immagini[static_cast<std::size_t>(i)],
                      immagini[static_cast<std::size_t>(rnd.Intero(30) + 1)]);
        for (int i = 1; i <= 100; ++i)
            std::swap(corte[static_cast<std::size_t>(i)],
                      corte[static_cast<std::size_t>(rnd.Intero(100) + 1)]);
        EXPECT_TRUE(std::equal(immagini.begin() + 1, immagini.end(), m.OrdineImmagini.begin() + 1)) << c.nome;
        EXPECT_TRUE(std::equal(corte.begin() + 1, corte.end(), m.OrdineParoleCorte.begin() + 1)) << c.nome;
    }
}

TEST(Dizionario, CatalogoOltre600RigheERicaricaPiuCorta) {
    Partita p;
    ScriviDati(p.cartella);
    p.cartella.Scrivi("Immagini.txt", Catalogo(605));
    p.Carica(kTavola, {});
    EXPECT_EQ(p.c.m.NumImmagini, 600);
    EXPECT_TRUE(Permutazione(p.c.m.OrdineImmagini, 600));
    p.cartella.Scrivi("Immagini.txt", Catalogo(2));
    p.Ricarica();
    EXPECT_EQ(p.c.m.NumImmagini, 2);
    EXPECT_EQ(p.c.m.TabellaImmagini[3][1], "");
    EXPECT_EQ(p.c.m.OrdineImmagini[3], 0);
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
}

TEST(Dizionario, RecordDellArchivio) {
    CartellaProva d;
    // 15 bytes before record 1 end in a letter, so a reader one byte off returns a different word.
    d.Scrivi("a.bbb",
             "HHHHHHHHHHHHHHZ"
             "ALBERO          "
             " PONTE          "
             "MONTAGNA");
    ArchivioParole a;
    ASSERT_TRUE(a.Apri(d.percorso() / "a.bbb"));
    EXPECT_EQ(a.NumRecord(), 2);
    struct Caso {
        const char* nome;
        std::int32_t r;
        const char* parola;
    } casi[] = {
        {"record 1 dall'offset 15", 1, "ALBERO"},
        {"record 2 dall'offset 31, blank tolti", 2, "PONTE"},
        {"record incompleto in fondo", 3, ""},
        {"oltre la fine", 1000000, ""},
        {"record 0", 0, ""},
        {"record negativo", -4, ""},
    };
    for (const auto& c : casi) EXPECT_EQ(a.Leggi(c.r), c.parola) << c.nome;
    EXPECT_EQ(a.Leggi(1), "ALBERO") << "dopo una lettura fallita";
    EXPECT_FALSE(a.Apri(d.percorso() / "manca.bbb"));
    EXPECT_EQ(a.Leggi(1), "");
}

TEST(Dizionario, FileMancantiONonValidi) {
    const std::string kIndice = "dizionari/indir_bbb.txt", kArchivio = "dizionari/dizionario.bbb",
                      kCat = "Immagini.txt";
    auto ultimi = [](int i, int v) {
        auto u = kUltimi;
        u[static_cast<std::size_t>(i)] = v;
        return u;
    };
    struct Caso {
        const char* nome;
        std::function<void(const CartellaProva&)> guasta;
        std::vector<std::string> nominati;
    } casi[] = {
        {"catalogo mancante", [&](auto& d) { std::filesystem::remove(d.percorso() / kCat); }, {kCat}},
        {"indice mancante", [&](auto& d) { std::filesystem::remove(d.percorso() / kIndice); }, {kIndice}},
        {"indice di 10 righe",
         [&](auto& d) {
             d.Scrivi(kIndice, Indice({40, 100, 101, 102, 103, 104, 105, 106, 107, 108}));
         },
         {kIndice}},
        {"indice non numerico",
         [&](auto& d) { d.Scrivi(kIndice, "  5abcdef 000040\r\n" + Indice(kUltimi).substr(18)); },
         {kIndice}},
        {"indice con un buco tra le lunghezze",
         [&](auto& d) { d.Scrivi(kIndice, Indice(kUltimi).replace(21, 6, "000042")); },
         {kIndice}},
        {"intervallo rovesciato", [&](auto& d) { d.Scrivi(kIndice, Indice(ultimi(1, 30))); }, {kIndice}},
        {"oltre 15000 parole corte",
         [&](auto& d) {
             std::vector<int> u = {40, 15001};
             for (int l = 7; l <= 15; ++l) u.push_back(u.back() + 1);
             d.Scrivi(kIndice, Indice(u));
             d.Scrivi(kArchivio, Archivio(u.back()));
         },
         {kIndice}},
        {"archivio mancante",
         [&](auto& d) { std::filesystem::remove(d.percorso() / kArchivio); },
         {kArchivio}},
        {"archivio più corto dell'indice", [&](auto& d) { d.Scrivi(kArchivio, Archivio(108)); }, {kArchivio}},
        {"tutti mancanti, un solo messaggio",
         [&](auto& d) {
             std::filesystem::remove_all(d.percorso() / "dizionari");
             std::filesystem::remove(d.percorso() / kCat);
         },
         {kCat, kIndice, kArchivio}},
    };
    for (const auto& c : casi) {
        Partita p;
        ScriviDati(p.cartella);
        c.guasta(p.cartella);
        p.Carica(kTavola, {});
        const auto& m = p.c.m;
        ASSERT_EQ(p.piattaforma.messaggi.size(), 1u) << c.nome;
        const auto& testo = p.piattaforma.messaggi[0].testo;
        EXPECT_EQ(testo.rfind(testi::kDatiNuoviSchemi, 0), 0u) << c.nome;
        for (const auto& f : {kCat, kIndice, kArchivio}) {
            const bool nominato = std::find(c.nominati.begin(), c.nominati.end(), f) != c.nominati.end();
            EXPECT_EQ(testo.find("\r" + (p.cartella.percorso() / f).string()) != std::string::npos, nominato)
                << c.nome << ": " << f;
        }
        const bool dizionarioGuasto = c.nominati.back() != kCat;
        EXPECT_EQ(m.IndiceLunghezze[6][1], dizionarioGuasto ? 0 : 100) << c.nome;
        if (dizionarioGuasto) {
            for (int q = 1; q <= kMaxParoleCorte; ++q)
                ASSERT_EQ(m.OrdineParoleCorte[static_cast<std::size_t>(q)], q) << c.nome;
        }
        EXPECT_EQ(m.NumImmagini, c.nominati.front() == kCat ? 0 : 30) << c.nome;
        EXPECT_EQ(m.Griglia[17], 'R' - 64) << c.nome << ": the puzzle is still loaded";
    }
}
