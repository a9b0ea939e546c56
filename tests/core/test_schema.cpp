// Loading the current puzzle: the reader's rules, the start state, the layout scaling, broken files.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "board/Schema.h"
#include "files/FileSchema.h"

using namespace tramelo;
using tramelo::test::Partita;

namespace {

const auto& kTavola = test::kTavolaAlfabeto;

std::vector<std::string> TavolaCon(int riga, const std::string& testo) {
    auto t = kTavola;
    t[static_cast<std::size_t>(riga)] = testo;
    return t;
}

}  // namespace

TEST(LetturaSchema, RegoleDelLettore) {
    struct Caso {
        const char* nome;
        std::string testo;
        std::function<void(const LetturaSchema&)> verifica;
    } casi[] = {
        {"riga da A a R: codici 1..18", test::TestoSchema(kTavola, "", "000 00000", {}),
         [](const LetturaSchema& l) {
             for (int c = 0; c < 18; ++c) EXPECT_EQ(l.celle[static_cast<std::size_t>(c)], c + 1);
         }},
        {"blank, punto e minuscola danno celle nascoste",
         test::TestoSchema(TavolaCon(2, "A .bCDEFGHIJKLMNOP"), "", "000 00000", {}),
         [](const LetturaSchema& l) {
             EXPECT_EQ(l.celle[37], -32);
             EXPECT_EQ(l.celle[38], '.' - 64);
             EXPECT_EQ(l.celle[39], 'b' - 64);
         }},
        {"riga più lunga di 18: il resto ignorato",
         test::TestoSchema(TavolaCon(0, "ABCDEFGHIJKLMNOPQRZZZZ"), "", "000 00000", {}),
         [](const LetturaSchema& l) { EXPECT_EQ(l.celle[18], 'S' - 64); }},
        {"riga più corta di 18: celle mancanti nascoste",
         test::TestoSchema(TavolaCon(1, "ABC"), "", "000 00000", {}),
         [](const LetturaSchema& l) {
             EXPECT_EQ(l.celle[20], 3);
             EXPECT_EQ(l.celle[21], 0);
             EXPECT_EQ(l.celle[35], 0);
             EXPECT_EQ(l.celle[36], 'K' - 64);
         }},
        {"soluzione minuscola con blank: maiuscola, blank esterni tolti",
         test::TestoSchema(kTavola, "  la torre di pisa ", "000 00000", {}),
         [](const LetturaSchema& l) { EXPECT_EQ(l.soluzione, "LA TORRE DI PISA"); }},
        {"soluzione con lettere accentate", test::TestoSchema(kTavola, "citt\xE0", "000 00000", {}),
         [](const LetturaSchema& l) { EXPECT_EQ(l.soluzione, "CITT\xC0"); }},
        {"riga immagine conservata", test::TestoSchema(kTavola, "X", "007  2345", {}),
         [](const LetturaSchema& l) { EXPECT_EQ(l.rigaImmagine, "007  2345"); }},
        {"parole ripulite dai blank, blank-solo diventa parola vuota, '/' è una parola",
         test::TestoSchema(kTavola, "X", "000 00000", {"  CASA ", "   ", "/"}),
         [](const LetturaSchema& l) {
             EXPECT_EQ(l.parole, (std::vector<std::string>{"CASA", "", "/"}));
         }},
        {"blank prima di /* chiude l'elenco",
         test::TestoSchema(kTavola, "X", "000 00000", {"UNO", "  /* altro", "DUE"}, false),
         [](const LetturaSchema& l) { EXPECT_EQ(l.parole, (std::vector<std::string>{"UNO"})); }},
        {"41 parole: la 41esima mai letta",
         [] {
             std::vector<std::string> p;
             for (int i = 0; i < 41; ++i) p.push_back("P" + std::to_string(i));
             return test::TestoSchema(kTavola, "X", "000 00000", p);
         }(),
         [](const LetturaSchema& l) {
             ASSERT_EQ(l.parole.size(), 40u);
             EXPECT_EQ(l.parole.back(), "P39");
         }},
        {"file che finisce prima del terminatore: le parole lette restano",
         test::TestoSchema(kTavola, "X", "000 00000", {"UNO", "DUE"}, false),
         [](const LetturaSchema& l) { EXPECT_EQ(l.parole.size(), 2u); }},
        {"righe chiuse da solo LF",
         "ABCDEFGHIJKLMNOPQR\nSTUVWXYZABCDEFGHIJ\n\n\n\n\n\n\n\n\nsole\n001 00100\nCASA\n/*\n",
         [](const LetturaSchema& l) {
             EXPECT_EQ(l.celle[18], 'S' - 64);
             EXPECT_EQ(l.soluzione, "SOLE");
             EXPECT_EQ(l.rigaImmagine, "001 00100");
             EXPECT_EQ(l.parole, (std::vector<std::string>{"CASA"}));
         }},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        caso.verifica(LeggiSchemaDaTesto(caso.testo));
    }
}

