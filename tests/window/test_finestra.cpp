// The game window: what it paints from the model, and the clicks, keys and menu commands it forwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <stdexcept>

#include "Finestra.h"
#include "app/Eventi.h"

using namespace tramelo;
using tramelo::test::Conta;
using tramelo::test::FinestraProva;
using tramelo::test::RettCella;
using tramelo::test::Scuri;

namespace {

// ROMA lies on cells 0..3, SOLE on cells 36..39.
const std::vector<std::string> kTavola = {
    "ROMAKQWXYZJHGFDBNV", "BCDEFGHIJKLMNPQSTU", "SOLEVWXYZABCDFGHJK", "ABCDFGHIJKLMNPQRTU",
    "VWXYZBCDFGHJKLMNPQ", "RSTUVWXYZABCDFGHJK", "LMNPQRSTVWXYZBCDFG", "HJKLMNPQRSTVWXYZBC",
    "DFGHJKLMNPQRSTVWXY", "ZBCDFGHJKLMNPQRSTV",
};

const QColor qBianco(255, 255, 255);
const QColor qRossoChiaro(255, 128, 128);
const QColor qRosso(255, 0, 0);
const QColor qTeal(0, 64, 64);

void Clic(QWidget* w, QPoint punto) {
    const QPointF p(punto), g = w->mapToGlobal(QPointF(punto));
    QMouseEvent premi(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent rilascia(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &premi);
    QApplication::sendEvent(w, &rilascia);
}

QRect Rett(const Etichetta& e) {
    return QRect(qRound(e.Left / 12), qRound(e.Top / 12), qRound(e.Width / 12), qRound(e.Height / 12));
}

}  // namespace

// One painting of a model in every state: tile looks, labels, strike line, ring, a long phrase.
TEST(Finestra, DipingeIlModello) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA", "SOLE"});
    auto& f = t.p.c.f;
    auto& selezionata = f.Image1[41];
    selezionata.BorderStyle = 1, selezionata.Picture = FiguraTessera(2, selezionata.Picture.indice);
    f.Image1[42].Picture = FiguraTessera(1, f.Image1[42].Picture.indice);
    f.Image1[43].Visible = false;
    f.Label2[1].Enabled = false;
    // A strike line across cells 76..80 through their centres, and a ring on cell 100.
    f.Line1[5] = {288 + 384 * 4 + 192, 192 + 384 * 4 + 192, 288 + 384 * 8 + 192, 192 + 384 * 4 + 192, true};
    f.Ring(3).Visible = true;
    f.Ring(3).Left = f.Image1[100].Left, f.Ring(3).Top = f.Image1[100].Top;
    f.Label1[1].Caption = "LA CASA SULLA COLLINA DEL VENTO";
    const QImage img = t.Dipinta();

    // Plain: dark letter on white; selected: white letter on grey; found: dark on light grey; hidden:
    // background.
    const std::tuple<int, QColor, bool> tessere[] = {{40, qBianco, true},
                                                     {41, QColor(128, 128, 128), false},
                                                     {42, QColor(214, 214, 214), true},
                                                     {43, QColor(192, 192, 192), false}};
    for (const auto& [k, fondo, scura] : tessere) {
        const QRect r = RettCella(k);
        EXPECT_EQ(img.pixelColor(r.left() + 5, r.top() + 5), fondo) << k;
        EXPECT_EQ(Scuri(img, r.adjusted(6, 6, -6, -6)) > 15, scura) << k;
    }
    EXPECT_GT(Conta(img, RettCella(41).adjusted(6, 6, -6, -6), qBianco, 15), 15) << "white letter";
    EXPECT_GT(Scuri(img, Rett(f.Label2[0])), 10) << "a word to find in black";
    EXPECT_EQ(Scuri(img, Rett(f.Label2[1]), 110), 0) << "a found word in grey";
    EXPECT_GT(Conta(img, Rett(f.Label2[1]), QColor(144, 144, 144), 30), 10) << "a found word in grey";
    EXPECT_GT(Conta(img, Rett(f.Label1[2]), qTeal, 20), 20) << "PAROLE in dark teal";
    EXPECT_EQ(img.pixelColor(RettCella(78).center()), qRossoChiaro);
    EXPECT_EQ(img.pixelColor(RettCella(80).center()), qRossoChiaro);
    EXPECT_NE(img.pixelColor(RettCella(81).center()), qRossoChiaro) << "the line ends on the last cell";
    EXPECT_GT(Conta(img, RettCella(100), qRosso, 30), 40);
    EXPECT_EQ(Conta(img, RettCella(101), qRosso, 30), 0);
    // The phrase starts right of the board frame and is not cut at the window's right edge.
    EXPECT_GT(Conta(img, QRect(0, 0, img.width(), 30), qTeal, 20), 100);
    EXPECT_EQ(Conta(img, QRect(img.width() - 3, 0, 3, 30), qTeal, 40), 0);

