// The menu commands of the window and the busy rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"

using namespace tramelo;
using tramelo::test::Partita;

// Istruzioni shows the instructions and turns into Esci da Istruzioni; Ricomincia hides them but leaves the
// caption; a click on the picture hides them.
TEST(Comandi, IstruzioniRicominciaIstruzioni) {
    Partita p;
    p.Carica(test::kTavolaCasa, {"CASA"});
    const auto clic = [](Contesto& c) { Image1_Click(c, kImmagineIstruzioni); };
    const std::tuple<const char*, void (*)(Contesto&), bool, const char*> passi[] = {
        // step, whether the instructions then show, the menu caption
        {"Istruzioni", mnuIstruzioni_Click, true, testi::kEsciIstruzioni},
        {"Esci da Istruzioni", mnuIstruzioni_Click, false, testi::kIstruzioni},
        {"Istruzioni di nuovo", mnuIstruzioni_Click, true, testi::kEsciIstruzioni},
        {"Ricomincia", mnuRicomincia_Click, false, testi::kEsciIstruzioni},
        {"Esci da Istruzioni, dopo Ricomincia, le mostra", mnuIstruzioni_Click, true, testi::kEsciIstruzioni},
        {"clic sull'immagine", clic, false, testi::kIstruzioni},
    };
    for (const auto& [passo, evento, mostrate, voce] : passi) {
        evento(p.c);
        EXPECT_EQ(p.c.f.Image1[kImmagineIstruzioni].Visible, mostrate) << passo;
        EXPECT_EQ(p.c.f.mnuIstruzioni.Caption, voce) << passo;
    }
}

// Printed, no printer, a failed print: one message for each of the two failures.
TEST(Comandi, StampaSchema) {
    Partita p;
    p.Carica(test::kTavolaCasa, {"CASA"});
    p.piattaforma.messaggi.clear();
    for (auto esito : {EsitoStampa::Stampato, EsitoStampa::NessunaStampante, EsitoStampa::Fallito})
        p.piattaforma.esitoStampa = esito, mnuStampare_Click(p.c);
    EXPECT_EQ(p.piattaforma.Testi(),
              (std::vector<std::string>{testi::kNessunaStampante, testi::kStampaFallita}));
}

// While a generation runs every menu command, board click and key press is dropped.
TEST(Comandi, RegolaOccupato) {
    Partita p;
    p.Carica(test::kTavolaCasa, {"CASA"});
    p.cartella.Scrivi("schemi/schema.txt", test::TestoSchema(test::kTavolaCasa, "X", "000 00000", {"ALTRO"}));
    Image1_Click(p.c, 0);
    // The words, the menu captions and the selected cells: what a dropped event would have changed.
    const auto stato = [&f = p.c.f, &m = p.c.m] {
        auto s =
            m.Parole[0] + f.mnuIstruzioni.Caption + f.mnuCaricaSchema.Caption + f.mnuCancellaSchema.Caption;
        for (const auto& i : f.Image1) s += std::to_string(i.BorderStyle);
        return s;
    };
    const auto prima = stato();
    p.piattaforma.messaggi.clear();
    p.c.m.Occupato = 1;
    for (auto evento :
         {mnuRicomincia_Click, mnuSoluzione_Click, mnuNS_Click, mnuIstruzioni_Click, mnuStampare_Click,
          mnuSalvaSchema_Click, mnuCaricaSchema_Click, mnuCancellaSchema_Click})
        evento(p.c);
    for (int k : {1, 2, 3}) Image1_Click(p.c, k);
    Form_KeyPress(p.c, 27);
    EXPECT_EQ(stato(), prima);
    EXPECT_EQ(p.piattaforma.stampe + p.piattaforma.messaggi.size(), 0u);
}

// The shipped puzzle solved with letters still selected: the selection is dropped first, so that the
// rings, read in board order, spell the caption without its blanks.
TEST(Comandi, SoluzioneConLettereSelezionate) {
    Partita p;
    test::CopiaDatiSpediti(p.cartella);
    p.cartella.Scrivi("schemi/schema.txt", test::LeggiTutto(TRAMELO_DATA_DIR "/schemi/schema.txt"));
    p.Ricarica();
    mnuSoluzione_Click(p.c);
    const auto soluzione = test::CelleAnellate(p.c.f);
    std::string anelli, didascalia = p.c.m.SoluzioneSchema;
    for (int k : soluzione) anelli += CarattereDelCodice(p.c.m.Griglia[std::size_t(k)]);
    std::erase(didascalia, ' ');
    ASSERT_EQ(anelli, didascalia);
    // The first ringed letter and the first cell that belongs to a word, selected before the solution.
    int parola = 0;
    while (std::find(soluzione.begin(), soluzione.end(), parola) != soluzione.end()) ++parola;
    p.Ricarica();
    for (int k : {soluzione.at(0), parola}) Image1_Click(p.c, k);
    mnuSoluzione_Click(p.c);
    EXPECT_EQ(test::CelleAnellate(p.c.f), soluzione);
    for (std::size_t k = 0; k < kCelle; ++k) EXPECT_EQ(p.c.f.Image1[k].BorderStyle, 0) << k;
}
