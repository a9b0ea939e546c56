// The shipped word store, length index and picture catalogue: the loader takes them without a complaint,
// they hold what the generator relies on beyond what the loader checks, and the words are fit for a family
// puzzle (the lists in parole_di_famiglia.txt).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "FalsaPiattaforma.h"
#include "board/ControlloImmagine.h"
#include "files/Dizionario.h"

using namespace tramelo;

TEST(DatiSpediti, LoStoreELIndiceDelleParole) {
    test::Partita p;
    test::CopiaDatiSpediti(p.cartella);
    p.Carica(test::kTavolaCasa, {"CASA"});
    // No complaint: 11 numeric index lines, contiguous, at most 15000 short words, A..Z only, captions of
    // capitals and blanks. The pictures per letter count are the data build's check.
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
    // Every line ends in CR LF: a checkout that turns them into LF is a fault.
    for (const std::string f : {"dizionari/indir_bbb.txt", "Immagini.txt"}) {
        std::istringstream in(p.cartella.Leggi(f));
        int righe = 0;
        for (std::string r; std::getline(in, r); ++righe)
            EXPECT_TRUE(r.ends_with('\r') && !in.eof()) << f << r;
        EXPECT_EQ(righe, f == "Immagini.txt" ? p.c.m.NumImmagini : 11) << f;
    }

    const std::string store = p.cartella.Leggi("dizionari/dizionario.bbb");
    EXPECT_EQ(store.substr(0, 15), std::string(15, ' '));
    const auto& indice = p.c.m.IndiceLunghezze;
    EXPECT_EQ(std::size_t(indice[15][1]) * 16 + 15, store.size());
    ArchivioParole archivio;
    ASSERT_TRUE(archivio.Apri(p.cartella.percorso() / "dizionari/dizionario.bbb"));
    std::set<std::string> parole;
    for (std::size_t l = 5; l <= 15; ++l)
        for (std::int32_t r = indice[l][0]; r <= indice[l][1]; ++r) {
            const auto parola = archivio.Leggi(r);
            EXPECT_EQ(parola.size(), l) << "record " << r << " " << parola;
            EXPECT_TRUE(parole.insert(parola).second) << "parola doppia " << parola;
        }
    EXPECT_GE(parole.size(), 15000u);
    // "fuori <why>: words" must be out of the store, "dentro: words" in it.
    std::ifstream elenchi(TRAMELO_FIXTURES "/parole_di_famiglia.txt");
    ASSERT_TRUE(elenchi);
    for (std::string riga; std::getline(elenchi, riga);) {
        std::istringstream in(riga);
        std::string tipo;
        std::getline(in, tipo, ':');
        for (std::string w; !tipo.starts_with('#') && in >> w;)
            EXPECT_EQ(parole.count(w), tipo == "dentro" ? 1u : 0u) << tipo << ": " << w;
    }
}

// Every shipped picture is a 259 x 194 baseline JPEG (one scan), well within the decoding budget, and the
// store holds exactly the catalogue's pictures.
TEST(DatiSpediti, LeImmagini) {
    Catalogo catalogo;
    ASSERT_TRUE(LeggiCatalogo(TRAMELO_DATA_DIR "/Immagini.txt", catalogo));
    const auto& voci = catalogo.voci;
    std::ifstream in(TRAMELO_DATA_DIR "/Immagini.jpg", std::ios::binary);
    const std::string archivio(std::istreambuf_iterator<char>(in), {});
    std::size_t inizio = 0;
    for (const auto& voce : voci) {
        const auto byte = archivio.substr(inizio, std::size_t(voce.lunghezza));
        inizio += std::size_t(voce.lunghezza);
        const auto h = LeggiIntestazioneJpeg(byte);
        ASSERT_TRUE(h) << voce.nome;
        EXPECT_EQ(std::tuple(h->larghezza, h->altezza, h->scansioni, h->progressiva),
                  std::tuple(259, 194, 1, false))
            << voce.nome;
        EXPECT_TRUE(ControllaImmagine(byte)) << voce.nome;
    }
    EXPECT_EQ(inizio, archivio.size());
}
