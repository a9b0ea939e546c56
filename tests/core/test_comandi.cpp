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
    Image1_Click(p.c, 1);
    const auto prima = p.c.f;
    p.piattaforma.messaggi.clear();
    p.c.m.Occupato = 1;
    for (auto evento :
         {mnuRicomincia_Click, mnuSoluzione_Click, mnuNS_Click, mnuIstruzioni_Click, mnuStampare_Click,
          mnuSalvaSchema_Click, mnuCaricaSchema_Click, mnuCancellaSchema_Click})
        evento(p.c);
    Image1_Click(p.c, 2);
    Image1_Click(p.c, 3);
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(p.c.m.Parole[0], "CASA");
    EXPECT_TRUE(p.c.f.Label2[0].Enabled);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption + p.c.f.mnuCaricaSchema.Caption + p.c.f.mnuCancellaSchema.Caption,
              prima.mnuIstruzioni.Caption + prima.mnuCaricaSchema.Caption + prima.mnuCancellaSchema.Caption);
    EXPECT_EQ(p.piattaforma.stampe, 0);
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
    EXPECT_FALSE(p.cartella.Esiste("schemi/schema_n_001.txt"));
    for (std::size_t k = 0; k < kCelle; ++k)
        EXPECT_EQ(p.c.f.Image1[k].BorderStyle, prima.Image1[k].BorderStyle) << k;
    EXPECT_EQ(p.c.m.Occupato, 1);
}

// The forty word labels each have a place of their own in the list.
TEST(Comandi, EtichetteDelleParoleAlLoroPosto) {
    std::set<std::pair<float, float>> posti;
    for (const auto& e : Form1().Label2) posti.insert({e.Left, e.Top});
    EXPECT_EQ(posti.size(), std::size_t(kMaxParole));
}