TEST(PreparaSchema, StatoIniziale) {
    Partita p;
    p.Carica(TavolaCon(0, "AB.DEFGHIJKLMNOPQR"), {"ABC", "DEF"}, " soluzione ");
    const auto& m = p.c.m;
    EXPECT_EQ(m.Occupato, 0);
    EXPECT_EQ(m.ModoSoluzione, 0);
    EXPECT_EQ(m.ParolaRiconosciuta, 0);
    EXPECT_EQ(m.DizionarioCaricato, 1);
    EXPECT_EQ(m.NumParole, 2);
    EXPECT_EQ(m.SoluzioneSchema, "SOLUZIONE");
    for (int k = 0; k < kCelle; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool lettera = k != 2;
        EXPECT_EQ(m.Aspetto[i], lettera ? kAspettoNormale : kAspettoNessuno) << k;
        EXPECT_EQ(p.c.f.Image1[i].Visible, lettera) << k;
        EXPECT_EQ(p.c.f.Image1[i].BorderStyle, 0);
        if (lettera) {
            EXPECT_EQ(p.c.f.Image1[i].Picture, FiguraTessera(3, m.Griglia[i]));
        }
    }
    for (int w = 0; w < kMaxParole; ++w) {
        const auto i = static_cast<std::size_t>(w);
        EXPECT_EQ(p.c.f.Label2[i].Caption, w == 0 ? "ABC" : w == 1 ? "DEF" : "");
        EXPECT_FALSE(p.c.f.Line1[i].Visible);
    }
}

TEST(PreparaSchema, AdattaLaFinestraUnaSolaVolta) {
    Partita p;
    p.piattaforma.twipsPerPixel = 15;
    p.Carica(kTavola, {});
    p.Ricarica();
    p.Ricarica();
    const auto& f = p.c.f;
    EXPECT_EQ(p.c.m.FinestraAdattata, 1);
    EXPECT_FLOAT_EQ(f.Width, 11088 * 1.25f);
    EXPECT_FLOAT_EQ(f.Height, 5844 * 1.25f);
    EXPECT_FLOAT_EQ(f.Left, (1920 * 15 - f.Width) / 2);
    EXPECT_FLOAT_EQ(f.Image1[19].Left, (288 + 384) * 1.25f);  // 32-pixel tiles at 15 twips per pixel
    EXPECT_FLOAT_EQ(f.Image1[19].Width, 480);
    EXPECT_FLOAT_EQ(f.Label2[0].FontSize, 9);   // floor(7.8 * 1.25)
    EXPECT_FLOAT_EQ(f.Label1[2].FontSize, 15);  // 12 * 1.25
    EXPECT_FLOAT_EQ(f.Shape1[0].Width, 480);
    EXPECT_FLOAT_EQ(f.File1.Left, 5640);  // the file list is not scaled

    Partita q;  // 12 twips per pixel: the design density, nothing changes
    q.Carica(kTavola, {});
    EXPECT_EQ(q.c.m.FinestraAdattata, 0);
    EXPECT_FLOAT_EQ(q.c.f.Width, 11088);
    EXPECT_FLOAT_EQ(q.c.f.Image1[19].Left, 288 + 384);
}

TEST(PreparaSchema, FileMancanteOIllegibile) {
    struct Caso {
        const char* nome;
        std::function<void(test::CartellaProva&)> prepara;
    } casi[] = {
        {"file mancante", [](test::CartellaProva&) {}},
        {"una cartella al posto del file",
         [](test::CartellaProva& d) {
             std::filesystem::create_directories(d.percorso() / "schemi/schema.txt");
         }},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Partita p;
        p.Carica(kTavola, {"ABC"});  // a puzzle on the board first
        std::filesystem::remove(p.cartella.percorso() / "schemi/schema.txt");
        caso.prepara(p.cartella);
        p.piattaforma.messaggi.clear();
        p.Ricarica();
        const auto& messaggi = p.piattaforma.messaggi;
        EXPECT_EQ(std::count_if(messaggi.begin(), messaggi.end(),
                                [](const test::Messaggio& m) {
                                    return m.testo.find("schemi/schema.txt") != std::string::npos;
                                }),
                  1);
        EXPECT_EQ(p.c.m.NumParole, 0);
        for (const auto& cella : std::span(p.c.f.Image1).first(kCelle)) EXPECT_FALSE(cella.Visible);
        for (const auto& e : p.c.f.Label2) EXPECT_EQ(e.Caption, "");
    }
}

TEST(PreparaSchema, NomeInMaiuscoleSulDisco) {
    Partita p;
    p.cartella.Scrivi("schemi/SCHEMA.TXT", test::TestoSchema(kTavola, "X", "000 00000", {"ABC"}));
    p.Ricarica();
    EXPECT_EQ(p.c.m.NumParole, 1);
    EXPECT_EQ(p.c.m.Griglia[0], 1);
}
