// The game window: what it paints from the model, where clicks land, what a failing event and printing do.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <tuple>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/qt/FinestraTramelo.h"

using namespace tramelo;

namespace {

// ROMA and KQWX lie on the first row, and on every other.
const std::vector<std::string> kTavola(10, "ROMAKQWXYZJHGFDBNV");
const QColor qBianco(255, 255, 255), qNero(0, 0, 0), qTeal(0, 64, 64), qRosso(255, 0, 0);

// At 12 twips per pixel cell k is a 32-pixel tile at (24 + 32 column, 16 + 32 row).
const auto Cella = [](int k) { return QRect(24 + 32 * (k % 18), 16 + 32 * (k / 18), 32, 32); };

// A window over a puzzle.
struct Prova {
    test::Partita p;
    qt::ImmaginiQt immagini;
    qt::FinestraTramelo w{p.c, immagini};
    Prova() { p.Carica(kTavola, {"ROMA", "KQWX"}), w.Aggiorna(); }
    QImage Dipinta() { return w.area()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void Clic(int k) { QTest::mouseClick(w.area(), Qt::LeftButton, {}, Cella(k).center()); }
};

const auto Dentro = [](int k) { return Cella(k).adjusted(6, 6, -6, -6); };
const auto Punto = [](QPoint p) { return QRect(p, QSize(1, 1)); };
const auto Rett = [](const Etichetta& e) {
    return QRect(qRound(e.Left / 12), qRound(e.Top / 12), qRound(e.Width / 12), qRound(e.Height / 12));
};

// How many pixels of a rectangle are within `tolleranza` of a colour on every channel.
int Conta(const QImage& img, const QRect& r, const QColor& c, int tolleranza) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor q = img.pixelColor(x, y);
            n += std::abs(q.red() - c.red()) <= tolleranza && std::abs(q.green() - c.green()) <= tolleranza &&
                 std::abs(q.blue() - c.blue()) <= tolleranza;
        }
    return n;
}

}  // namespace

// One painting of a model in every state: tile looks, labels, strike line, ring, a long phrase, the
// puzzle's picture with its credit strip.
TEST(Finestra, DipingeIlModello) {
    Prova t;
    auto& f = t.p.c.f;
    f.Image1[41].BorderStyle = 1, f.Image1[41].Picture = FiguraTessera(2, f.Image1[41].Picture.indice);
    f.Image1[42].Picture = FiguraTessera(1, f.Image1[42].Picture.indice);
    f.Image1[43].Visible = false;
    f.Label2[1].Enabled = false;
    f.Line1[5] = {288 + 384 * 4 + 192, 192 + 384 * 4 + 192, 288 + 384 * 8 + 192, 192 + 384 * 4 + 192, true};
    f.Ring(3).Visible = true;
    f.Ring(3).Left = f.Image1[100].Left, f.Ring(3).Top = f.Image1[100].Top;
    f.Label1[1].Caption = "LA CASA SULLA COLLINA DEL VENTO";
    // The picture clue as a load leaves it in a holder of the default size: the picture fills it inside its
    // border, below the credit strip at its top left corner.
    const auto file = (t.p.cartella.percorso() / "FileTemp.jpg").string();
    QImage verde(259, 194, QImage::Format_RGB32);
    verde.fill(QColor(0, 160, 0));
    ASSERT_TRUE(verde.save(QString::fromStdString(file), "PNG"));
    f.Image1[kImmagineIndizio].Picture = Figura{TipoFigura::File, 0, 0, file, 1};
    const auto& credito = f.Image1[kImmagineCredito];
    const QRect striscia(qRound(credito.Left / 12), qRound(credito.Top / 12), 80, 12);
    const QImage img = t.Dipinta();
    EXPECT_EQ(img.copy(622, 45, 259, 178), verde.copy(0, 16, 259, 178)) << "the picture inside its border";

    // What, where, which colour within which tolerance, how many pixels at least and at most. That a found
    // tile takes its light grey and a ring shows at all, the run of the real game under X checks.
    const std::tuple<const char*, QRect, QColor, int, int, int> attese[] = {
        {"tile: white", Punto(Cella(40).topLeft() + QPoint(5, 5)), qBianco, 0, 1, 1},
        {"tile: dark letter", Dentro(40), qNero, 90, 16, 999},
        {"selected: grey", Punto(Cella(41).topLeft() + QPoint(5, 5)), QColor(128, 128, 128), 0, 1, 1},
        {"selected: white letter", Dentro(41), qBianco, 15, 16, 999},
        {"found: dark letter", Dentro(42), qNero, 90, 16, 999},
        {"hidden: background", Punto(Cella(43).topLeft() + QPoint(5, 5)), QColor(192, 192, 192), 0, 1, 1},
        {"hidden: no letter", Dentro(43), qNero, 90, 0, 15},
        {"word to find: black", Rett(f.Label2[0]), qNero, 90, 11, 999},
        {"found word: nothing dark", Rett(f.Label2[1]), qNero, 110, 0, 0},
        {"found word: grey", Rett(f.Label2[1]), QColor(144, 144, 144), 30, 11, 999},
        {"PAROLE: dark teal", Rett(f.Label1[2]), qTeal, 20, 21, 999},
        {"strike line: to the last cell", Punto(Cella(80).center()), QColor(255, 128, 128), 0, 1, 1},
        {"strike line: not past it", Punto(Cella(81).center()), QColor(255, 128, 128), 0, 0, 0},
        {"no ring on cell 101", Cella(101), qRosso, 30, 0, 0},
        {"phrase: written", QRect(0, 0, img.width(), 30), qTeal, 20, 101, 99999},
        {"phrase: not cut at the right edge", QRect(img.width() - 3, 0, 3, 30), qTeal, 40, 0, 0},
        {"credits: text", striscia, qNero, 110, 11, 999},
        {"credits: light strip", striscia, QColor(230, 240, 230), 30, 301, 999},
    };
    for (const auto& [cosa, dove, colore, tolleranza, minimo, massimo] : attese) {
        const int n = Conta(img, dove, colore, tolleranza);
        EXPECT_TRUE(n >= minimo && n <= massimo) << cosa << ": " << n;
    }
}

