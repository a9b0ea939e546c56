// The only way out of the game core: message boxes, clock, screen, pictures, printing, repaints.
// The Qt window implements it; tests use a scripted fake.
#pragma once

#include <optional>
#include <string>

namespace tramelo {

enum class Pulsanti { Ok, OkAnnulla };
inline constexpr int kRispostaOk = 1;
inline constexpr int kRispostaAnnulla = 2;

struct DimensioniPixel {
    int larghezza = 0, altezza = 0;
};

// A rectangle of the screen, in twips from its top-left corner; a size in twips.
struct Rettangolo {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};
struct DimensioniTwips {
    double Width = 0, Height = 0;
};

enum class EsitoStampa { Stampato, NessunaStampante, Fallito };

class Piattaforma {
  public:
    virtual ~Piattaforma() = default;
    // A modal box titled "Tramelo", no icon; text in UTF-8, "\r" breaks a line. 1 = OK, 2 = Cancel.
    virtual int MsgBox(const std::string& testo, Pulsanti pulsanti) = 0;
    // Seconds since midnight, with their fraction.
    virtual double Timer() = 0;
    // Twips per pixel (1440 / logical dots per inch).
    virtual double TwipsPerPixelX() = 0;
    virtual double TwipsPerPixelY() = 0;
    // The part of the screen a window may take (the screen less its panels and docks), in twips.
    virtual Rettangolo AreaDisponibile() = 0;
    // What the window's frame and menu bar add to its client area, in twips: Width across, Height down.
    virtual DimensioniTwips Cornice() = 0;
    // Decodes a picture from its bytes and keeps it for the next picture of type File named `nome`; its
    // size in pixels, or nothing when the bytes are not a readable picture.
    virtual std::optional<DimensioniPixel> CaricaImmagine(const std::string& nome,
                                                          const std::string& byte) = 0;
    // Prints the window's client area on the default printer, without a dialog.
    virtual EsitoStampa StampaFinestra() = 0;
    // Repaints the window now (progress during a generation).
    virtual void Ridisegna() = 0;
};

}  // namespace tramelo
