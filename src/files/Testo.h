// Text helpers for ISO 8859-1 strings: trimming blanks, upper-casing, reading numbers, reading lines.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace tramelo {

// Removes blanks (character 32 only) at both ends.
std::string Trim(std::string_view s);
// Upper case in ISO 8859-1: a-z and the accented small letters (not the division sign) become capitals.
std::string UCase(std::string_view s);
// A..Z to a..z, every other byte as it is: names compared without regard to case.
std::string Minuscolo(std::string_view s);
// Numeric value of a field: blanks, tabs and line feeds skipped anywhere, then an optional sign and
// digits with at most one decimal point up to the first character that cannot continue; no digits = 0.
double Val(std::string_view s);
// Val as a whole number, clamped to the int range (fractions dropped).
int ValIntero(std::string_view s);
// The characters from 1-based position `inizio`, at most `n` of them (like Mid$); empty past the end.
std::string Mid(std::string_view s, std::size_t inizio, std::size_t n = std::string_view::npos);
// Reads one line: it ends at CR (a LF right after it is skipped) or at a bare LF. False at end of file.
bool LeggiRiga(std::istream& in, std::string& riga);
// Whole number written with at least three digits ("000" pattern).
std::string Formato000(int n);

}  // namespace tramelo
