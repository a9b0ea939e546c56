// The game window, its client area and its icon.
#include "app/qt/FinestraTramelo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

#include "app/Eventi.h"
#include "app/qt/PiattaformaQt.h"

namespace tramelo::qt {

namespace {

QString DaLatin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

using EventoMenu = void (*)(Contesto&);
constexpr std::array<EventoMenu, 8> kEventiMenu = {
    mnuRicomincia_Click, mnuSoluzione_Click,   mnuNS_Click,           mnuIstruzioni_Click,
    mnuStampare_Click,   mnuSalvaSchema_Click, mnuCaricaSchema_Click, mnuCancellaSchema_Click,
};

// A held scroll bar arrow or track repeats after a pause, then steadily (milliseconds).
constexpr int kRitardoRipetizione = 400;
constexpr int kIntervalloRipetizione = 50;

QSize PixelArea(const Form1& f, const Scala& s) {
    const QRectF r = s.Area(f);
    return QSize(std::max(1, static_cast<int>(r.width())), std::max(1, static_cast<int>(r.height())));
}

}  // namespace

AreaGioco::AreaGioco(FinestraTramelo& finestra) : QWidget(&finestra), finestra_(finestra) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ripeti_ = new QTimer(this);
    connect(ripeti_, &QTimer::timeout, this, [this] {
        ripeti_->setInterval(kIntervalloRipetizione);
        PassoBarra();
    });
}

void AreaGioco::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DisegnaForm(p, finestra_.contesto().f, finestra_.scala(), finestra_.immagini());
}

void AreaGioco::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPointF punto = e->position();
    if (PremiSullaLista(punto)) return;
    const int indice = ImmagineSotto(finestra_.contesto().f, finestra_.scala(), punto);
    if (indice >= 0) finestra_.Esegui([indice](Contesto& c) { Image1_Click(c, indice); });
}

bool AreaGioco::PremiSullaLista(QPointF punto) {
    const Form1& f = finestra_.contesto().f;
    if (!f.File1.Visible) return false;
    const GeometriaListaFile g = GeometriaLista(f, finestra_.scala());
    if (!g.controllo.contains(punto)) return false;
    if (const int voce = g.VoceSotto(punto, f.File1.ListCount()); voce >= 0) {
        finestra_.Esegui([voce](Contesto& c) {
            c.f.File1.ListIndex = voce;
            c.f.File1.FileName = c.f.File1.names.at(static_cast<std::size_t>(voce));
            File1_Click(c);
        });
        return true;
    }
    if (!g.barra) return true;
    puntoPresa_ = punto;
    if (g.cursore.contains(punto)) {
        presa_ = Presa::Cursore;
        scartoCursore_ = punto.y() - g.cursore.top();
        return true;
    }
    presa_ = g.frecciaSu.contains(punto)    ? Presa::FrecciaSu
             : g.frecciaGiu.contains(punto) ? Presa::FrecciaGiu
             : g.binario.contains(punto)    ? Presa::Binario
                                            : Presa::Niente;
    if (presa_ != Presa::Niente) {
        PassoBarra();
        ripeti_->start(kRitardoRipetizione);
    }
    return true;
}

void AreaGioco::PassoBarra() {
    const Form1& f = finestra_.contesto().f;
    if (!f.File1.Visible) presa_ = Presa::Niente;
    const GeometriaListaFile g = GeometriaLista(f, finestra_.scala());
    switch (presa_) {
        case Presa::FrecciaSu:
            Scorri(-1);
            break;
        case Presa::FrecciaGiu:
            Scorri(+1);
            break;
        case Presa::Binario:  // a page at a time towards the mouse, until the thumb is under it
            if (puntoPresa_.y() < g.cursore.top()) Scorri(-ListaFile::Pagina(g.righe));
            if (puntoPresa_.y() >= g.cursore.bottom()) Scorri(ListaFile::Pagina(g.righe));
            break;
        case Presa::Cursore:
            break;
        case Presa::Niente:
            ripeti_->stop();
            break;
    }
}

