// Text helpers for ISO 8859-1 strings.
#include "files/Testo.h"

#include <climits>
#include <cmath>

namespace tramelo {

std::string Trim(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

std::string UCase(std::string_view s) {
    std::string r(s);
    for (auto& ch : r) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 32);
    }
    return r;
}

std::string Minuscolo(std::string_view s) {
    std::string r(s);
    for (auto& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

double Val(std::string_view s) {
    std::string t;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n') t += c;
    std::size_t i = 0;
    double segno = 1;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) segno = t[i++] == '-' ? -1 : 1;
    double v = 0, scala = 1;
    bool punto = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            if (punto) {
                scala /= 10;
                v += (c - '0') * scala;
            } else {
                v = v * 10 + (c - '0');
            }
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    return segno * v;
}

int ValIntero(std::string_view s) {
    const double v = std::trunc(Val(s));
    if (!(v < static_cast<double>(INT_MAX))) return INT_MAX;
    if (!(v > static_cast<double>(INT_MIN))) return INT_MIN;
    return static_cast<int>(v);
}

std::string Mid(std::string_view s, std::size_t inizio, std::size_t n) {
    if (inizio < 1 || inizio > s.size()) return {};
    return std::string(s.substr(inizio - 1, n));
}

bool LeggiRiga(std::istream& in, std::string& riga) {
    riga.clear();
    // Straight from the stream buffer: a character at a time through the stream is slow on big files.
    auto* buffer = in.rdbuf();
    using Tratti = std::char_traits<char>;
    int c = buffer ? buffer->sbumpc() : Tratti::eof();
    if (c == Tratti::eof()) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    while (c != Tratti::eof()) {
        if (c == '\r') {
            if (buffer->sgetc() == '\n') buffer->sbumpc();
            break;
        }
        if (c == '\n') break;
        riga += static_cast<char>(c);
        c = buffer->sbumpc();
    }
    return true;
}

std::string Formato000(int n) {
    std::string s = std::to_string(n < 0 ? -n : n);
    while (s.size() < 3) s.insert(0, 1, '0');
    return n < 0 ? "-" + s : s;
}

}  // namespace tramelo
