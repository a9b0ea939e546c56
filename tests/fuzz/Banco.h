// Shared plumbing of the fuzz targets: one program folder per process, inputs cut into files, board checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/Contesto.h"
#include "app/Piattaforma.h"

namespace tramelo::fuzz {

// Marks the boundary between the files packed into one input.
inline constexpr std::string_view kSeparatore = "\n%%%%\n";

// The program folder of this process (/tmp/tramelo-fuzz-<pid>) with its two subfolders, created on the
// first call and removed at exit. Targets rewrite or remove their files on every run.
const std::filesystem::path& CartellaProcesso();

// Writes a file below `cartella`, creating its folders.
void Scrivi(const std::filesystem::path& cartella, const std::string& relativo, std::string_view contenuto);
// Writes the part when there is one, else removes the file.
void ScriviOTogli(const std::filesystem::path& cartella, const std::string& relativo,
                  const std::vector<std::string_view>& parti, std::size_t i);
std::string Leggi(const std::filesystem::path& file);

// A small valid data set: one word of each length 5..15 with its index, three pictures (10, 20 and 5
// bytes, each starting with FF D8) and their catalogue.
void ScriviDatiValidi(const std::filesystem::path& cartella);

// The input cut at each separator into at most `n` parts, the last one taking the rest. Fewer parts
// than `n` stand for missing files.
std::vector<std::string_view> Parti(const std::uint8_t* dati, std::size_t dimensione, std::size_t n);

// Aborts with a message unless the board is consistent: every visible cell holds a letter code 1..26,
// tile looks are 0, 2 or 3, NumParole is 0..40 and the labels show the words, nobody is busy.
void VerificaTavola(const Contesto& c);

// Answers OK to the first `ok` OK/Cancel questions and Cancel to the later ones (OK-only boxes get OK).
// More than `massimo` messages in one run means the game asks the same thing forever: that aborts, a
// finding like any crash.
class PiattaformaFuzz : public Piattaforma {
  public:
    explicit PiattaformaFuzz(int ok = 1 << 30, int massimo = 1000) : ok_(ok), massimo_(massimo) {}
    int MsgBox(const std::string& testo, Pulsanti pulsanti) override;
    double Timer() override { return 43200.0; }
    double TwipsPerPixelX() override { return 15.0; }
    double TwipsPerPixelY() override { return 15.0; }
    double ScreenWidth() override { return 1920 * 15.0; }
    double ScreenHeight() override { return 1080 * 15.0; }
    // Bytes that start with FF D8 are a 40 x 30 picture.
    std::optional<DimensioniPixel> CaricaImmagine(const std::string& nome, const std::string& byte) override;
    EsitoStampa StampaFinestra() override { return EsitoStampa::Stampato; }
    void Ridisegna() override {}

    std::vector<std::string> messaggi;

  private:
    int ok_;
    int massimo_;
};

}  // namespace tramelo::fuzz