void AreaGioco::Scorri(int righe) {
    ListaFile& lista = finestra_.contesto().f.File1;
    const GeometriaListaFile g = GeometriaLista(finestra_.contesto().f, finestra_.scala());
    lista.MostraDa(g.prima + righe, g.righe);
    update();
}

void AreaGioco::mouseMoveEvent(QMouseEvent* e) {
    puntoPresa_ = e->position();
    if (presa_ != Presa::Cursore) return;
    Form1& f = finestra_.contesto().f;
    const GeometriaListaFile g = GeometriaLista(f, finestra_.scala());
    f.File1.MostraDa(g.PrimaConCursoreA(puntoPresa_.y() - scartoCursore_, f.File1.ListCount()), g.righe);
    update();
}

void AreaGioco::mouseReleaseEvent(QMouseEvent*) {
    presa_ = Presa::Niente;
    ripeti_->stop();
}

void AreaGioco::wheelEvent(QWheelEvent* e) {
    const Form1& f = finestra_.contesto().f;
    if (!f.File1.Visible || !GeometriaLista(f, finestra_.scala()).controllo.contains(e->position())) {
        e->ignore();
        return;
    }
    // A notch is 120 eighths of a degree; finer wheels add up until they make a row.
    const int perRiga = std::max(1, 120 / std::max(1, QApplication::wheelScrollLines()));
    restoRotella_ += e->angleDelta().y();
    const int righe = restoRotella_ / perRiga;
    restoRotella_ -= righe * perRiga;
    if (righe != 0) Scorri(-righe);
}

void AreaGioco::keyPressEvent(QKeyEvent* e) {
    // While the file list is open its keys move its current entry; Esc keeps its meaning on the board.
    if (const Form1& f = finestra_.contesto().f; f.File1.Visible) {
        std::optional<TastoLista> tasto;
        switch (e->key()) {
            case Qt::Key_Up:
                tasto = TastoLista::Su;
                break;
            case Qt::Key_Down:
                tasto = TastoLista::Giu;
                break;
            case Qt::Key_PageUp:
                tasto = TastoLista::PaginaSu;
                break;
            case Qt::Key_PageDown:
                tasto = TastoLista::PaginaGiu;
                break;
            case Qt::Key_Home:
                tasto = TastoLista::Inizio;
                break;
            case Qt::Key_End:
                tasto = TastoLista::Fine;
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                tasto = TastoLista::Invio;
                break;
            default:
                break;
        }
        if (tasto) {
            const int righe = GeometriaLista(f, finestra_.scala()).righe;
            finestra_.Esegui([t = *tasto, righe](Contesto& c) { File1_KeyDown(c, t, righe); });
            return;
        }
    }
    int codice = -1;
    if (e->key() == Qt::Key_Escape) {
        codice = 27;
    } else if (e->text().size() == 1 && e->text().at(0).unicode() < 256) {
        codice = e->text().at(0).unicode();
    }
    if (codice < 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    finestra_.Esegui([codice](Contesto& c) { Form_KeyPress(c, codice); });
}

FinestraTramelo::FinestraTramelo(Contesto& c, ImmaginiQt& immagini)
    : c_(c),
      immagini_(immagini),
      tppX_(c.piattaforma.TwipsPerPixelX()),
      tppY_(c.piattaforma.TwipsPerPixelY()),
      scala_(Scala::DelModello(c.f, tppX_, tppY_)) {
    setWindowIcon(IconaTramelo());
    auto menus = c_.f.Menus();
    for (std::size_t i = 0; i < azioni_.size(); ++i) {
        azioni_[i] = menuBar()->addAction(DaLatin1(menus[i]->Caption));
        const EventoMenu evento = kEventiMenu[i];
        connect(azioni_[i], &QAction::triggered, this, [this, evento] { Esegui(evento); });
    }
    area_ = new AreaGioco(*this);
    setCentralWidget(area_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Aggiorna();
    area_->setFocus();
}

void FinestraTramelo::Esegui(const std::function<void(Contesto&)>& evento) {
    std::string errore;
    try {
        evento(c_);
    } catch (const std::exception& e) {
        errore = e.what();
    } catch (...) {
        errore = "errore sconosciuto";
    }
    if (!errore.empty()) {
        c_.m.Occupato = 0;
        try {
            auto box = CreaMessaggio("Errore imprevisto: " + errore, Pulsanti::Ok, this);
            box->exec();
        } catch (...) {
        }
    }
    Aggiorna();
}

void FinestraTramelo::Aggiorna() {
    setWindowTitle(DaLatin1(c_.f.Caption));
    auto menus = c_.f.Menus();
    for (std::size_t i = 0; i < azioni_.size(); ++i) {
        const QString testo = DaLatin1(menus[i]->Caption);
        if (azioni_[i]->text() != testo) azioni_[i]->setText(testo);
    }
    scala_ = Scala::DelModello(c_.f, tppX_, tppY_);
    // A window shown shrunk has its menu bar's text shrunk alike, so that the eight commands still fit.
    QFont font = QApplication::font(menuBar());
    if (scala_.riduzione < 1 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scala_.riduzione);
    if (scala_.riduzione < 1 && font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scala_.riduzione))));
    if (menuBar()->font() != font) menuBar()->setFont(font);
    const QSize dimensioni = PixelArea(c_.f, scala_);
    if (area_->minimumSize() != dimensioni || area_->maximumSize() != dimensioni)
        area_->setFixedSize(dimensioni);
    area_->update();
}

