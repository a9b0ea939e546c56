// Reading numbers, trimming and upper-casing ISO 8859-1 text, reading lines.
#include <gtest/gtest.h>

#include <sstream>

#include "files/Testo.h"

using namespace tramelo;

TEST(Testo, ValoreNumerico) {
    struct Caso {
        const char* nome;
        const char* campo;
        double valore;
    } casi[] = {
        {"zeri iniziali", "007", 7},
        {"blank iniziale", " 2345", 2345},
        {"lettere", "abc", 0},
        {"vuoto", "", 0},
        {"blank in mezzo", "1 2", 12},
        {"cifre poi lettere", "12ab", 12},
        {"segno", "-5", -5},
        {"un solo punto", "1.5.3", 1.5},
        {"tab e a capo saltati", "\t4\n2", 42},
    };
    for (const auto& c : casi) EXPECT_DOUBLE_EQ(Val(c.campo), c.valore) << c.nome;
    EXPECT_EQ(ValIntero("99999999999999"), INT_MAX);
}

TEST(Testo, TrimEMaiuscole) {
    EXPECT_EQ(Trim("  la torre  "), "la torre");
    EXPECT_EQ(Trim("\tx "), "\tx");  // only blanks are trimmed
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(UCase("citt\xE0 d'oro \xF7"), "CITT\xC0 D'ORO \xF7");
}

TEST(Testo, RigheConCrLfLfOCr) {
    std::istringstream in("uno\r\ndue\ntre\rquattro");
    std::string r;
    std::vector<std::string> righe;
    while (LeggiRiga(in, r)) righe.push_back(r);
    EXPECT_EQ(righe, (std::vector<std::string>{"uno", "due", "tre", "quattro"}));
    EXPECT_EQ(Formato000(7), "007");
    EXPECT_EQ(Formato000(1234), "1234");
}
