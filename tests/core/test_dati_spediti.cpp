// The shipped word store, length index, picture catalogue and puzzle: the loader takes them without a
// complaint, they hold what the generator relies on beyond what the loader checks, the words are fit for a
// family puzzle (the lists in parole_di_famiglia.txt and the reviewed lists of tools/dati) and the captions
// name each picture once.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "FalsaPiattaforma.h"
#include "board/ControlloImmagine.h"
#include "files/Dizionario.h"
#include "files/FileSchema.h"

using namespace tramelo;

namespace {

const std::string kStrumenti = TRAMELO_DATA_DIR "/../tools/dati/";

std::vector<std::string> Righe(const std::string& file) {
    std::ifstream in(file);
    EXPECT_TRUE(in) << file;
    std::vector<std::string> righe;
    for (std::string r; std::getline(in, r);) righe.push_back(r);
    return righe;
}

// The words of a line, what comes after the first `separatore` (none: the whole line) and before '#'.
std::vector<std::string> Parole(const std::string& riga, char separatore = 0) {
    std::string testo = riga.substr(0, riga.find('#'));
    if (separatore != 0)
        testo = testo.find(separatore) == std::string::npos ? "" : testo.substr(testo.find(separatore) + 1);
    std::istringstream in(testo);
    std::vector<std::string> parole;
    for (std::string p; in >> p;) parole.push_back(p);
    return parole;
}

// The shipped data loaded into a game: the words of the store by length.
struct DatiCaricati {
    test::Partita p;
    std::map<std::size_t, std::set<std::string>> perLunghezza;
    std::set<std::string> tutte;

    DatiCaricati() {
        test::CopiaDatiSpediti(p.cartella);
        p.Carica(test::kTavolaCasa, {"CASA"});
        ArchivioParole archivio;
        EXPECT_TRUE(archivio.Apri(p.cartella.percorso() / "dizionari/dizionario.bbb"));
        const auto& indice = p.c.m.IndiceLunghezze;
        for (std::size_t l = 5; l <= 15; ++l)
            for (std::int32_t r = indice[l][0]; r <= indice[l][1]; ++r) {
                const std::string parola(archivio.Parola(r));
                EXPECT_EQ(parola.size(), l) << "record " << r << " " << parola;
                EXPECT_TRUE(tutte.insert(parola).second) << "parola doppia " << parola;
                perLunghezza[l].insert(parola);
            }
    }
};

// Lower case A-Z of a UTF-8 form of the frequency list, accented vowels folded as the builder does.
std::string Piegata(const std::string& forma) {
    static const std::map<std::string, char> accenti = {
        {"\xC3\xA0", 'a'}, {"\xC3\xA1", 'a'}, {"\xC3\xA8", 'e'}, {"\xC3\xA9", 'e'}, {"\xC3\xAC", 'i'},
        {"\xC3\xAD", 'i'}, {"\xC3\xB2", 'o'}, {"\xC3\xB3", 'o'}, {"\xC3\xB9", 'u'}, {"\xC3\xBA", 'u'}};
    std::string esito;
    for (std::size_t i = 0; i < forma.size(); ++i) {
        const auto a = accenti.find(forma.substr(i, 2));
        if (a != accenti.end())
            esito += a->second, ++i;
        else
            esito += forma[i];
    }
    return esito;
}

}  // namespace

