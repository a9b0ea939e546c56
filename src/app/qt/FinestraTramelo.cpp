// The game window, its client area and its icon.
#include "app/qt/FinestraTramelo.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWheelEvent>
#include <algorithm>
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
    : c_(c), immagini_(immagini), scala_{c.piattaforma.TwipsPerPixelX(), c.piattaforma.TwipsPerPixelY()} {
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
    const QPointF angolo = scala_.Punto(c_.f.Left, c_.f.Top);
    move(std::max(0, static_cast<int>(angolo.x())), std::max(0, static_cast<int>(angolo.y())));
}

bool FinestraTramelo::Stampa(QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRectF pagina = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area = scala_.Area(c_.f);
    if (area.isEmpty() || pagina.isEmpty()) return p.end(), false;
    const double fattore = std::min(pagina.width() / area.width(), pagina.height() / area.height());
    p.translate((pagina.width() - area.width() * fattore) / 2, 0);
    p.scale(fattore, fattore);
    DisegnaForm(p, c_.f, scala_, immagini_, area_->PrimaVoceFile());
    return p.end();
}

void FinestraTramelo::closeEvent(QCloseEvent* e) {
    Esegui(Form_Terminate);
    e->accept();
}

QIcon IconaTramelo() {
    QPixmap icona(32, 32);
    icona.fill(Qt::transparent);
    QPainter p(&icona);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 64, 64), 1));
    p.setBrush(QColor(0, 96, 96));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(5, 5, 22, 22), 3, 3);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 64, 64));
    p.drawText(QRectF(5, 5, 22, 22), Qt::AlignCenter, QStringLiteral("T"));
    p.setPen(QPen(QColor(255, 0, 0), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
    return QIcon(icona);
}

}  // namespace tramelo::qt
