// The library list over the board: whole rows, a scroll bar when the entries are more, the wheel, and the
// keys that move its current entry and choose it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "FalsaPiattaforma.h"
#include "app/qt/FinestraTramelo.h"
#include "files/Libreria.h"

using namespace tramelo;

namespace {

constexpr int kCarica = 6, kCancella = 7;  // the menu entries Carica schema and Cancella schema

// A window over a library of `quanti` saved puzzles, each with its own number as its solution, and the
// list opened by one of the two library commands.
struct ListaAperta {
    test::Partita p;
    qt::ImmaginiQt immagini;
    qt::FinestraTramelo w{p.c, immagini};

    explicit ListaAperta(int quanti, int comando = kCarica) {
        p.Carica(test::kTavolaCasa, {"CASA"});
        for (int n = 1; n <= quanti; ++n)
            p.cartella.Scrivi("schemi/" + NomeSchema::Di(n),
                              test::TestoSchema(test::kTavolaCasa, std::to_string(n), "000 00000", {"CASA"}));
        w.Aggiorna();
        w.azioni()[comando]->trigger();
    }
    const ListaFile& Lista() const { return p.c.f.File1; }
    qt::GeometriaListaFile Geometria() const { return qt::GeometriaLista(p.c.f, w.scala()); }
    void Tasti(const std::vector<Qt::Key>& tasti) {
        for (auto t : tasti) QTest::keyClick(w.area(), t);
    }
    void Clic(QPointF punto) { QTest::mouseClick(w.area(), Qt::LeftButton, {}, punto.toPoint()); }
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
    QImage Dipinta() { return w.area()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// How many pixels of a rectangle are darker than mid grey.
int Scuri(const QImage& img, const QRectF& r) {
    int n = 0;
    for (int y = qCeil(r.top()); y < qFloor(r.bottom()); ++y)
        for (int x = qCeil(r.left()); x < qFloor(r.right()); ++x) n += qGray(img.pixel(x, y)) < 100;
    return n;
}

}  // namespace

// 30 entries: the keys from a list just opened, the entry they make current and the first entry shown
// (R rows show at a time; a page moves R - 1 rows). Nothing is loaded and the list stays open.
TEST(ListaFile, TastiCheMuovonoLaVoceCorrente) {
    const int r = ListaAperta(30).Geometria().righe;
    ASSERT_GE(r, 4);
    const std::tuple<const char*, std::vector<Qt::Key>, int, int> casi[] = {
        // clang-format off
        {"giù senza voce corrente: la prima riga mostrata", {Qt::Key_Down}, 0, 0},
        {"giù tre volte", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 2, 0},
        {"su dalla prima: resta la prima", {Qt::Key_Down, Qt::Key_Up}, 0, 0},
        {"pagina giù: l'ultima riga mostrata", {Qt::Key_Down, Qt::Key_PageDown}, r - 1, 0},
        {"pagina giù due volte: scorre", {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_PageDown}, 2 * r - 2, r - 1},
        {"fine: l'ultima, in fondo", {Qt::Key_End}, 29, 30 - r},
        {"giù dall'ultima: resta l'ultima", {Qt::Key_End, Qt::Key_Down}, 29, 30 - r},
        {"fine, pagina su: la prima riga mostrata", {Qt::Key_End, Qt::Key_PageUp}, 30 - r, 30 - r},
        {"fine, inizio", {Qt::Key_End, Qt::Key_Home}, 0, 0},
        {"su senza voce corrente: la prima riga mostrata", {Qt::Key_Up}, 0, 0},
        // clang-format on
    };
    for (const auto& [nome, tasti, corrente, prima] : casi) {
        ListaAperta t(30);
        const std::string schema = t.p.cartella.Leggi("schemi/schema.txt");
        t.Tasti(tasti);
        EXPECT_EQ(t.Lista().ListIndex, corrente) << nome;
        EXPECT_EQ(t.Geometria().prima, prima) << nome;
        EXPECT_TRUE(t.Lista().Visible) << nome;
        EXPECT_EQ(t.p.cartella.Leggi("schemi/schema.txt"), schema) << nome;
    }
}

// Return chooses the current entry as a click does: it loads it, or deletes it and the list stays open;
// without a current entry it does nothing. Esc keeps its meaning on the board.
TEST(ListaFile, InvioComeUnClicEscSullaTavola) {
    const std::tuple<const char*, int, std::vector<Qt::Key>, const char*, bool, int> casi[] = {
        // name, command, keys, the solution then in play, whether the list is open, the entries left
        // clang-format off
        {"carica la terza", kCarica, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "3", false, 5},
        {"carica l'ultima con Invio del tastierino", kCarica, {Qt::Key_End, Qt::Key_Enter}, "5", false, 5},
        {"cancella la seconda", kCancella, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "", true, 4},
        {"senza voce corrente: niente", kCarica, {Qt::Key_Return}, "", true, 5},
        // clang-format on
    };
    for (const auto& [nome, comando, tasti, soluzione, aperta, restano] : casi) {
        ListaAperta t(5, comando);
        t.Tasti(tasti);
        EXPECT_EQ(t.p.c.m.SoluzioneSchema, soluzione) << nome;
        EXPECT_EQ(t.Lista().Visible, aperta) << nome;
        EXPECT_EQ(int(test::Istantanea(t.p.cartella.percorso() / "schemi").size()) - 1, restano) << nome;
    }
    ListaAperta t(5, kCancella);
    QTest::mouseClick(t.w.area(), Qt::LeftButton, {}, QPoint(40, 32));  // cell 0
    ASSERT_EQ(t.p.c.f.Image1[0].BorderStyle, 1);
    t.Tasti({Qt::Key_Escape});
    EXPECT_EQ(t.p.c.f.Image1[0].BorderStyle, 0) << "Esc clears the board's selection";
    EXPECT_TRUE(t.Lista().Visible) << "and leaves the list open";
}

// Only whole rows show; a scroll bar shows when the entries are more than the rows, and the wheel, its
// arrows, its track and its thumb scroll the list; a click on a row chooses the entry shown there.
TEST(ListaFile, RigheIntereBarraERotella) {
    {
        ListaAperta t(5);
        const auto g = t.Geometria();
        EXPECT_FALSE(g.barra) << "five entries need no scroll bar";
        EXPECT_EQ(g.voci.right(), g.controllo.right() - 2) << "the rows take the whole width";
    }
    ListaAperta t(30);
    const auto g = t.Geometria();
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
    EXPECT_EQ(img.pixelColor(g.cursore.center().toPoint()), QColor(192, 192, 192)) << "its thumb";

    const int r = g.righe, ultimaPrima = 30 - r;
    const std::tuple<const char*, std::function<void()>, int> casi[] = {
        // name, what the player does, the first entry shown after it
        // clang-format off
        {"una tacca della rotella in giù: tre righe", [&] { t.Rotella(g.voci.center(), -120); }, 3},
        {"mezza tacca più mezza tacca", [&] { t.Rotella(g.voci.center(), -60), t.Rotella(g.voci.center(), -60); }, 6},
        {"dieci tacche in su: in cima", [&] { t.Rotella(g.voci.center(), 1200); }, 0},
        {"freccia giù", [&] { t.Clic(t.Geometria().frecciaGiu.center()); }, 1},
        {"freccia su", [&] { t.Clic(t.Geometria().frecciaSu.center()); }, 0},
        {"binario sotto il cursore: una pagina", [&] { t.Clic(t.Geometria().binario.bottomLeft() + QPointF(3, -3)); }, r - 1},
        {"cursore trascinato in fondo", [&] { t.Trascina(t.Geometria().cursore.center(), g.controllo.bottomRight() + QPointF(0, 50)); }, ultimaPrima},
        {"la rotella fuori dalla lista non la muove", [&] { t.Rotella(QPointF(40, 32), 120); }, ultimaPrima},
        // clang-format on
    };
    for (const auto& [nome, azione, prima] : casi) {
        azione();
        EXPECT_EQ(t.Geometria().prima, prima) << nome;
    }
    // A click on the third row shown loads the entry shown there.
    t.Clic(t.Geometria().voci.topLeft() + QPointF(10, 2.5 * g.altezzaVoce));
    EXPECT_EQ(t.p.c.m.SoluzioneSchema, std::to_string(ultimaPrima + 3));
    EXPECT_FALSE(t.Lista().Visible);
}
