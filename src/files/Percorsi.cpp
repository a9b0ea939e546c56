// Case-insensitive file names below the program folder, atomic writes.
#include "files/Percorsi.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "app/Contesto.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

std::string Minuscolo(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The player's files: the library folder, with the current puzzle, and the working picture.
bool DelGiocatore(std::string_view relativo) {
    const auto inizio = relativo.find_first_not_of("\\/");
    if (inizio == std::string_view::npos) return false;
    const auto fine = relativo.find_first_of("\\/", inizio);
    const auto parte = Minuscolo(std::string(relativo.substr(inizio, fine - inizio)));
    return parte == "schemi" || parte == "filetemp.jpg";
}

}  // namespace

fs::path Risolvi(const fs::path& cartella, std::string_view relativo) {
    fs::path p = cartella;
    std::size_t i = 0;
    while (i <= relativo.size()) {
        const auto j = relativo.find_first_of("\\/", i);
        const auto parte = std::string(relativo.substr(i, j == std::string_view::npos ? j : j - i));
        i = j == std::string_view::npos ? relativo.size() + 1 : j + 1;
        if (parte.empty()) continue;
        fs::path trovato = p / parte;
        std::error_code ec;
        if (!fs::exists(trovato, ec)) {
            const auto chiave = Minuscolo(parte);
            for (fs::directory_iterator it(p, ec), fine; !ec && it != fine; it.increment(ec))
                if (Minuscolo(it->path().filename().string()) == chiave) {
                    trovato = it->path();
                    break;
                }
        }
        p = trovato;
    }
    return p;
}

fs::path Percorso(const Contesto& c, std::string_view relativo) {
    return Risolvi(DelGiocatore(relativo) ? c.cartellaGiocatore : fs::path(c.m.Cartella), relativo);
}

bool ScriviAtomico(const fs::path& destinazione, std::string_view contenuto) {
    const fs::path temporaneo =
        destinazione.parent_path() / ("." + destinazione.filename().string() + ".tmp");
    {
        std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temporaneo, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporaneo, destinazione, ec);
    if (!ec) return true;
    std::error_code ignorato;
    fs::remove(temporaneo, ignorato);
    return false;
}

bool LeggiFile(const fs::path& file, std::string& contenuto) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return false;
    contenuto = std::move(s).str();
    return true;
}

}  // namespace tramelo
