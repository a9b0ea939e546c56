// The platform of the real game on Qt.
#include "app/qt/PiattaformaQt.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <algorithm>

#include "app/qt/FinestraTramelo.h"

namespace tramelo::qt {

namespace {

double TwipsPerPixel(double dpi) {
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QScreen* Schermo() {
    return QGuiApplication::primaryScreen();
}

// A window manager's frame before the window shows and the frame is known: borders and a title bar, in
// pixels across and down (about what the toolkit assumes when it places dialogs).
const QSize kCorniceStimata(8, 44);

}  // namespace

std::unique_ptr<QMessageBox> CreaMessaggio(const std::string& testo, Pulsanti pulsanti, QWidget* padre) {
    auto box = std::make_unique<QMessageBox>(padre);
    box->setWindowTitle(QStringLiteral("Tramelo"));
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    QString t = QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
    box->setText(t);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    if (pulsanti == Pulsanti::OkAnnulla) {
        QPushButton* annulla = box->addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        box->setEscapeButton(annulla);
    } else {
        box->setEscapeButton(ok);
    }
    return box;
}

int Risposta(QMessageBox& box) {
    QAbstractButton* premuto = box.clickedButton();
    return premuto != nullptr && box.buttonRole(premuto) == QMessageBox::AcceptRole ? kRispostaOk
                                                                                    : kRispostaAnnulla;
}

int PiattaformaQt::MsgBox(const std::string& testo, Pulsanti pulsanti) {
    // A box over a window not yet shown would sit over where that window is not: at the screen's corner.
    QWidget* sopra = finestra_ != nullptr && finestra_->isVisible() ? finestra_ : nullptr;
    auto box = CreaMessaggio(testo, pulsanti, sopra);
    box->exec();
    return Risposta(*box);
}

double PiattaformaQt::Timer() {
    return QTime(0, 0).msecsTo(QTime::currentTime()) / 1000.0;
}

double PiattaformaQt::TwipsPerPixelX() {
    return Schermo() != nullptr ? TwipsPerPixel(Schermo()->logicalDotsPerInchX()) : 15.0;
}

double PiattaformaQt::TwipsPerPixelY() {
    return Schermo() != nullptr ? TwipsPerPixel(Schermo()->logicalDotsPerInchY()) : 15.0;
}

Rettangolo PiattaformaQt::AreaDisponibile() {
    if (Schermo() == nullptr) return {};
    const QRect a = Schermo()->availableGeometry();
    const double x = TwipsPerPixelX(), y = TwipsPerPixelY();
    return {a.left() * x, a.top() * y, a.width() * x, a.height() * y};
}

DimensioniTwips PiattaformaQt::Cornice() {
    if (finestra_ == nullptr) return {};
    // The menu bar, and the window manager's frame: known once the window shows, until then that of a
    // common desktop.
    const int menu = finestra_->menuBar()->isNativeMenuBar() ? 0 : finestra_->menuBar()->sizeHint().height();
    QSize cornice = kCorniceStimata;
    if (finestra_->isVisible() && finestra_->frameGeometry() != finestra_->geometry())
        cornice = finestra_->frameGeometry().size() - finestra_->geometry().size();
    return {cornice.width() * TwipsPerPixelX(), (cornice.height() + std::max(0, menu)) * TwipsPerPixelY()};
}

std::optional<DimensioniPixel> PiattaformaQt::CaricaImmagine(const std::string& nome,
                                                             const std::string& byte) {
    return immagini_.Carica(nome, byte);
}

EsitoStampa PiattaformaQt::StampaFinestra() {
    const QPrinterInfo stampante = QPrinterInfo::defaultPrinter();
    if (stampante.isNull()) return EsitoStampa::NessunaStampante;
    QPrinter printer(stampante, QPrinter::HighResolution);
    if (!printer.isValid() || finestra_ == nullptr) return EsitoStampa::Fallito;
    return finestra_->Stampa(printer) ? EsitoStampa::Stampato : EsitoStampa::Fallito;
}

void PiattaformaQt::Ridisegna() {
    if (finestra_ != nullptr) finestra_->Ridisegna();
}

}  // namespace tramelo::qt
