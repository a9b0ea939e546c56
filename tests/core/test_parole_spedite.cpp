// The shipped word store holds words fit for a family puzzle: base forms of plain Italian, no offensive
// word, and the innocent words that merely contain an offensive stem.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::string> ParoleSpedite() {
    std::ifstream in(std::filesystem::path(TRAMELO_DATA_DIR) / "dizionari/dizionario.bbb", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string dati = s.str();
    std::set<std::string> parole;
    for (std::size_t i = 15; i + 16 <= dati.size(); i += 16) {
        std::string p = dati.substr(i, 16);
        p.erase(p.find_last_not_of(' ') + 1);
        parole.insert(p);
    }
    return parole;
}

struct Gruppo {
    const char* tipo;
    std::vector<std::string> parole;
};

const std::vector<Gruppo> kFuori = {
    {"insulti",
     {"MONGOLO", "TERRONE", "TERRONA", "CRUCCO", "MULATTO", "ZINGARO", "HANDICAPPATO", "MAGNACCIA", "IDIOTA",
      "MENTECATTO", "CRETINO", "IMBECILLE", "DEFICIENTE", "FROCIO", "BASTARDO", "NEGRO"}},
    {"volgari",
     {"INCAZZARE", "INCAZZATURA", "STRONZATA", "STRONZO", "TROMBARE", "TROMBATO", "STRAFOTTENZA", "MERDA",
      "PUTTANA", "COGLIONE", "SFIGATO", "SCOREGGIA", "BESTEMMIARE", "BESTEMMIA", "PISCIARE", "CAZZOTTO",
      "PARACULO"}},
    {"sesso, droga, violenza",
     {"STUPRARE", "STUPRATORE", "PEDOFILO", "PEDOFILIA", "MASTURBAZIONE", "ORGASMO", "PORNO", "PORNOGRAFIA",
      "SODOMIA", "SPERMA", "BISESSUALE", "OMOSESSUALE", "COCAINOMANE", "COCAINA", "SUICIDIO", "GENOCIDIO",
      "TORTURARE", "SGOZZARE"}},
    {"forme coniugate",
     {"DEBBO", "FOSTE", "AVRESTE", "SARESTE", "PARSO", "SORTO", "VALSO", "AVVALSO", "DIEDE", "RACCOLSE",
      "ECCOLO", "GLIELO", "STAVO"}},
    {"femminili e plurali",
     {"ZOZZA", "CAFONA", "ALLIEVA", "GINECOLOGA", "BRONTOLONA", "RAGAZZA", "ATTRICE", "DOTTORESSA",
      "PRINCIPESSA", "AMICA", "ANTICA", "TABACCAIA", "EDITRICE", "CASE", "RAGAZZI", "PAGINE", "VOLUMI",
      "MARCIAPIEDI", "ALTISSIMO"}},
    {"nomi propri", {"TANGENTOPOLI", "PRIAMO", "CRISTO", "CORANO", "MADONNA", "UCRAINA"}},
    {"prestiti", {"STAGE", "GARAGE", "ROUTINE", "SHAMPOO",   "SHUTTLE",  "BARBECUE", "DANCE",
                  "SCORE", "CHANCE", "ZOMBIE",  "ENTOURAGE", "DATABASE", "MOUSE",    "QUERELLE",
                  "PROMO", "CLICHE", "HABITUE", "BOUTIQUE",  "PUZZLE",   "TOILETTE"}},
    {"accento ambiguo", {"TASSI", "FACILITA", "NECESSITA"}},
};

const std::vector<std::string> kDentro = {
    "PISCINA",   "ZOCCOLO",    "INCULCARE", "CASTELLO", "STORTURA", "PESCE",   "REGINA", "PORCO",
    "PISELLO",   "FINOCCHIO",  "PIANTA",    "PORTA",    "FAMIGLIA", "COLLINA", "CITTA",  "CAFFE",
    "LAVATRICE", "CORONA",     "POLTRONA",  "PERSONA",  "SPECIE",   "MILLE",   "CUCINA", "GIARDINO",
    "MANGIARE",  "BICICLETTA", "AMICIZIA",  "TAVOLO",   "SCUOLA",   "SORELLA",
};

}  // namespace

TEST(ParoleSpedite, FuoriLeParoleNonAdatte) {
    const auto parole = ParoleSpedite();
    ASSERT_GE(parole.size(), 15000u);
    for (const auto& g : kFuori)
        for (const auto& p : g.parole) EXPECT_EQ(parole.count(p), 0u) << g.tipo << ": " << p;
}

TEST(ParoleSpedite, DentroLeParoleInnocenti) {
    const auto parole = ParoleSpedite();
    for (const auto& p : kDentro) EXPECT_EQ(parole.count(p), 1u) << p;
}
