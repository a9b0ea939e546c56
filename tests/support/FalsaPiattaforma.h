// A scripted platform for headless tests: records every message, answers from a queue.
#pragma once

#include <sys/resource.h>

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Contesto.h"
#include "app/Piattaforma.h"

namespace tramelo::test {

struct Messaggio {
    std::string testo;
    Pulsanti pulsanti;
};

class FalsaPiattaforma : public Piattaforma {
  public:
    int MsgBox(const std::string& testo, Pulsanti pulsanti) override;
    // The texts of the messages shown so far, those that begin with `inizio`.
    std::vector<std::string> Testi(std::string_view inizio = "") const;
    double Timer() override { return orologio += passoOrologio; }
    double TwipsPerPixelX() override { return twipsPerPixel; }
    double TwipsPerPixelY() override { return twipsPerPixel; }
    Rettangolo AreaDisponibile() override {
        return {area.Left * twipsPerPixel, area.Top * twipsPerPixel, area.Width * twipsPerPixel,
                area.Height * twipsPerPixel};
    }
    DimensioniTwips Cornice() override {
        return {cornice.Width * twipsPerPixel, cornice.Height * twipsPerPixel};
    }
    std::optional<DimensioniPixel> CaricaImmagine(const std::string& nome, const std::string& byte) override;
    EsitoStampa StampaFinestra() override { return ++stampe, esitoStampa; }
    void Ridisegna() override {}

    std::vector<Messaggio> messaggi;
    std::deque<int> risposte;  // answers to the next message boxes; OK when empty
    double orologio = 43200.0;
    double passoOrologio = 0;  // seconds the clock moves at each reading (the bench's clock runs)
    double twipsPerPixel = 12.0;
    Rettangolo area{0, 0, 1920, 1080};  // in pixels: the screen windows may take
    DimensioniTwips cornice;            // in pixels: the frame and the menu bar
    EsitoStampa esitoStampa = EsitoStampa::Stampato;
    int stampe = 0;
    std::vector<std::string> immaginiCaricate;  // the names pictures were decoded for: FF D8... is 259 x 194
};

// A temporary program folder, removed at the end of the test.
class CartellaProva {
  public:
    CartellaProva();
    ~CartellaProva();
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;

    const std::filesystem::path& percorso() const { return percorso_; }
    // Writes a file below the folder ("schemi/schema.txt"), creating its folders.
    void Scrivi(const std::string& relativo, const std::string& contenuto) const;
    std::string Leggi(const std::string& relativo) const;

  private:
    std::filesystem::path percorso_;
};

// While it lives, every write past `byte` bytes fails as on a full disk (the process's file size limit, its
// signal ignored); the limit before is put back when it goes.
class LimiteScrittura {
  public:
    explicit LimiteScrittura(rlim_t byte = 100);
    ~LimiteScrittura();
    LimiteScrittura(const LimiteScrittura&) = delete;
    LimiteScrittura& operator=(const LimiteScrittura&) = delete;

  private:
    rlimit prima_{};
};

// Boards used across the tests: every row a run of the alphabet, and CASA at the top left amid X.
extern const std::vector<std::string> kTavolaAlfabeto;
extern const std::vector<std::string> kTavolaCasa;

// A whole file's bytes ("" when it cannot be read), and the files named *.tmp anywhere below a folder.
std::string LeggiTutto(const std::filesystem::path& file);
std::vector<std::string> Temporanei(const std::filesystem::path& cartella);

// Every entry below a folder by relative name, to tell that nothing there changed: a regular file's bytes
// (a huge one's size), where a link points, "altro" for what is neither, nothing for a folder.
std::map<std::string, std::string> Istantanea(const std::filesystem::path& cartella);

// Copies the shipped word store, index, catalogue and pictures into a folder.
void CopiaDatiSpediti(const CartellaProva& d);

// Distinct words of the letters AEIORST by length, always the same: `corte` of 5 and 6 letters, `medie` of
// 7 to 9, `lunghe` of 10 to 15.
using Parole = std::map<int, std::vector<std::string>>;
Parole ParoleCasuali(std::size_t corte, std::size_t medie, std::size_t lunghe);
// Writes a word store and its length index (empty words are blank records), and a catalogue with a store of
// tiny fake pictures, one per caption.
void ScriviDati(const CartellaProva& d, const Parole& parole, const std::vector<std::string>& didascalie);

// Entries 1..n of the table are 1..n in some order.
template <typename Tabella>
bool Permutazione(const Tabella& t, int n) {
    if (n < 0 || std::cmp_greater_equal(n, t.size())) return false;
    std::vector<int> visti(t.size());
    for (std::size_t i = 1; std::cmp_less_equal(i, n); ++i)
        if (const int v = t[i]; v < 1 || v > n || visti[static_cast<std::size_t>(v)]++) return false;
    return true;
}

// A strike line's end point on cell k of the design layout, and the cells under the visible rings.
std::pair<float, float> PuntoLinea(int k);
std::vector<int> CelleAnellate(const Form1& f);

// What is wrong with the board, "" when nothing: the busy flag or word count out of range, a visible cell
// without a letter, a tile look not known, a word label not showing its word.
std::string GuastoTavola(const Contesto& c);

// A puzzle file's text from its parts, CR LF line ends, with the terminator.
std::string TestoSchema(const std::vector<std::string>& righe, const std::string& soluzione,
                        const std::string& rigaImmagine, const std::vector<std::string>& parole,
                        bool conFine = true);

// A game on a temporary folder with the fake platform.
struct Partita {
    FalsaPiattaforma piattaforma;
    CartellaProva cartella;
    Contesto c{piattaforma, {cartella.percorso(), cartella.percorso()}};

    // Writes schemi/schema.txt and loads it as Ricomincia does.
    void Carica(const std::vector<std::string>& righe, const std::vector<std::string>& parole,
                const std::string& soluzione = "", const std::string& rigaImmagine = "000 00000");
    void Ricarica();
};

}  // namespace tramelo::test
