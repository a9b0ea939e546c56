// The decoding budget of a picture clue: what a JPEG's header says it would cost, read before decoding.
#pragma once

#include <optional>
#include <string_view>

#include "files/EsitoFile.h"

namespace tramelo {

// The shipped pictures are 259 x 194 pixels, baseline (one scan). A JPEG costs its decoder about its
// blocks times its scans: 2000 x 2000 with 48 scans decodes in a few hundredths of a second, while a
// 4000 x 4000 picture of 2,213 scans, packed in under 100,000 bytes, takes seconds. An ordinary
// progressive JPEG has 6 to 12 scans.
inline constexpr int kLatoMassimoImmagine = 2000;
inline constexpr int kScansioniMassime = 48;

// What the markers of a JPEG say, read as a decoder reads them: bytes between segments (a scan's
// entropy-coded data among them) are passed over up to the next marker, and reading stops at the end
// of the picture (EOI) or of the bytes.
struct IntestazioneJpeg {
    bool telaio = false;  // a frame header (SOF) was found
    bool progressiva = false;
    int larghezza = 0, altezza = 0, componenti = 0;
    int scansioni = 0;  // scan headers (SOS)
};

// Nothing when the bytes do not begin a JPEG (SOI) or hold a structure no decoder follows: a segment
// length below 2 or past the end, a frame header of the wrong length, a second SOI or frame header,
// a scan before the frame.
std::optional<IntestazioneJpeg> LeggiIntestazioneJpeg(std::string_view byte);

// Success when the bytes may be handed to the decoder: kNonValido when they are not a JPEG it could
// follow, or its frame is empty or has more than the 4 components of a picture that can be shown
// (grey, colour, CMYK); kImmagineTroppoGrande when a side exceeds kLatoMassimoImmagine or the scans
// kScansioniMassime. Bytes without a frame header pass: the decoder refuses them at once.
EsitoFile ControllaImmagine(std::string_view byte);

}  // namespace tramelo