// The instructions panel lies over the board: a click on it hides it and selects nothing below.
TEST(Finestra, IstruzioniSopraLaTavola) {
    Prova t;
    QAction* istruzioni = t.w.azioni()[3];
    istruzioni->trigger();
    const QImage img = t.Dipinta();
    EXPECT_GT(Conta(img, QRect(85, 25, 500, 250), qBianco, 0), 500 * 250 / 2);
    EXPECT_GT(Conta(img, QRect(250, 22, 150, 25), qTeal, 30), 20) << "the title ISTRUZIONI";
    t.Clic(40);
    EXPECT_EQ(istruzioni->text(), QStringLiteral("Istruzioni"));
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 0);
}

// An event that throws half-way is reported and does not leave the window busy for good: a click still
// selects, Esc still clears.
TEST(Finestra, UnErroreNellEventoNonBloccaLaFinestra) {
    Prova t;
    QString mostrato;
    QTimer::singleShot(20, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) mostrato = box->text(), box->accept();
    });
    t.w.Esegui([](Contesto& c) { c.m.Occupato = 1, throw std::runtime_error("disco pieno"); });
    EXPECT_TRUE(mostrato.contains(QStringLiteral("disco pieno")));
    t.Clic(40);
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 1);
    QTest::keyClick(t.w.area(), Qt::Key_Escape);
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 0) << "Esc clears the selection";
}

TEST(Stampa, PaginaPdfDisegnataNonFotografata) {
    Prova t;
    const auto pdf = QString::fromStdString((t.p.cartella.percorso() / "stampa.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(t.w.Stampa(printer));
    QFile file(pdf);
    const QByteArray dati = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // Letters are text and tiles are shapes, so the page is sharp at any size: no picture of the screen.
    EXPECT_TRUE(dati.contains("/Font") && !dati.contains("/Subtype /Image"));
    // The window is wider than tall: the A4 page is turned, with margins all round.
    EXPECT_TRUE(dati.contains("/MediaBox [0 0 842")) << dati.mid(dati.indexOf("/MediaBox"), 40).toStdString();
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_GE(std::min({m.left(), m.top(), m.right(), m.bottom()}), 10);

    // On the printable part the window fills the width and is centred: as much blank above as below.
    const QRectF pagina = printer.pageLayout().paintRect(QPageLayout::Point);
    QImage foglio(pagina.size().toSize(), QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter p(&foglio);
    t.w.DisegnaSuPagina(p, QRectF(QPointF(0, 0), pagina.size()));
    p.end();
    const QImage inchiostro = foglio.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor);
    const QRect disegnato = QRegion(QBitmap::fromImage(inchiostro)).boundingRect();
    EXPECT_TRUE(disegnato.left() <= 1 && disegnato.right() >= foglio.width() - 2) << "the full width";
    EXPECT_NEAR(disegnato.top(), foglio.height() - 1 - disegnato.bottom(), 2);
    EXPECT_GT(disegnato.top(), 20) << "scaled to the width, so blank above and below";
}
