// The shipped word store, length index, picture catalogue and puzzle: the loader takes them without a
// complaint, they hold what the generator relies on beyond what the loader checks, the words of the family
// list parole_di_famiglia.txt are in or out as it says, and the shipped puzzle plays.
// The builder's own rules (tools/dati: frequency floor, class lists, variant pairs, synonym groups) are
// applied when the data is built and not checked again here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "FalsaPiattaforma.h"
#include "board/ControlloImmagine.h"
#include "files/Dizionario.h"
#include "files/FileSchema.h"

using namespace tramelo;

// The shipped data loaded into one game throughout.
TEST(DatiSpediti, LeParoleLeImmaginiELoSchemaSpedito) {
    test::Partita p;
    test::CopiaDatiSpediti(p.cartella);
    p.Carica(test::kTavolaCasa, {"CASA"});
    const auto& m = p.c.m;
    // The words of the store, none twice.
    std::set<std::string> tutte;
    ArchivioParole archivio;
    EXPECT_TRUE(archivio.Apri(p.cartella.percorso() / "dizionari/dizionario.bbb"));
    for (std::int32_t r = 1; r <= m.IndiceLunghezze[15][1]; ++r)
        EXPECT_TRUE(tutte.emplace(archivio.Parola(r)).second) << "parola doppia " << archivio.Parola(r);
    // No complaint: 11 numeric index lines, contiguous, at most 15000 short words, A..Z only, each word as
    // long as its index line says, the store as long as the index, captions of capitals and blanks.
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
    // Every line ends in CR LF: a checkout that turns them into LF is a fault.
    for (const std::string f : {"dizionari/indir_bbb.txt", "Immagini.txt"}) {
        std::istringstream in(p.cartella.Leggi(f));
        int righe = 0;
        for (std::string r; std::getline(in, r); ++righe)
            EXPECT_TRUE(r.ends_with('\r') && !in.eof()) << f << r;
        EXPECT_EQ(righe, f == "Immagini.txt" ? m.NumImmagini : 11) << f;
    }

    // How many words the generator finds: its short-word phase, its middle and long draws, the whole store.
    const std::tuple<const char*, std::size_t, std::size_t, std::int32_t> minimi[] = {
        {"5 e 6 lettere", 5, 6, 2000}, {"da 7 a 9 lettere", 7, 9, 5000}, {"da 10 a 15 lettere", 10, 15, 3500},
        {"15 lettere", 15, 15, 50},    {"tutte", 5, 15, 12000},
    };
    // The index is contiguous from record 1 (the loader checks it): lengths da..a take one run of records.
    for (const auto& [nome, da, a, minimo] : minimi)
        EXPECT_GE(m.IndiceLunghezze[a][1] - m.IndiceLunghezze[da][0] + 1, minimo) << nome;

    // "fuori <why>: words" must be out of the store, "dentro <why>: words" in it.
    std::ifstream famiglia(TRAMELO_FIXTURES "/parole_di_famiglia.txt");
    for (std::string riga; std::getline(famiglia, riga);) {
        if (riga.starts_with('#')) continue;
        std::istringstream parole(riga.substr(riga.find(':') + 1));
        for (std::string w; parole >> w;)
            EXPECT_EQ(tutte.count(w), riga.starts_with("dentro") ? 1u : 0u)
                << riga.substr(0, riga.find(':') + 1) << w;
    }

    // Every shipped picture is a 259 x 194 baseline JPEG (one scan), well within the decoding budget, and
    // the store holds exactly the catalogue's pictures.
    Catalogo catalogo;
    ASSERT_TRUE(LeggiCatalogo(p.cartella.percorso() / "Immagini.txt", catalogo));
    const std::string immagini = p.cartella.Leggi("Immagini.jpg");
    std::size_t inizio = 0;
    for (const auto& voce : catalogo.voci) {
        const auto byte = immagini.substr(inizio, std::size_t(voce.lunghezza));
        inizio += std::size_t(voce.lunghezza);
        const auto h = LeggiIntestazioneJpeg(byte);
        ASSERT_TRUE(h) << voce.nome;
        EXPECT_EQ(std::tuple(h->larghezza, h->altezza, h->scansioni, h->progressiva),
                  std::tuple(259, 194, 1, false))
            << voce.nome;
        EXPECT_TRUE(ControllaImmagine(byte)) << voce.nome;
    }
    EXPECT_EQ(inizio, immagini.size());

    // The catalogue: enough pictures of every caption length the generator asks for, and none of the
    // captions taken out on review (a word a family would not say, or one that says what another says).
    std::map<std::size_t, int> perLettere;
    std::set<std::string> didascalie;
    for (int k = 1; k <= m.NumImmagini; ++k)
        ++perLettere[m.TabellaImmagini[k][2].size()], didascalie.insert(m.TabellaImmagini[k][3]);
    EXPECT_GE(perLettere[3], 15);
    for (std::size_t n = 4; n <= 18; ++n) EXPECT_GE(perLettere[n], 30) << n << " lettere";
    for (const char* tolta : {"ALTOPARLANTE", "BUS", "CATASTA DI LEGNA", "DVD", "GRANDE MAGAZZINO",
                              "OCCHIALI DA PISCINA", "ORO", "STAZIONE", "TE", "TIR", "SAX", "DNA", "DODO"})
        EXPECT_EQ(didascalie.count(tolta), 0u) << tolta;

    // The shipped puzzle plays: its words are in the store and its picture line names its caption.
    const auto schema = LeggiSchema(TRAMELO_DATA_DIR "/schemi/schema.txt");
    ASSERT_FALSE(schema.parole.empty());
    for (const auto& w : schema.parole) EXPECT_EQ(tutte.count(w), 1u) << w;
    const int k = std::stoi(schema.rigaImmagine.substr(0, 3));
    ASSERT_TRUE(k >= 1 && k <= m.NumImmagini);
    EXPECT_EQ(m.TabellaImmagini[k][3] + " " + m.TabellaImmagini[k][1],
              schema.soluzione + " " + schema.rigaImmagine.substr(4));
}
