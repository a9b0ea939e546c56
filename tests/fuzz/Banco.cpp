// Shared plumbing of the fuzz targets.
#include "Banco.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace tramelo::fuzz {

namespace {

[[noreturn]] void Guasto(const char* cosa, int k) {
    std::fprintf(stderr, "tavola incoerente: %s (%d)\n", cosa, k);
    std::abort();
}

struct Cartella {
    fs::path percorso = fs::temp_directory_path() / ("tramelo-fuzz-" + std::to_string(::getpid()));
    Cartella() {
        std::error_code ec;
        fs::remove_all(percorso, ec);
        fs::create_directories(percorso / "schemi");
        fs::create_directories(percorso / "dizionari");
    }
    Cartella(const Cartella&) = delete;
    Cartella& operator=(const Cartella&) = delete;
    ~Cartella() {
        std::error_code ec;
        fs::remove_all(percorso, ec);
    }
};

}  // namespace

const fs::path& CartellaProcesso() {
    static const Cartella cartella;
    return cartella.percorso;
}

void ScriviOTogli(const fs::path& cartella, const std::string& relativo,
                  const std::vector<std::string_view>& parti, std::size_t i) {
    if (i < parti.size()) {
        Scrivi(cartella, relativo, parti[i]);
    } else {
        std::error_code ec;
        fs::remove(cartella / relativo, ec);
    }
}

void Scrivi(const fs::path& cartella, const std::string& relativo, std::string_view contenuto) {
    const auto p = cartella / relativo;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
}

std::string Leggi(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void ScriviDatiValidi(const fs::path& cartella) {
    std::string archivio(15, 'H'), indice;
    for (int l = 5; l <= 15; ++l) {
        std::string parola(static_cast<std::size_t>(l), static_cast<char>('A' + l));
        archivio += parola + std::string(static_cast<std::size_t>(16 - l), ' ');
        char riga[40];
        std::snprintf(riga, sizeof riga, " %02d%06d %06d\r\n", l, l - 4, l - 4);
        indice += riga;
    }
    Scrivi(cartella, "dizionari/dizionario.bbb", archivio);
    Scrivi(cartella, "dizionari/indir_bbb.txt", indice);
    Scrivi(cartella, "Immagini.txt", "000100010 ORO jpg\r\n000200020 LA TORRE jpg\r\n000300005 SOLE jpg\r\n");
    std::string immagini;
    for (int n : {10, 20, 5}) immagini += "\xFF\xD8" + std::string(static_cast<std::size_t>(n - 2), 'x');
    Scrivi(cartella, "Immagini.jpg", immagini);
}

std::vector<std::string_view> Parti(const std::uint8_t* dati, std::size_t dimensione, std::size_t n) {
    std::string_view resto(reinterpret_cast<const char*>(dati), dimensione);
    std::vector<std::string_view> parti;
    while (parti.size() + 1 < n) {
        const auto fine = resto.find(kSeparatore);
        if (fine == std::string_view::npos) break;
        parti.push_back(resto.substr(0, fine));
        resto.remove_prefix(fine + kSeparatore.size());
    }
    parti.push_back(resto);
    return parti;
}

void VerificaTavola(const Contesto& c) {
    const auto& m = c.m;
    const auto& f = c.f;
    if (m.Occupato != 0) Guasto("Occupato", m.Occupato);
    if (m.NumParole < 0 || m.NumParole > kMaxParole) Guasto("NumParole", m.NumParole);
    for (int k = 0; k < kCelle; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (f.Image1[i].Visible && (m.Griglia[i] < 1 || m.Griglia[i] > 26))
            Guasto("cella visibile senza lettera", k);
        if (m.Aspetto[i] != kAspettoNessuno && m.Aspetto[i] != kAspettoTrovata &&
            m.Aspetto[i] != kAspettoNormale)
            Guasto("aspetto", k);
    }
    for (int w = 0; w < kMaxParole; ++w) {
        const auto i = static_cast<std::size_t>(w);
        const std::string atteso = w < m.NumParole ? m.Parole[i] : std::string();
        if (f.Label2[i].Caption != atteso) Guasto("etichetta della parola", w);
    }
}

int PiattaformaFuzz::MsgBox(const std::string& testo, Pulsanti pulsanti) {
    messaggi.push_back(testo);
    if (static_cast<int>(messaggi.size()) > massimo_) {
        std::fprintf(stderr, "il gioco chiede la stessa cosa senza fine: %s\n", testo.c_str());
        std::abort();
    }
    if (pulsanti == Pulsanti::Ok) return kRispostaOk;
    return ok_-- > 0 ? kRispostaOk : kRispostaAnnulla;
}

std::optional<DimensioniPixel> PiattaformaFuzz::CaricaImmagine(const std::string&, const std::string& byte) {
    if (byte.starts_with("\xFF\xD8")) return DimensioniPixel{40, 30};
    return std::nullopt;
}

}  // namespace tramelo::fuzz