void FinestraTramelo::Ridisegna() {
    Aggiorna();
    area_->repaint();
}

void FinestraTramelo::Posiziona() {
    if (c_.m.FinestraAdattata == 0) return;
    QPoint angolo(static_cast<int>(std::lround(c_.f.Left / tppX_)),
                  static_cast<int>(std::lround(c_.f.Top / tppY_)));
    if (const QScreen* schermo = QGuiApplication::primaryScreen(); schermo != nullptr) {
        const QPoint libero = schermo->availableGeometry().topLeft();
        angolo = QPoint(std::max(angolo.x(), libero.x()), std::max(angolo.y(), libero.y()));
    }
    move(angolo);
}

bool FinestraTramelo::Stampa(QPrinter& printer) {
    const QRectF area = scala_.Area(c_.f);
    if (area.isEmpty()) return false;
    // Margins on every side, then the orientation in which the window comes out largest.
    printer.setPageMargins(QMarginsF(kMarginePagina, kMarginePagina, kMarginePagina, kMarginePagina),
                           QPageLayout::Millimeter);
    auto fattore = [&](QPageLayout::Orientation o) {
        QPageLayout l = printer.pageLayout();
        l.setOrientation(o);
        const QRectF r = l.paintRect(QPageLayout::Point);
        return std::min(r.width() / area.width(), r.height() / area.height());
    };
    printer.setPageOrientation(fattore(QPageLayout::Landscape) > fattore(QPageLayout::Portrait)
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRectF pagina = printer.pageLayout().paintRectPixels(printer.resolution());
    if (pagina.isEmpty()) return p.end(), false;
    DisegnaSuPagina(p, QRectF(QPointF(0, 0), pagina.size()));
    return p.end();
}

void FinestraTramelo::DisegnaSuPagina(QPainter& p, const QRectF& pagina) {
    const QRectF area = scala_.Area(c_.f);
    const double fattore = std::min(pagina.width() / area.width(), pagina.height() / area.height());
    p.save();
    p.translate(pagina.left() + (pagina.width() - area.width() * fattore) / 2,
                pagina.top() + (pagina.height() - area.height() * fattore) / 2);
    p.scale(fattore, fattore);
    DisegnaForm(p, c_.f, scala_, immagini_);
    p.restore();
}

void FinestraTramelo::closeEvent(QCloseEvent* e) {
    Esegui(Form_Terminate);
    e->accept();
}

QIcon IconaTramelo() {
    QIcon icona;
    for (const int lato : {16, 24, 32, 48, 64, 128, 256})
        icona.addFile(
            QStringLiteral(":/icone/%1x%1/apps/%2.png").arg(lato).arg(QLatin1String(kIdApplicazione)));
    return icona;
}

}  // namespace tramelo::qt