TEST(DatiSpediti, LoStoreELIndiceDelleParole) {
    DatiCaricati d;
    // No complaint: 11 numeric index lines, contiguous, at most 15000 short words, A..Z only, captions of
    // capitals and blanks.
    EXPECT_TRUE(d.p.piattaforma.messaggi.empty());
    // Every line ends in CR LF: a checkout that turns them into LF is a fault.
    for (const std::string f : {"dizionari/indir_bbb.txt", "Immagini.txt"}) {
        std::istringstream in(d.p.cartella.Leggi(f));
        int righe = 0;
        for (std::string r; std::getline(in, r); ++righe)
            EXPECT_TRUE(r.ends_with('\r') && !in.eof()) << f << r;
        EXPECT_EQ(righe, f == "Immagini.txt" ? d.p.c.m.NumImmagini : 11) << f;
    }
    const std::string store = d.p.cartella.Leggi("dizionari/dizionario.bbb");
    EXPECT_EQ(store.substr(0, 15), std::string(15, ' '));
    EXPECT_EQ(std::size_t(d.p.c.m.IndiceLunghezze[15][1]) * 16 + 15, store.size());

    // How many words the generator finds: its short-word phase, its middle and long draws, the whole store.
    const std::tuple<const char*, std::size_t, std::size_t, std::size_t> minimi[] = {
        {"5 e 6 lettere", 5, 6, 2000}, {"da 7 a 9 lettere", 7, 9, 5000}, {"da 10 a 15 lettere", 10, 15, 3500},
        {"15 lettere", 15, 15, 50},    {"tutte", 5, 15, 12000},
    };
    for (const auto& [nome, da, a, minimo] : minimi) {
        std::size_t n = 0;
        for (std::size_t l = da; l <= a; ++l) n += d.perLunghezza[l].size();
        EXPECT_GE(n, minimo) << nome;
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

// "fuori <why>: words" must be out of the store, "dentro <why>: words" in it: the fixture's rows, every
// class of parole_classi.txt, and of each pair of varianti.txt one spelling at most.
TEST(DatiSpediti, LeParoleDiFamigliaLeClassiELeVarianti) {
    DatiCaricati d;
    for (const auto& riga : Righe(TRAMELO_FIXTURES "/parole_di_famiglia.txt"))
        for (const auto& w : riga.starts_with('#') ? std::vector<std::string>{} : Parole(riga, ':'))
            EXPECT_EQ(d.tutte.count(w), riga.starts_with("dentro") ? 1u : 0u)
                << riga.substr(0, riga.find(':')) << ": " << w;
    for (const auto& riga : Righe(kStrumenti + "parole_classi.txt"))
        for (const auto& w : Parole(riga, ':'))
            EXPECT_EQ(d.tutte.count(w), 0u) << riga.substr(0, riga.find(':')) << ": " << w;
    for (const auto& riga : Righe(kStrumenti + "varianti.txt")) {
        const auto coppia = Parole(riga);
        if (coppia.size() == 2) {
            EXPECT_LE(d.tutte.count(coppia[0]) + d.tutte.count(coppia[1]), 1u) << riga;
        }
    }
}

// The frequency floor: a word goes in when its family is among the commonest forms of spoken Italian
// (tools/dati/it_50k.txt, counted from 105 up), or when parole_comuni.txt keeps it with a reason. Every
// inflected form begins with the word less its ending (the table below), so a store word with no form of
// the list beginning so and no reason breaks the rule.
TEST(DatiSpediti, OgniParolaSopraLaSogliaOTenutaConUnaRagione) {
    DatiCaricati d;
    std::set<std::string> comuni;
    for (const auto& riga : Righe(kStrumenti + "parole_comuni.txt")) {
        const auto parole = Parole(riga);
        if (parole.empty()) continue;
        const auto ragione = riga.find('#') == std::string::npos ? "" : riga.substr(riga.find('#') + 1);
        EXPECT_NE(ragione.find_first_not_of(' '), std::string::npos) << "senza ragione: " << riga;
        comuni.insert(parole.front());
    }
    std::vector<std::string> forme;
    for (const auto& riga : Righe(kStrumenti + "it_50k.txt")) {
        const auto forma = Piegata(riga.substr(0, riga.find(' ')));
        std::string maiuscola;
        for (char c : forma) maiuscola += char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        forme.push_back(maiuscola);
    }
    EXPECT_EQ(forme.size(), 50000u);
    std::sort(forme.begin(), forme.end());
    for (const auto& w : d.tutte) {
        if (comuni.count(w) != 0) continue;
        // Ending, and how many letters the forms may change: a verb's conjugation, a noun's plural in -ce
        // or -ge (CILIEGIA, CILIEGE), the feminine in -trice (ATTORE, ATTRICE), any other last vowel.
        const std::pair<const char*, std::size_t> desinenze[] = {
            {"ARE", 3}, {"ERE", 3}, {"IRE", 3}, {"RRE", 3}, {"CIA", 2}, {"GIA", 2}, {"TORE", 4}, {"", 1}};
        std::size_t togli = 0;
        for (const auto& [fine, lettere] : desinenze)
            if (togli == 0 && w.ends_with(fine)) togli = lettere;
        const std::string radice = w.substr(0, w.size() - togli);
        const auto f = std::lower_bound(forme.begin(), forme.end(), radice);
        EXPECT_TRUE(f != forme.end() && f->starts_with(radice)) << "sotto la soglia, senza ragione: " << w;
    }
}

// The catalogue: enough pictures of every caption length the generator asks for, no caption a family would
// not say, no two captions of one sense (tools/dati/sinonimi.txt: BUS for AUTOBUS), and the shipped puzzle
// plays: its words are in the store and its picture line names its caption.
TEST(DatiSpediti, LeDidascalieELoSchemaSpedito) {
    DatiCaricati d;
    const auto& m = d.p.c.m;
    EXPECT_LE(m.NumImmagini, 600);
    std::map<std::size_t, int> perLettere;
    std::set<std::string> didascalie;
    for (int k = 1; k <= m.NumImmagini; ++k) {
        ++perLettere[m.TabellaImmagini[k][2].size()];
        didascalie.insert(m.TabellaImmagini[k][3]);
    }
    EXPECT_GE(perLettere[3], 15);
    for (std::size_t n = 4; n <= 18; ++n) EXPECT_GE(perLettere[n], 30) << n << " lettere";
    for (const char* sbagliata :
         {"ALTOPARLANTE", "BUS", "CATASTA DI LEGNA", "DVD", "GRANDE MAGAZZINO", "OCCHIALI DA PISCINA", "ORO",
          "STAZIONE", "TE", "TIR", "SAX", "DNA", "DODO"})
        EXPECT_EQ(didascalie.count(sbagliata), 0u) << sbagliata;

    std::vector<std::vector<std::string>> gruppi;
    for (const auto& riga : Righe(kStrumenti + "sinonimi.txt")) {
        std::vector<std::string> gruppo;
        std::istringstream in(riga.substr(0, riga.find('#')));
        for (std::string p; std::getline(in, p, ',');)
            if (p.find_first_not_of(' ') != std::string::npos)
                gruppo.push_back(p.substr(p.find_first_not_of(' '),
                                          p.find_last_not_of(' ') - p.find_first_not_of(' ') + 1));
        if (!gruppo.empty()) gruppi.push_back(gruppo);
    }
    ASSERT_FALSE(gruppi.empty());
    std::map<std::string, std::string> sensi;  // a caption with every synonym put for its group's first
    for (const auto& didascalia : didascalie) {
        std::string senso = " " + didascalia + " ";
        for (const auto& gruppo : gruppi) {
            std::vector<std::string> altri(gruppo.begin() + 1, gruppo.end());
            std::sort(altri.begin(), altri.end(),
                      [](const auto& a, const auto& b) { return a.size() > b.size(); });
            for (const auto& p : altri)
                for (auto at = senso.find(" " + p + " "); at != std::string::npos;
                     at = senso.find(" " + p + " ", at + gruppo[0].size() + 1))
                    senso.replace(at, p.size() + 2, " " + gruppo[0] + " ");
        }
        const auto [doppio, nuovo] = sensi.emplace(senso, didascalia);
        EXPECT_TRUE(nuovo) << didascalia << " dice lo stesso di " << doppio->second;
    }

    const auto schema = LeggiSchema(TRAMELO_DATA_DIR "/schemi/schema.txt");
    ASSERT_FALSE(schema.parole.empty());
    for (const auto& w : schema.parole) EXPECT_EQ(d.tutte.count(w), 1u) << w;
    const int k = std::stoi(schema.rigaImmagine.substr(0, 3));
    ASSERT_TRUE(k >= 1 && k <= m.NumImmagini);
    EXPECT_EQ(m.TabellaImmagini[k][3] + " " + m.TabellaImmagini[k][1],
              schema.soluzione + " " + schema.rigaImmagine.substr(4));
}
