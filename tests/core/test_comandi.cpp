// The menu commands of the window and the busy rule.
#include <gtest/gtest.h>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"

using namespace tramelo;
using tramelo::test::Partita;

namespace {

const auto& kTavola = test::kTavolaCasa;

}  // namespace

TEST(Comandi, IstruzioniRicominciaIstruzioni) {
    Partita p;
    p.Carica(kTavola, {"CASA"});
    auto& istruzioni = p.c.f.Image1[kImmagineIstruzioni];
    mnuIstruzioni_Click(p.c);
    EXPECT_TRUE(istruzioni.Visible);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, "Esci da Istruzioni");
    mnuIstruzioni_Click(p.c);
    EXPECT_FALSE(istruzioni.Visible);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, "Istruzioni");

    mnuIstruzioni_Click(p.c);
    mnuRicomincia_Click(p.c);  // the load hides the picture and leaves the caption
    EXPECT_FALSE(istruzioni.Visible);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, "Esci da Istruzioni");
    mnuIstruzioni_Click(p.c);
    EXPECT_TRUE(istruzioni.Visible);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, "Esci da Istruzioni");

    Image1_Click(p.c, kImmagineIstruzioni);  // a click on the picture hides it too
    EXPECT_FALSE(istruzioni.Visible);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, "Istruzioni");
}

TEST(Comandi, StampaSchema) {
    struct Caso {
        const char* nome;
        EsitoStampa esito;
        const char* messaggio;  // nullptr: no message
    } casi[] = {
        {"stampata", EsitoStampa::Stampato, nullptr},
        {"nessuna stampante", EsitoStampa::NessunaStampante, testi::kNessunaStampante},
        {"stampa fallita", EsitoStampa::Fallito, testi::kStampaFallita},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Partita p;
        p.Carica(kTavola, {"CASA"});
        p.piattaforma.esitoStampa = caso.esito;
        auto& messaggi = p.piattaforma.messaggi;
        messaggi.clear();
        mnuStampare_Click(p.c);
        EXPECT_EQ(p.piattaforma.stampe, 1);
        if (caso.messaggio) {
            ASSERT_EQ(messaggi.size(), 1u);
            EXPECT_EQ(messaggi[0].testo, caso.messaggio);
            EXPECT_EQ(messaggi[0].pulsanti, Pulsanti::Ok);
        } else {
            EXPECT_TRUE(messaggi.empty());
        }
    }
}

// While a generation runs every menu command, board click and key press is dropped.
TEST(Comandi, RegolaOccupato) {
    Partita p;
    p.Carica(kTavola, {"CASA"});
    p.cartella.Scrivi("schemi/schema.txt", test::TestoSchema(kTavola, "X", "000 00000", {"ALTRO"}));
    Image1_Click(p.c, 0);
    Image1_Click(p.c, 1);
    const auto prima = p.c.f.Image1;
    p.piattaforma.messaggi.clear();
    p.c.m.Occupato = 1;
    mnuRicomincia_Click(p.c);
    mnuSoluzione_Click(p.c);
    mnuNS_Click(p.c);
    mnuIstruzioni_Click(p.c);
    mnuStampare_Click(p.c);
    mnuSalvaSchema_Click(p.c);
    mnuCaricaSchema_Click(p.c);
    mnuCancellaSchema_Click(p.c);
    Image1_Click(p.c, 2);
    Image1_Click(p.c, 3);
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(p.c.m.Parole[0], "CASA");
    EXPECT_TRUE(p.c.f.Label2[0].Enabled);
    EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, "Istruzioni");
    EXPECT_EQ(p.c.f.mnuCaricaSchema.Caption, "Carica schema");
    EXPECT_EQ(p.c.f.mnuCancellaSchema.Caption, "Cancella schema");
    EXPECT_EQ(p.piattaforma.stampe, 0);
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
    EXPECT_FALSE(p.cartella.Esiste("schemi/schema_n_001.txt"));
    for (int k = 0; k < kCelle; ++k)
        EXPECT_EQ(p.c.f.Image1[static_cast<std::size_t>(k)].BorderStyle,
                  prima[static_cast<std::size_t>(k)].BorderStyle);
    EXPECT_EQ(p.c.m.Occupato, 1);
}