    QStringList testi;
    for (QAction* a : t.w->azioni()) testi << a->text();
    EXPECT_EQ(testi.join(u'|'), QStringLiteral("Ricomincia|Soluzione|Nuovo schema|Istruzioni|Stampa schema|"
                                               "Salva schema|Carica schema|Cancella schema"));
    EXPECT_EQ(t.w->windowTitle(), QStringLiteral("Tramelo"));
}

// The instructions panel lies over the board; a click on it hides it and selects nothing below, a click on
// the banner does nothing.
TEST(Finestra, IstruzioniSopraLaTavola) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    QAction* istruzioni = t.w->azioni()[3];
    istruzioni->trigger();
    EXPECT_EQ(istruzioni->text(), QStringLiteral("Esci da Istruzioni"));
    const QImage img = t.Dipinta();
    const QRect pannello(85, 25, 500, 250);
    EXPECT_GT(Conta(img, pannello, qBianco, 0), pannello.width() * pannello.height() / 2);
    EXPECT_GT(Conta(img, QRect(250, 22, 150, 25), qTeal, 30), 20) << "the title ISTRUZIONI";
    Clic(t.w->area(), RettCella(40).center());
    Clic(t.w->area(), QPoint(720, 310));
    EXPECT_EQ(istruzioni->text(), QStringLiteral("Istruzioni"));
    EXPECT_EQ(t.Dipinta().pixelColor(RettCella(40).topLeft() + QPoint(5, 5)), qBianco);
    for (int k = 0; k < kCelle; ++k) EXPECT_EQ(t.p.c.f.Image1[std::size_t(k)].BorderStyle, 0) << k;
}

TEST(Finestra, FiguraDelloSchemaConLaStrisciaDeiCrediti) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    const auto file = t.p.cartella.percorso() / "FileTemp.jpg";
    QImage verde(200, 150, QImage::Format_RGB32);
    verde.fill(QColor(0, 160, 0));
    ASSERT_TRUE(verde.save(QString::fromStdString(file.string()), "PNG"));

    // What the picture clue does after a load: the holder takes the picture's size plus its border,
    // the credit strip goes to its lower right corner.
    auto& indizio = t.p.c.f.Image1[kImmagineIndizio];
    indizio.Picture = Figura{TipoFigura::File, 0, 0, file.string(), 1};
    indizio.Width = 204 * 12, indizio.Height = 154 * 12;
    auto& credito = t.p.c.f.Image1[kImmagineCredito];
    credito.Top = indizio.Top + indizio.Height - credito.Height - 4;
    credito.Left = indizio.Left + indizio.Width - credito.Width - 4;
    const QImage img = t.Dipinta();

    const QRect figura(622, 29, 200, 150);  // inside the 2-pixel border at (620, 27)
    EXPECT_EQ(img.pixelColor(figura.topLeft()), QColor(0, 160, 0));
    EXPECT_EQ(img.pixelColor(figura.left() + 150, figura.top() + 20), QColor(0, 160, 0));
    EXPECT_NE(img.pixelColor(figura.right() + 2, figura.top() + 20), QColor(0, 160, 0)) << "the border";
    const QRect striscia(qRound(credito.Left / 12), qRound(credito.Top / 12), 80, 12);
    EXPECT_GT(Scuri(img, striscia, 110), 10) << "the credit text";
    EXPECT_GT(Conta(img, striscia, QColor(230, 240, 230), 30), 300) << "the strip's light background";
}

