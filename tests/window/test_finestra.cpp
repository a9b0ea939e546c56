// The game window: what it paints from the model, where clicks land, what a failing event and printing do,
// and the library list over the board (whole rows, a scroll bar, the wheel, the keys).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/qt/FinestraTramelo.h"
#include "files/Libreria.h"

using namespace tramelo;

namespace {

// ROMA and KQWX lie on the first row, and on every other.
const std::vector<std::string> kTavola(10, "ROMAKQWXYZJHGFDBNV");
const QColor qBianco(255, 255, 255), qNero(0, 0, 0), qGrigio(192, 192, 192), qTeal(0, 64, 64);
constexpr int kIstruzioni = 3, kCarica = 6, kCancella = 7;  // menu entries, left to right

// A rectangle of the model in pixels, at the test platform's 12 twips a pixel: a control's, and cell k's
// as its tile lies at design time.
const auto Pixel = [](float left, float top, float width, float height) {
    return QRect(qRound(left / 12), qRound(top / 12), qRound(width / 12), qRound(height / 12));
};
const auto Rett = [](const auto& c) { return Pixel(c.Left, c.Top, c.Width, c.Height); };
const auto Cella = [](int k) { return Pixel(SinistraCella(k), AltoCella(k), kLatoCella, kLatoCella); };
// One pixel of cell k's ground clear of its letter, its middle pixel, and the middle part its letter is on.
const auto Fondo = [](int k) { return QRect(Cella(k).topLeft() + QPoint(5, 5), QSize(1, 1)); };
const auto Mezzo = [](int k) { return QRect(Cella(k).center(), QSize(1, 1)); };
const auto Lettera = [](int k) { return Cella(k).adjusted(6, 6, -6, -6); };

// A window over a puzzle, its library holding `salvati` saved puzzles, each with its own number as its
// solution, and one more named `altro` when given.
struct Prova {
    test::Partita p;
    qt::ImmaginiQt immagini;
    qt::FinestraTramelo w{p.c, immagini};

