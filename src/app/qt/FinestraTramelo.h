// The game window: a menu bar of eight commands over one widget that draws the window model Form1.
// Every event goes through Esegui, so no exception reaches the Qt event loop.
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <array>
#include <functional>

#include "app/Contesto.h"
#include "app/qt/Disegno.h"
#include "app/qt/ImmaginiQt.h"

class QAction;
class QPainter;
class QPrinter;
class QTimer;

namespace tramelo::qt {

class FinestraTramelo;

// The client area: paints Form1 and turns clicks, keys and the wheel into the game's events. Over the open
// file list the wheel scrolls it, and its scroll bar works as any: arrows and track repeat while held, the
// thumb follows the mouse.
class AreaGioco : public QWidget {
    Q_OBJECT
  public:
    explicit AreaGioco(FinestraTramelo& finestra);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    // A press on the file list: an entry is chosen, the scroll bar scrolls. False when it is not on it.
    bool PremiSullaLista(QPointF punto);
    // One step of the scroll bar part held down (an arrow, the track towards the mouse).
    void PassoBarra();
    void Scorri(int righe);
    FinestraTramelo& finestra_;
    QTimer* ripeti_ = nullptr;
    enum class Presa { Niente, FrecciaSu, FrecciaGiu, Binario, Cursore } presa_ = Presa::Niente;
    QPointF puntoPresa_;
    double scartoCursore_ = 0;  // from the thumb's top to where it was taken
    int restoRotella_ = 0;      // eighths of a degree not yet turned into rows
};

class FinestraTramelo : public QMainWindow {
    Q_OBJECT
  public:
    FinestraTramelo(Contesto& c, ImmaginiQt& immagini);

    // Runs an event procedure; an exception is reported in a message box instead of escaping, and a
    // generation it interrupted no longer holds the window busy. Menus and the picture follow the model.
    void Esegui(const std::function<void(Contesto&)>& evento);
    // Menu texts, title and size from the model, and a repaint later or now.
    void Aggiorna();
    void Ridisegna();
    // Places the window where the model says once the layout was scaled to the screen, never beyond the
    // top-left corner of the part of the screen windows may take.
    void Posiziona();
    // Paints the client area on a printer as vectors: the page turned the way the area comes out
    // largest, kMarginePagina millimetres of margin, the area scaled to the printable part and centred.
    bool Stampa(QPrinter& printer);
    // The client area scaled to fit `pagina` (device pixels) and centred in it.
    void DisegnaSuPagina(QPainter& p, const QRectF& pagina);
    static constexpr double kMarginePagina = 12;

    Contesto& contesto() { return c_; }
    ImmaginiQt& immagini() { return immagini_; }
    // The model's scale on this screen: its twips per pixel, shrunk as Form1::ScaleWidth says.
    const Scala& scala() const { return scala_; }
    AreaGioco* area() { return area_; }
    // The menu bar's commands, left to right as in Form1::Menus().
    const std::array<QAction*, 8>& azioni() const { return azioni_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    Contesto& c_;
    ImmaginiQt& immagini_;
    double tppX_, tppY_;  // the screen's twips per pixel
    Scala scala_;
    AreaGioco* area_ = nullptr;
    std::array<QAction*, 8> azioni_{};
};

// The application id the desktop entry, the metadata and the icons are named after.
inline constexpr const char* kIdApplicazione = TRAMELO_ID;
// The game's icon at every size, rendered at build time from resources/<id>.svg.
QIcon IconaTramelo();

}  // namespace tramelo::qt