TEST(Finestra, UnClicSullaListaCaricaLoSchemaScelto) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    auto altra = kTavola;
    for (char n : {'1', '2', '3'}) {
        altra[0][0] = static_cast<char>('X' + n - '1');
        t.p.cartella.Scrivi(std::string("schemi/schema_n_00") + n + ".txt",
                            test::TestoSchema(altra, "", "000 00000", {}));
    }
    t.w->azioni()[6]->trigger();  // Carica schema
    const auto& l = t.p.c.f.File1;
    ASSERT_EQ(l.names.size(), 3u);
    // The second row holds schema_n_002.txt, whose board begins with Y.
    const double riga = qt::AltezzaVoceFile(t.w->scala());
    Clic(t.w->area(),
         QPoint(qRound(l.Left / 12) + 20, qRound(l.Top / 12) + 2 + static_cast<int>(riga * 1.5)));
    EXPECT_EQ(t.p.c.m.Griglia[0], 'Y' - 64);
    EXPECT_FALSE(t.p.c.f.File1.Visible);
    EXPECT_EQ(t.w->azioni()[6]->text(), QStringLiteral("Carica schema"));
}

TEST(Finestra, UnErroreNellEventoNonBloccaLaFinestra) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    QString mostrato;
    QTimer::singleShot(20, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            mostrato = box->text();
            box->accept();
        }
    });
    // A generation that fails half-way must not leave the window busy for good.
    t.w->Esegui([](Contesto& c) {
        c.m.Occupato = 1;
        throw std::runtime_error("disco pieno");
    });
    EXPECT_TRUE(mostrato.contains(QStringLiteral("disco pieno")));
    Clic(t.w->area(), RettCella(40).center());
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 1);
}

TEST(Stampa, PaginaPdfDisegnataNonFotografata) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA", "SOLE"});
    const auto pdf = QString::fromStdString((t.p.cartella.percorso() / "stampa.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    ASSERT_TRUE(t.w->Stampa(printer));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    // Letters are text and tiles are shapes, so the page is sharp at any size: no picture of the screen.
    EXPECT_TRUE(dati.contains("/Font"));
    EXPECT_FALSE(dati.contains("/Subtype /Image"));
    // The window is wider than tall: the A4 page is turned, with margins all round.
    EXPECT_TRUE(dati.contains("/MediaBox [0 0 842")) << dati.mid(dati.indexOf("/MediaBox"), 40).toStdString();
    const QMarginsF margini = printer.pageLayout().margins(QPageLayout::Millimeter);
    for (double m : {margini.left(), margini.top(), margini.right(), margini.bottom()})
        EXPECT_GE(m, qt::FinestraTramelo::kMarginePagina - 0.5);

    // On the printable part the window fills the width and is centred: as much blank above as below.
    const QRectF pagina = printer.pageLayout().paintRect(QPageLayout::Point);
    QImage foglio(pagina.size().toSize(), QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter p(&foglio);
    t.w->DisegnaSuPagina(p, QRectF(QPointF(0, 0), pagina.size()));
    p.end();
    QRect disegnato;
    for (int y = 0; y < foglio.height(); ++y)
        for (int x = 0; x < foglio.width(); ++x)
            if (foglio.pixel(x, y) != qRgb(255, 255, 255)) disegnato |= QRect(x, y, 1, 1);
    EXPECT_LE(disegnato.left(), 1);
    EXPECT_GE(disegnato.right(), foglio.width() - 2);
    EXPECT_NEAR(disegnato.top(), foglio.height() - 1 - disegnato.bottom(), 2);
    EXPECT_GT(disegnato.top(), 20) << "scaled to the width, so blank above and below";
}
