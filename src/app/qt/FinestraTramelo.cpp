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
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <exception>

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

QSize PixelArea(const Form1& f, const Scala& s) {
    const QRectF r = s.Area(f);
    return QSize(std::max(1, static_cast<int>(r.width())), std::max(1, static_cast<int>(r.height())));
}

}  // namespace

AreaGioco::AreaGioco(FinestraTramelo& finestra) : QWidget(&finestra), finestra_(finestra) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AreaGioco::paintEvent(QPaintEvent*) {
    QPainter p(this);
    LimitaScorrimento();
    DisegnaForm(p, finestra_.contesto().f, finestra_.scala(), finestra_.immagini(), primaVoceFile_);
}

void AreaGioco::LimitaScorrimento() {
    const Form1& f = finestra_.contesto().f;
    const int massimo = static_cast<int>(f.File1.names.size()) - VociFileVisibili(f, finestra_.scala());
    primaVoceFile_ = std::clamp(primaVoceFile_, 0, std::max(0, massimo));
}

void AreaGioco::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPointF punto = e->position();
    const Form1& f = finestra_.contesto().f;
    const Scala& s = finestra_.scala();
    if (f.File1.Visible && s.Rett(f.File1.Left, f.File1.Top, f.File1.Width, f.File1.Height).contains(punto)) {
        LimitaScorrimento();
        const int voce = VoceFileSotto(f, s, punto, primaVoceFile_);
        if (voce < 0) return;
        finestra_.Esegui([voce](Contesto& c) {
            c.f.File1.ListIndex = voce;
            c.f.File1.FileName = c.f.File1.names[static_cast<std::size_t>(voce)];
            File1_Click(c);
        });
        return;
    }
    const int indice = ImmagineSotto(f, s, punto);
    if (indice >= 0) finestra_.Esegui([indice](Contesto& c) { Image1_Click(c, indice); });
}

void AreaGioco::wheelEvent(QWheelEvent* e) {
    const Form1& f = finestra_.contesto().f;
    const Scala& s = finestra_.scala();
    if (!f.File1.Visible ||
        !s.Rett(f.File1.Left, f.File1.Top, f.File1.Width, f.File1.Height).contains(e->position()))
        return;
    primaVoceFile_ -= e->angleDelta().y() / 40;
    LimitaScorrimento();
    update();
}

void AreaGioco::keyPressEvent(QKeyEvent* e) {
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
    DisegnaForm(p, c_.f, scala_, immagini_, area_->PrimaVoceFile());
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
