// The menu commands of the window and the busy rule.
#include <gtest/gtest.h>

#include <set>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"

using namespace tramelo;
using tramelo::test::Partita;

TEST(Comandi, IstruzioniRicominciaIstruzioni) {
    Partita p;
    p.Carica(test::kTavolaCasa, {"CASA"});
    // Whether the picture shows, and the menu caption.
    auto stato = [&] {
        return std::to_string(p.c.f.Image1[kImmagineIstruzioni].Visible) + p.c.f.mnuIstruzioni.Caption;
    };
    EXPECT_EQ(stato(), "0Istruzioni");
    mnuIstruzioni_Click(p.c);
    EXPECT_EQ(stato(), "1Esci da Istruzioni");
    mnuIstruzioni_Click(p.c);
    EXPECT_EQ(stato(), "0Istruzioni");
    mnuIstruzioni_Click(p.c);
    mnuRicomincia_Click(p.c);  // the load hides the picture and leaves the caption
    EXPECT_EQ(stato(), "0Esci da Istruzioni");
    mnuIstruzioni_Click(p.c);
    EXPECT_EQ(stato(), "1Esci da Istruzioni");
    Image1_Click(p.c, kImmagineIstruzioni);  // a click on the picture hides it too
    EXPECT_EQ(stato(), "0Istruzioni");
}

TEST(Comandi, StampaSchema) {
    const std::pair<EsitoStampa, std::vector<std::string>> casi[] = {
        {EsitoStampa::Stampato, {}},
        {EsitoStampa::NessunaStampante, {testi::kNessunaStampante}},
        {EsitoStampa::Fallito, {testi::kStampaFallita}},
    };
    for (const auto& [esito, messaggi] : casi) {
        Partita p;
        p.Carica(test::kTavolaCasa, {"CASA"});
        p.piattaforma.esitoStampa = esito;
        p.piattaforma.messaggi.clear();
        mnuStampare_Click(p.c);
        EXPECT_EQ(p.piattaforma.stampe, 1);
        EXPECT_EQ(p.piattaforma.Testi(), messaggi);
    }
}

// While a generation runs every menu command, board click and key press is dropped.
TEST(Comandi, RegolaOccupato) {
    Partita p;
    p.Carica(test::kTavolaCasa, {"CASA"});
    p.cartella.Scrivi("schemi/schema.txt", test::TestoSchema(test::kTavolaCasa, "X", "000 00000", {"ALTRO"}));
    Image1_Click(p.c, 0);
    const auto prima = p.c.f;
    p.piattaforma.messaggi.clear();
    p.c.m.Occupato = 1;
    for (auto evento :
         {mnuRicomincia_Click, mnuSoluzione_Click, mnuNS_Click, mnuIstruzioni_Click, mnuStampare_Click,
          mnuSalvaSchema_Click, mnuCaricaSchema_Click, mnuCancellaSchema_Click})
        evento(p.c);
    for (int k : {1, 2, 3}) Image1_Click(p.c, k);
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(p.c.m.Parole[0] + p.c.f.mnuIstruzioni.Caption + p.c.f.mnuCaricaSchema.Caption +
                  p.c.f.mnuCancellaSchema.Caption,
              "CASA" + prima.mnuIstruzioni.Caption + prima.mnuCaricaSchema.Caption +
                  prima.mnuCancellaSchema.Caption);
    EXPECT_EQ(p.piattaforma.stampe + p.piattaforma.messaggi.size(), 0u);
    EXPECT_FALSE(p.cartella.Esiste("schemi/schema_n_001.txt"));
    for (std::size_t k = 0; k < kCelle; ++k)
        EXPECT_EQ(p.c.f.Image1[k].BorderStyle, prima.Image1[k].BorderStyle) << k;
}

// Five word labels under the heading in the first column, then seven a column, on the same rows.
TEST(Comandi, EtichetteDelleParole) {
    const auto& l = Form1().Label2;
    std::set<std::pair<float, float>> posti;
    for (const auto& e : l) posti.insert({e.Left, e.Top});
    EXPECT_EQ(posti.size(), std::size_t(kMaxParole));
    EXPECT_EQ(std::make_tuple(l[4].Left, l[0].Top, l[5].Top),
              std::make_tuple(l[0].Left, l[7].Top, l[12].Top));
    EXPECT_NE(l[5].Left, l[4].Left);
}