    explicit Prova(int salvati = 0, const std::string& altro = "") {
        p.Carica(kTavola, {"ROMA", "KQWX"});
        for (int n = 1; n <= salvati; ++n)
            p.cartella.Scrivi("schemi/" + NomeSchema::Di(n),
                              test::TestoSchema(test::kTavolaCasa, std::to_string(n), "000 00000", {"CASA"}));
        if (!altro.empty()) p.cartella.Scrivi("schemi/" + altro, "x");
        w.Aggiorna();
    }
    QImage Dipinta() { return w.area()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void Clic(QPointF punto) { QTest::mouseClick(w.area(), Qt::LeftButton, {}, punto.toPoint()); }
    qt::GeometriaListaFile Lista() const { return qt::GeometriaLista(p.c.f, w.scala()); }
    void Rotella(QPointF punto, int gradiOttavi) {
        QWheelEvent e(punto, w.area()->mapToGlobal(punto), {}, {0, gradiOttavi}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.area(), &e);
    }
    void Trascina(QPointF da, QPointF a) {
        QTest::mousePress(w.area(), Qt::LeftButton, {}, da.toPoint());
        QMouseEvent muovi(QEvent::MouseMove, a, w.area()->mapToGlobal(a), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(w.area(), &muovi);
        QTest::mouseRelease(w.area(), Qt::LeftButton, {}, a.toPoint());
    }
};

// The same with the library list opened by one of the two library commands.
struct ListaAperta : Prova {
    explicit ListaAperta(int salvati, int comando = kCarica) : Prova(salvati) {
        w.azioni()[comando]->trigger();
    }
};

// How many pixels wholly inside a rectangle are within `tolleranza` of a colour on every channel.
int Conta(const QImage& img, const QRectF& r, const QColor& c, int tolleranza) {
    int n = 0;
    for (int y = qCeil(r.top()); y < qFloor(r.bottom()); ++y)
        for (int x = qCeil(r.left()); x < qFloor(r.right()); ++x) {
            const QColor q = img.pixelColor(x, y);
            n += std::abs(q.red() - c.red()) <= tolleranza && std::abs(q.green() - c.green()) <= tolleranza &&
                 std::abs(q.blue() - c.blue()) <= tolleranza;
        }
    return n;
}
const auto Scuri = [](const QImage& img, const QRectF& r) { return Conta(img, r, qNero, 99); };

// What a region of the painted window shows: at least `almeno` and at most `alPiu` of its pixels within
// `tolleranza` of `colore` on every channel. Text is anti-aliased, so its ink is counted loosely: a tile's
// letter has at least 16 pixels within 90 of black, a word at least 11.
struct Attesa {
    const char* cosa;
    QRect dove;
    QColor colore;
    int tolleranza = 0, almeno = 1, alPiu = 1 << 30;
};

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
    const float m = kLatoCella / 2;  // a strike line from the middle of cell 76 to the middle of cell 80
    f.Line1[5] = {SinistraCella(76) + m, AltoCella(76) + m, SinistraCella(80) + m, AltoCella(80) + m, true};
    f.Ring(3).Visible = true;
    f.Ring(3).Left = f.Image1[100].Left, f.Ring(3).Top = f.Image1[100].Top;
    f.Label1[1].Caption = "LA CASA SULLA COLLINA DEL VENTO";
    // The picture clue as a load leaves it in a holder of the default size: the picture fills it inside its
    // 2-pixel border, the credit strip over its top rows at the top left corner.
    const auto file = (t.p.cartella.percorso() / "FileTemp.jpg").string();
    QImage verde(259, 194, QImage::Format_RGB32);
    verde.fill(QColor(0, 160, 0));
    ASSERT_TRUE(verde.save(QString::fromStdString(file), "PNG"));
    f.Image1[kImmagineIndizio].Picture = Figura{TipoFigura::File, 0, 0, file, 1};
    const QImage img = t.Dipinta();
    const QPoint figura = Rett(f.Image1[kImmagineIndizio]).topLeft() + QPoint(2, 2 + 16);
    EXPECT_EQ(img.copy(QRect(figura, QSize(259, 178))), verde.copy(0, 16, 259, 178)) << "the picture";

    // A found tile's light grey and a ring that shows at all, the run of the real game under X checks.
    const QRect frase(0, 0, img.width(), Rett(f.Label1[1]).bottom() + 5);  // the top strip the phrase is on
    const Attesa attese[] = {
        {"tile: white ground", Fondo(40), qBianco},
        {"tile: dark letter", Lettera(40), qNero, 90, 16},
        {"selected: grey ground", Fondo(41), QColor(128, 128, 128)},
        {"selected: white letter", Lettera(41), qBianco, 15, 16},
        {"found: dark letter", Lettera(42), qNero, 90, 16},
        {"hidden: the window's grey", Fondo(43), qGrigio},
        {"hidden: no letter", Lettera(43), qNero, 90, 0, 15},
        {"word to find: black", Rett(f.Label2[0]), qNero, 90, 11},
        {"found word: nothing dark", Rett(f.Label2[1]), qNero, 110, 0, 0},
        {"found word: grey", Rett(f.Label2[1]), QColor(144, 144, 144), 30, 11},
        {"PAROLE: dark teal", Rett(f.Label1[2]), qTeal, 20, 21},
        {"strike line: to the middle of its last cell", Mezzo(80), QColor(255, 128, 128)},
        {"strike line: not past it", Mezzo(81), QColor(255, 128, 128), 0, 0, 0},
        {"no ring on cell 101", Cella(101), QColor(255, 0, 0), 30, 0, 0},
        {"phrase: written", frase, qTeal, 20, 101},
        {"phrase: not cut at the right edge", frase.adjusted(img.width() - 3, 0, 0, 0), qTeal, 40, 0, 0},
        {"credits: text", Rett(f.Image1[kImmagineCredito]), qNero, 110, 11},
        {"credits: light strip", Rett(f.Image1[kImmagineCredito]), QColor(230, 240, 230), 30, 301},
    };
    for (const auto& a : attese) {
        const int n = Conta(img, a.dove, a.colore, a.tolleranza);
        EXPECT_TRUE(n >= a.almeno && n <= a.alPiu) << a.cosa << ": " << n;
    }
}

// The instructions panel lies over the board: a click on it hides it and selects nothing below.
TEST(Finestra, IstruzioniSopraLaTavola) {
    Prova t;
    QAction* istruzioni = t.w.azioni()[kIstruzioni];
    istruzioni->trigger();
    const QImage img = t.Dipinta();
    const QRect pannello = Rett(t.p.c.f.Image1[kImmagineIstruzioni]);
    EXPECT_GT(Conta(img, pannello, qBianco, 0), pannello.width() * pannello.height() / 2);
    EXPECT_GT(Conta(img, pannello.adjusted(2, 2, 0, 27 - pannello.height()), qTeal, 30), 20) << "its title";
    t.Clic(Cella(40).center());
    EXPECT_EQ(istruzioni->text(), QStringLiteral("Istruzioni"));
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 0);
}

// An event that throws half-way is reported and does not leave the window busy for good: a click still
// selects. (Esc reaching the board, ListaFile.InvioComeUnClicEscSullaTavola checks.)
TEST(Finestra, UnErroreNellEventoNonBloccaLaFinestra) {
    Prova t;
    QString mostrato;
    QTimer::singleShot(20, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) mostrato = box->text(), box->accept();
    });
    t.w.Esegui([](Contesto& c) { c.m.Occupato = 1, throw std::runtime_error("disco pieno"); });
    EXPECT_TRUE(mostrato.contains(QStringLiteral("disco pieno")));
    t.Clic(Cella(40).center());
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 1);
}

