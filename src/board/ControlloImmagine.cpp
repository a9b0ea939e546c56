// The decoding budget of a picture clue: the JPEG's markers walked without decoding anything.
#include "board/ControlloImmagine.h"

#include <cstddef>
#include <cstdint>

namespace tramelo {

namespace {

constexpr int kComponentiMassime = 4;
constexpr std::uint8_t kMarcatore = 0xFF;
constexpr std::uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kTem = 0x01, kRst0 = 0xD0, kRst7 = 0xD7;

// The frame headers: C0..CF but for DHT (C4), JPG (C8) and DAC (CC).
bool Telaio(std::uint8_t m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}
bool Progressivo(std::uint8_t m) {
    return m == 0xC2 || m == 0xC6 || m == 0xCA || m == 0xCE;
}

}  // namespace

std::optional<IntestazioneJpeg> LeggiIntestazioneJpeg(std::string_view testo) {
    // Every byte read through the view, so a read past its end is caught where the library checks bounds.
    auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(testo[i]); };
    const std::size_t n = testo.size();
    if (n < 2 || b(0) != kMarcatore || b(1) != kSoi) return std::nullopt;
    auto due = [&](std::size_t i) { return static_cast<std::size_t>(b(i) << 8 | b(i + 1)); };
    IntestazioneJpeg h;
    for (std::size_t i = 2;;) {
        // The next marker, found as the decoder finds it: anything up to an FF, then the FF fill bytes.
        while (i < n && b(i) != kMarcatore) ++i;
        while (i < n && b(i) == kMarcatore) ++i;
        if (i >= n) break;  // no EOI: the decoder ends here as well
        const std::uint8_t m = b(i++);
        // FF 00 is a data byte of a scan; RSTn and TEM have no segment.
        if (m == 0x00 || m == kTem || (m >= kRst0 && m <= kRst7)) continue;
        if (m == kEoi) break;
        if (m == kSoi) return std::nullopt;
        if (i + 2 > n) return std::nullopt;
        const std::size_t lunghezza = due(i);  // counts its own two bytes
        if (lunghezza < 2 || lunghezza > n - i) return std::nullopt;
        if (Telaio(m)) {
            // precision, height, width, components, then three bytes per component
            if (h.telaio || lunghezza < 8 || lunghezza != 8 + 3 * std::size_t{b(i + 7)}) return std::nullopt;
            h.telaio = true;
            h.progressiva = Progressivo(m);
            h.altezza = static_cast<int>(due(i + 3));
            h.larghezza = static_cast<int>(due(i + 5));
            h.componenti = b(i + 7);
        } else if (m == kSos) {
            if (!h.telaio) return std::nullopt;
            ++h.scansioni;
        }
        i += lunghezza;
    }
    return h;
}

EsitoFile ControllaImmagine(std::string_view byte) {
    const auto h = LeggiIntestazioneJpeg(byte);
    if (!h) return {kNonValido};
    if (!h->telaio) return {};
    if (h->larghezza == 0 || h->altezza == 0 || h->componenti == 0 || h->componenti > kComponentiMassime)
        return {kNonValido};
    if (h->larghezza > kLatoMassimoImmagine || h->altezza > kLatoMassimoImmagine ||
        h->scansioni > kScansioniMassime)
        return {kImmagineTroppoGrande};
    return {};
}

}  // namespace tramelo
