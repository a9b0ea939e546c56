// The platform of the real game: Qt message boxes, clock, screen density, picture decoding, printing.
#pragma once

#include <QMessageBox>
#include <memory>

#include "app/Piattaforma.h"
#include "app/qt/ImmaginiQt.h"

namespace tramelo::qt {

class FinestraTramelo;

// A message box titled "Tramelo", no icon, with exactly OK or OK and "Annulla".
// The text is ISO 8859-1; a carriage return breaks the line.
std::unique_ptr<QMessageBox> CreaMessaggio(const std::string& testo, Pulsanti pulsanti,
                                           QWidget* padre = nullptr);
// 1 when the box was closed with OK, else 2 (Annulla, Esc, the close button).
int Risposta(QMessageBox& box);

class PiattaformaQt : public Piattaforma {
  public:
    explicit PiattaformaQt(ImmaginiQt& immagini) : immagini_(immagini) {}
    void ImpostaFinestra(FinestraTramelo* finestra) { finestra_ = finestra; }

    // Over the game window once it shows; before, centred on the screen.
    int MsgBox(const std::string& testo, Pulsanti pulsanti) override;
    double Timer() override;
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;
    Rettangolo AreaDisponibile() override;
    DimensioniTwips Cornice() override;
    std::optional<DimensioniPixel> CaricaImmagine(const std::string& nome, const std::string& byte) override;
    EsitoStampa StampaFinestra() override;
    void Ridisegna() override;

  private:
    ImmaginiQt& immagini_;
    FinestraTramelo* finestra_ = nullptr;
};

}  // namespace tramelo::qt
