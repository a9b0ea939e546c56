// A scripted platform and temporary program folders for the tests.
#include "FalsaPiattaforma.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <utility>

#include "board/Schema.h"

namespace fs = std::filesystem;

namespace tramelo::test {

int FalsaPiattaforma::MsgBox(const std::string& testo, Pulsanti pulsanti) {
    messaggi.push_back({testo, pulsanti});
    if (risposte.empty()) return kRispostaOk;
    const int r = risposte.front();
    risposte.pop_front();
    return r;
}

std::vector<std::string> FalsaPiattaforma::Testi(std::string_view inizio) const {
    std::vector<std::string> t;
    for (const auto& m : messaggi)
        if (m.testo.starts_with(inizio)) t.push_back(m.testo);
    return t;
}

std::optional<DimensioniPixel> FalsaPiattaforma::CaricaImmagine(const std::string& nome,
                                                                const std::string& byte) {
    immaginiCaricate.push_back(nome);
    if (byte.starts_with("\xFF\xD8")) return DimensioniPixel{259, 194};
    return std::nullopt;
}

CartellaProva::CartellaProva() {
    static std::atomic<int> contatore{0};
    percorso_ = fs::temp_directory_path() /
                ("tramelo-prova-" + std::to_string(::getpid()) + "-" + std::to_string(contatore++));
    fs::remove_all(percorso_);
    fs::create_directories(percorso_ / "schemi");
}

CartellaProva::~CartellaProva() {
    std::error_code ec;
    fs::remove_all(percorso_, ec);
}

void CartellaProva::Scrivi(const std::string& relativo, const std::string& contenuto) const {
    const auto p = percorso_ / relativo;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << contenuto;
}

std::string CartellaProva::Leggi(const std::string& relativo) const {
    return LeggiTutto(percorso_ / relativo);
}

LimiteScrittura::LimiteScrittura(rlim_t byte) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing the process
    getrlimit(RLIMIT_FSIZE, &prima_);
    const rlimit limite{byte, prima_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
}

LimiteScrittura::~LimiteScrittura() {
    setrlimit(RLIMIT_FSIZE, &prima_);
}

std::string LeggiTutto(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Temporanei(const fs::path& cartella) {
    std::vector<std::string> t;
    for (const auto& e : fs::recursive_directory_iterator(cartella))
        if (e.path().filename().string().ends_with(".tmp")) t.push_back(e.path().string());
    return t;
}

const std::vector<std::string> kTavolaAlfabeto = [] {
    std::vector<std::string> righe(10);
    for (int k = 0; k < 180; ++k) righe[std::size_t(k / 18)] += static_cast<char>('A' + k % 26);
    return righe;
}();
const std::vector<std::string> kTavolaCasa = [] {
    std::vector<std::string> righe(10, std::string(18, 'X'));
    righe[0].replace(0, 4, "CASA");
    return righe;
}();

std::map<std::string, std::string> Istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> foto;
    for (const auto& e : fs::recursive_directory_iterator(cartella)) {
        auto& v = foto[e.path().lexically_relative(cartella).generic_string()];
        if (e.is_symlink()) {
            v = "-> " + fs::read_symlink(e.path()).string();
        } else if (e.is_regular_file()) {
            v = e.file_size() > 50'000'000 ? "enorme" : LeggiTutto(e.path());
        } else if (!e.is_directory()) {
            v = "altro";
        }
    }
    return foto;
}

void CopiaDatiSpediti(const CartellaProva& d) {
    const fs::path dati(TRAMELO_DATA_DIR);
    fs::copy(dati / "dizionari", d.percorso() / "dizionari", fs::copy_options::recursive);
    for (const char* f : {"Immagini.txt", "Immagini.jpg"}) fs::copy(dati / f, d.percorso() / f);
}

Parole ParoleCasuali(std::size_t corte, std::size_t medie, std::size_t lunghe) {
    Parole parole;
    unsigned seme = 7;
    for (int l = 5; l <= 15; ++l) {
        std::set<std::string> visti;
        while (parole[l].size() < (l < 7 ? corte : l < 10 ? medie : lunghe)) {
            std::string w;
            for (int k = 0; k < l; ++k) w += "AEIORST"[((seme = seme * 1103515245u + 12345u) >> 16) % 7];
            if (visti.insert(w).second) parole[l].push_back(w);
        }
    }
    return parole;
}

void ScriviDati(const CartellaProva& d, const Parole& parole, const std::vector<std::string>& didascalie) {
    std::string archivio(15, ' '), indice, catalogo, immagini;
    int record = 0;
    for (const auto& [l, elenco] : parole) {
        const int primo = record + 1;
        for (const auto& w : elenco) archivio += w + std::string(16 - w.size(), ' '), ++record;
        char riga[40];
        std::snprintf(riga, sizeof riga, "%3d%06d %06d\r\n", l, primo, record);
        indice += riga;
    }
    for (const auto& s : didascalie) {
        const std::string jpeg = "\xFF\xD8" + s + "\xFF\xD9";
        char lunghezza[8];
        std::snprintf(lunghezza, sizeof lunghezza, "%05zu", jpeg.size());
        catalogo += "0000" + std::string(lunghezza) + " " + s + " jpg\r\n";
        immagini += jpeg;
    }
    d.Scrivi("dizionari/dizionario.bbb", archivio);
    d.Scrivi("dizionari/indir_bbb.txt", indice);
    d.Scrivi("Immagini.txt", catalogo);
    d.Scrivi("Immagini.jpg", immagini);
}

std::pair<float, float> PuntoLinea(int k) {
    return {SinistraCella(k) + 16, AltoCella(k) + 16};
}

std::vector<int> CelleAnellate(const Form1& f) {
    std::vector<int> celle;
    for (const auto& s : f.Shape1)
        if (s.Visible)
            celle.push_back(int((s.Top - kMargineAlto) / kLatoCella) * kColonne +
                            int((s.Left - kMargineSinistro) / kLatoCella));
    return celle;
}

std::string GuastoTavola(const Contesto& c) {
    const auto& m = c.m;
    if (m.Occupato != 0 || m.NumParole < 0 || m.NumParole > kMaxParole) return "Occupato o NumParole";
    for (std::size_t k = 0; k < kCelle; ++k) {
        const int l = m.Griglia[k], a = m.Aspetto[k];
        if (c.f.Image1[k].Visible && (l < 1 || l > 26))
            return "cella visibile senza lettera " + std::to_string(k);
        if (a != kAspettoNessuno && a != kAspettoTrovata && a != kAspettoNormale)
            return "aspetto " + std::to_string(k);
    }
    for (std::size_t w = 0; w < kMaxParole; ++w)
        if (c.f.Label2[w].Caption != (std::cmp_less(w, m.NumParole) ? m.Parole[w] : ""))
            return "etichetta " + std::to_string(w);
    return "";
}

std::string TestoSchema(const std::vector<std::string>& righe, const std::string& soluzione,
                        const std::string& rigaImmagine, const std::vector<std::string>& parole,
                        bool conFine) {
    std::string t;
    for (const auto& r : righe) t += r + "\r\n";
    t += soluzione + "\r\n" + rigaImmagine + "\r\n";
    for (const auto& p : parole) t += p + "\r\n";
    if (conFine) t += "/* fine schema n.001\r\n";
    return t;
}

void Partita::Carica(const std::vector<std::string>& righe, const std::vector<std::string>& parole,
                     const std::string& soluzione, const std::string& rigaImmagine) {
    cartella.Scrivi("schemi/schema.txt", TestoSchema(righe, soluzione, rigaImmagine, parole));
    Ricarica();
}

void Partita::Ricarica() {
    c.m.DizionarioCaricato = 0;
    PreparaSchema(c);
}

}  // namespace tramelo::test
