// Generates puzzles from fixed clocks and prints how long each accepted puzzle took, how many attempts
// and which retry messages it needed, what the puzzles look like, and a checksum of every accepted
// puzzle file: the same seed on the same data must give the same checksum after any change of speed.
// Usage: tramelo_bench [puzzles (1000)] [seed: the first clock, in seconds (1000)] [data folder (data/)]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/Testi.h"
#include "board/Schema.h"

namespace fs = std::filesystem;
using namespace tramelo;

namespace {

// FNV-1a, 64 bits: enough to tell two runs' puzzles apart.
void Mescola(std::uint64_t& h, const std::string& byte) {
    for (unsigned char b : byte) h = (h ^ b) * 0x100000001B3ull;
}

}  // namespace

int main(int argc, char** argv) {
    const int schemi = argc > 1 ? std::atoi(argv[1]) : 1000;
    const double seme = argc > 2 ? std::atof(argv[2]) : 1000.0;
    const fs::path dati = argc > 3 ? fs::path(argv[3]) : fs::path(TRAMELO_DATA_DIR);
    if (schemi < 1 || !fs::is_directory(dati)) {
        std::fprintf(stderr, "usage: %s [puzzles] [seed] [data folder]\n", argv[0]);
        return 2;
    }
    test::FalsaPiattaforma piattaforma;
    piattaforma.passoOrologio = 0.001;
    test::CartellaProva cartella;
    fs::copy(dati, cartella.percorso(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    // Data files written a moment ago are checked on every load (their times may not yet tell one write
    // from the next); the game's own data were written long before it runs.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    Contesto c(piattaforma, {cartella.percorso(), cartella.percorso()});
    Form_Initialize(c);

    const std::pair<const char*, const char*> codici[] = {
        {"(1) troppe celle libere", testi::kNonChiuso1},    {"(2) nessuna immagine", testi::kNonChiuso2},
        {"(3) parola doppia", testi::kNonChiuso3},          {"(4) parola contenuta", testi::kNonChiuso4},
        {"(5) schema non valido", testi::kSchemaNonValido},
    };
    std::map<std::string, int> conteggi;
    std::vector<double> millisecondi, cpu;
    std::map<int, int> parole, libere;
    int tentativi = 0, altri = 0;
    std::uint64_t impronta = 0xCBF29CE484222325ull;
    for (int i = 0; i < schemi; ++i) {
        piattaforma.orologio = seme + i;  // a fixed clock per puzzle: the same puzzles on every run
        c.m.DizionarioCaricato = 0;
        PreparaSchema(c);
        piattaforma.messaggi.clear();
        const auto inizio = std::chrono::steady_clock::now();
        const auto inizioCpu = std::clock();
        mnuNS_Click(c);
        millisecondi.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - inizioCpu) / CLOCKS_PER_SEC);
        ++tentativi;
        for (const auto& m : piattaforma.messaggi) {
            bool noto = false;
            for (const auto& [nome, testo] : codici)
                if (m.testo == testo) {
                    ++conteggi[nome], ++tentativi, noto = true;
                    Mescola(impronta, nome);  // the retries are part of what must not change
                }
            if (!noto) ++altri;
        }
        Mescola(impronta, cartella.Leggi("schemi/schema.txt"));
        ++parole[c.m.NumParole];
        const auto& s = c.m.SoluzioneSchema;
        ++libere[static_cast<int>(s.size() - static_cast<std::size_t>(std::count(s.begin(), s.end(), ' ')))];
    }

    std::sort(millisecondi.begin(), millisecondi.end());
    std::sort(cpu.begin(), cpu.end());
    auto percentile = [](const std::vector<double>& v, double p) {
        return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
    };
    std::printf("data: %s, seed %.3f\n", dati.string().c_str(), seme);
    std::printf("accepted puzzles: %d, checksum %016llx\n", schemi,
                static_cast<unsigned long long>(impronta));
    std::printf("ms per accepted puzzle: median %.2f, p90 %.2f, max %.2f\n", percentile(millisecondi, 0.5),
                percentile(millisecondi, 0.9), millisecondi.back());
    // Processor time, user and system: on a busy machine it moves far less than the wall clock.
    std::printf("cpu ms per accepted puzzle: median %.2f, p90 %.2f\n", percentile(cpu, 0.5),
                percentile(cpu, 0.9));
    std::printf("attempts per accepted puzzle: %.3f\n", static_cast<double>(tentativi) / schemi);
    for (const auto& [nome, testo] : codici)
        std::printf("message %-26s %.3f per puzzle\n", nome, static_cast<double>(conteggi[nome]) / schemi);
    std::printf("other messages: %d\n", altri);
    std::printf("words per puzzle:");
    for (const auto& [n, k] : parole) std::printf(" %d:%d", n, k);
    std::printf("\nfree cells (solution letters):");
    for (const auto& [n, k] : libere) std::printf(" %d:%d", n, k);
    std::printf("\n");
}