TEST(Stampa, PaginaPdfDisegnataNonFotografata) {
    Prova t;
    const auto pdf = (t.p.cartella.percorso() / "stampa.pdf").string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(t.w.Stampa(printer));
    const QByteArray dati = QByteArray::fromStdString(test::LeggiTutto(pdf));
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

// The list's keys move the current entry (where each lands is the model's test, Libreria.TastiDellaLista)
// and Return chooses it as a click does: it loads it, or deletes it and the list stays open; without a
// current entry it does nothing. Esc keeps its meaning on the board.
TEST(ListaFile, InvioComeUnClicEscSullaTavola) {
    const std::tuple<const char*, int, std::vector<Qt::Key>, std::string, bool, int> casi[] = {
        // name, command, keys, the solution then in play, whether the list is open, the entries left
        // clang-format off
        {"carica la terza", kCarica, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "3", false, 5},
        {"carica l'ultima con Invio del tastierino", kCarica, {Qt::Key_End, Qt::Key_Enter}, "5", false, 5},
        {"giù, pagina giù: l'ultima mostrata", kCarica, {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Return}, "5", false, 5},
        {"fine, pagina su, giù: la seconda", kCarica, {Qt::Key_End, Qt::Key_PageUp, Qt::Key_Down, Qt::Key_Return}, "2", false, 5},
        {"fine, su: la quarta", kCarica, {Qt::Key_End, Qt::Key_Up, Qt::Key_Return}, "4", false, 5},
        {"fine, inizio: la prima", kCarica, {Qt::Key_End, Qt::Key_Home, Qt::Key_Return}, "1", false, 5},
        {"cancella la seconda", kCancella, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "", true, 4},
        {"senza voce corrente: niente", kCarica, {Qt::Key_Return}, "", true, 5},
        // clang-format on
    };
    for (const auto& [nome, comando, tasti, soluzione, aperta, restano] : casi) {
        ListaAperta t(5, comando);
        for (auto tasto : tasti) QTest::keyClick(t.w.area(), tasto);
        const int voci = int(test::Istantanea(t.p.cartella.percorso() / "schemi").size()) - 1;
        EXPECT_EQ(std::tuple(t.p.c.m.SoluzioneSchema, t.p.c.f.File1.Visible, voci),
                  std::tuple(soluzione, aperta, restano))
            << nome;
    }
    ListaAperta t(5, kCancella);
    t.Clic(Cella(0).center());
    ASSERT_EQ(t.p.c.f.Image1[0].BorderStyle, 1);
    QTest::keyClick(t.w.area(), Qt::Key_Escape);
    EXPECT_TRUE(t.p.c.f.Image1[0].BorderStyle == 0 && t.p.c.f.File1.Visible)
        << "Esc clears the board's selection and leaves the list open";
}

// Only whole rows show; a scroll bar shows when the entries are more than the rows, and the wheel, its
// arrows, its track and its thumb scroll the list; a click on a row chooses the entry shown there.
TEST(ListaFile, RigheIntereBarraERotella) {
    const auto cinque = ListaAperta(5).Lista();
    EXPECT_TRUE(!cinque.barra && cinque.voci.right() == cinque.controllo.right() - 2)
        << "five entries need no scroll bar, and the rows take the whole width";
    ListaAperta t(30);
    const auto g = t.Lista();
    ASSERT_TRUE(g.barra);
    const QImage img = t.Dipinta();
    const QRectF ultima(g.voci.left(), g.voci.bottom() - g.altezzaVoce, g.voci.width(), g.altezzaVoce);
    // Below the whole rows that fit inside the 2-pixel border, the rest of the list is blank.
    const QRectF interno = g.controllo.adjusted(2, 2, -2, -2);
    const double intere = std::floor(interno.height() / g.altezzaVoce) * g.altezzaVoce;
    const QRectF sotto(g.voci.left(), interno.top() + intere, g.voci.width(), interno.height() - intere);
    EXPECT_GT(Scuri(img, ultima), 20) << "the last row shown is written";
    EXPECT_EQ(Scuri(img, sotto), 0) << "nothing of a cut row below it";
    EXPECT_GT(Scuri(img, g.frecciaGiu), 3) << "the arrow of the scroll bar";
    EXPECT_EQ(img.pixelColor(g.binario.center().toPoint()), QColor(232, 232, 232)) << "its track";
    EXPECT_EQ(img.pixelColor(g.cursore.center().toPoint()), qGrigio) << "its thumb";

    const int r = g.righe, ultimaPrima = 30 - r;
    const std::tuple<const char*, std::function<void()>, int> casi[] = {
        // name, what the player does, the first entry shown after it
        // clang-format off
        {"una tacca della rotella in giù: tre righe", [&] { t.Rotella(g.voci.center(), -120); }, 3},
        {"mezza tacca più mezza tacca", [&] { t.Rotella(g.voci.center(), -60), t.Rotella(g.voci.center(), -60); }, 6},
        {"dieci tacche in su: in cima", [&] { t.Rotella(g.voci.center(), 1200); }, 0},
        {"freccia giù", [&] { t.Clic(t.Lista().frecciaGiu.center()); }, 1},
        {"freccia su", [&] { t.Clic(t.Lista().frecciaSu.center()); }, 0},
        {"binario sotto il cursore: una pagina", [&] { t.Clic(t.Lista().binario.bottomLeft() + QPointF(3, -3)); }, r - 1},
        {"cursore trascinato in fondo", [&] { t.Trascina(t.Lista().cursore.center(), g.controllo.bottomRight() + QPointF(0, 50)); }, ultimaPrima},
        {"la rotella fuori dalla lista non la muove", [&] { t.Rotella(Cella(0).center(), 120); }, ultimaPrima},
        // clang-format on
    };
    for (const auto& [nome, azione, prima] : casi) {
        azione();
        EXPECT_EQ(t.Lista().prima, prima) << nome;
    }
    // A click on the third row shown loads the entry shown there.
    t.Clic(t.Lista().voci.topLeft() + QPointF(10, 2.5 * g.altezzaVoce));
    EXPECT_EQ(t.p.c.m.SoluzioneSchema, std::to_string(ultimaPrima + 3));
    EXPECT_FALSE(t.p.c.f.File1.Visible);
}

// A name is drawn as the file system spells it (UTF-8): "é" is one letter, narrower than "ee"; its two bytes
// read one by one would draw the two letters "Ã©", about as wide as "ee".
TEST(ListaFile, NomiComeLiScriveIlFileSystem) {
    const auto fine = [](const char* nome) {  // the last column of the rows holding dark ink, from their left
        Prova t(0, nome);
        t.w.azioni()[kCarica]->trigger();
        const QImage img = t.Dipinta();
        const QRectF v = t.Lista().voci;
        for (int x = qFloor(v.right()) - 1; x > v.left(); --x)
            if (Scuri(img, QRectF(x, v.top(), 1, v.height())) > 0) return x - qCeil(v.left());
        return -1;
    };
    ASSERT_GT(fine("schema_n_ee1.txt"), 20) << "il nome non è disegnato";
    EXPECT_LT(fine("schema_n_é1.txt"), fine("schema_n_ee1.txt") - 3);
}
