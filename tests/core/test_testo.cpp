// Reading numbers, trimming and upper-casing ISO 8859-1 text, reading lines.
#include <gtest/gtest.h>

#include <sstream>

#include "files/Testo.h"

using namespace tramelo;

TEST(Testo, ValoreNumerico) {
    const std::pair<const char*, double> casi[] = {
        {"007", 7},   {" 2345", 2345}, {"abc", 0},     {"", 0},        {"1 2", 12},
        {"12ab", 12}, {"-5", -5},      {"1.5.3", 1.5}, {"\t4\n2", 42},  // tabs and line feeds skipped
    };
    for (const auto& [campo, valore] : casi) EXPECT_DOUBLE_EQ(Val(campo), valore) << campo;
    EXPECT_EQ(ValIntero("99999999999999"), INT_MAX);
}

TEST(Testo, TrimMaiuscoleRigheEFormato) {
    EXPECT_EQ(Trim("  la torre  ") + "|" + Trim("\tx ") + "|" + Trim("   "), "la torre|\tx|");  // only blanks
    EXPECT_EQ(UCase("citt\xE0 d'oro \xF7\xFE"), "CITT\xC0 D'ORO \xF7\xDE");
    std::istringstream in("uno\r\ndue\ntre\rquattro");
    std::string r, righe;
    while (LeggiRiga(in, r)) righe += r + "|";
    EXPECT_EQ(righe, "uno|due|tre|quattro|");
    EXPECT_EQ(Formato000(7) + Formato000(1234), "0071234");
    EXPECT_EQ(
        Mid("abcd", 2, 2) + "|" + Mid("abcd", 0, 1) + "|" + Mid("abcd", 6, 1) + "|" + Minuscolo("AbC\xC9"),
        "bc|||abc\xC9");
}
