// Composing messages that name files, with the reason a read or write failed.
#include "app/Messaggi.h"

#include <algorithm>

namespace tramelo {

namespace {

bool Controllo(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string ConFile(std::string_view testo, const std::filesystem::path& file, EsitoFile esito) {
    std::string s(testo);
    if (!esito) s += " (" + Motivo(esito) + ")";
    return s + ":\r" + NomeMostrato(file.native());
}

std::string RigaFile(const std::filesystem::path& file, EsitoFile esito) {
    return (esito ? std::string() : Motivo(esito) + ": ") + NomeMostrato(file.native());
}

std::string DaLatin1(std::string_view testo) {
    std::string s;
    s.reserve(testo.size());
    for (char ch : testo) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            s += ch;
        } else {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

std::string NomeMostrato(std::string_view nome) {
    std::string s(nome);
    std::replace_if(s.begin(), s.end(), Controllo, '?');
    return s;
}

bool HaControlli(std::string_view nome) {
    return std::any_of(nome.begin(), nome.end(), Controllo);
}

}  // namespace tramelo
