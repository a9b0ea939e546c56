// The game window: what it paints from the model, and the clicks, keys and menu commands it forwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <functional>
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
const QColor qGrigioMedio(128, 128, 128);
const QColor qGrigioTrovata(214, 214, 214);
const QColor qSfondo(192, 192, 192);
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

void Tasto(QWidget* w, int tasto, const QString& testo) {
    QKeyEvent e(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(w, &e);
}

QRect Rett(const Etichetta& e) {
    return QRect(qRound(e.Left / 12), qRound(e.Top / 12), qRound(e.Width / 12), qRound(e.Height / 12));
}

QPoint Centro(const Linea& l) {
    return QPoint(qRound((l.X1 + l.X2) / 24), qRound((l.Y1 + l.Y2) / 24));
}

}  // namespace

TEST(Finestra, TessereNeiLoroAspetti) {
    struct Caso {
        const char* nome;
        std::function<void(Immagine&)> prepara;
        QColor fondo;
        bool letteraScura, letteraBianca;
    } casi[] = {
        {"semplice: lettera scura su bianco", [](Immagine&) {}, qBianco, true, false},
        {"selezionata: lettera bianca su grigio",
         [](Immagine& i) { i.BorderStyle = 1, i.Picture = FiguraTessera(2, i.Picture.indice); }, qGrigioMedio,
         false, true},
        {"trovata: lettera scura su grigio chiaro",
         [](Immagine& i) { i.Picture = FiguraTessera(1, i.Picture.indice); }, qGrigioTrovata, true, false},
        {"cella nascosta: solo lo sfondo", [](Immagine& i) { i.Visible = false; }, qSfondo, false, false},
    };
    const int k = 2 * 18 + 5;
    for (const auto& caso : casi) {
        FinestraProva t;
        t.Carica(kTavola, {"ROMA"});
        caso.prepara(t.p.c.f.Image1[k]);
        const QImage img = t.Dipinta();
        const QRect r = RettCella(k);
        EXPECT_EQ(img.pixelColor(r.left() + 5, r.top() + 5), caso.fondo) << caso.nome;
        const QRect centro = r.adjusted(6, 6, -6, -6);
        EXPECT_EQ(Scuri(img, centro) > 15, caso.letteraScura) << caso.nome;
        if (caso.fondo != qBianco) {
            EXPECT_EQ(Conta(img, centro, qBianco, 15) > 15, caso.letteraBianca) << caso.nome;
        }
    }
}

TEST(Finestra, EtichetteEMenuMostranoIlModello) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA", "SOLE"});
    auto& f = t.p.c.f;
    f.Label2[1].Enabled = false;
    const QImage img = t.Dipinta();

    EXPECT_GT(Scuri(img, Rett(f.Label2[0])), 10) << "parola da trovare in nero";
    EXPECT_EQ(Scuri(img, Rett(f.Label2[1]), 110), 0) << "parola trovata in grigio";
    EXPECT_GT(Conta(img, Rett(f.Label2[1]), QColor(144, 144, 144), 30), 10) << "parola trovata in grigio";
    EXPECT_EQ(Conta(img, Rett(f.Label2[2]), qBianco, 0),
              Rett(f.Label2[2]).width() * Rett(f.Label2[2]).height())
        << "etichetta vuota: solo il fondo bianco";
    EXPECT_GT(Conta(img, Rett(f.Label1[2]), qTeal, 20), 20) << "PAROLE in verde scuro";

    QStringList testi;
    for (QAction* a : t.w->azioni()) testi << a->text();
    EXPECT_EQ(testi.join(u'|'), QStringLiteral("Ricomincia|Soluzione|Nuovo schema|Istruzioni|Stampa schema|"
                                               "Salva schema|Carica schema|Cancella schema"));
    EXPECT_EQ(t.w->windowTitle(), QStringLiteral("Tramelo"));
}

TEST(Finestra, SoluzioneLungaRestaTuttaNellaFinestra) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    t.p.c.f.Label1[1].Caption = "LA CASA SULLA COLLINA DEL VENTO";
    const QImage img = t.Dipinta();
    const int larghezza = img.width();
    // The phrase starts right of the board frame and is not cut at the window's right edge.
    EXPECT_GT(Conta(img, QRect(0, 0, larghezza, 30), qTeal, 20), 100);
    EXPECT_EQ(Conta(img, QRect(larghezza - 3, 0, 3, 30), qTeal, 40), 0);
}

TEST(Finestra, ClicETastiRaggiungonoGliEventi) {
    struct Caso {
        const char* nome;
        std::function<void(FinestraProva&)> azione;
        std::function<bool(const Form1&)> atteso;
    } casi[] = {
        {"clic su una cella la seleziona",
         [](FinestraProva& t) { Clic(t.w->area(), RettCella(40).center()); },
         [](const Form1& f) { return f.Image1[40].BorderStyle == 1 && f.Image1[40].Picture.lista == 2; }},
        {"Esc toglie la selezione",
         [](FinestraProva& t) {
             Clic(t.w->area(), RettCella(40).center());
             Tasto(t.w->area(), Qt::Key_Escape, QString(QChar(27)));
         },
         [](const Form1& f) { return f.Image1[40].BorderStyle == 0; }},
        {"clic sulle istruzioni le nasconde senza toccare la cella sotto",
         [](FinestraProva& t) {
             t.w->azioni()[3]->trigger();
             Clic(t.w->area(), RettCella(40).center());
         },
         [](const Form1& f) {
             return !f.Image1[kImmagineIstruzioni].Visible && f.mnuIstruzioni.Caption == "Istruzioni" &&
                    f.Image1[40].BorderStyle == 0;
         }},
        {"clic sul banner non fa nulla", [](FinestraProva& t) { Clic(t.w->area(), QPoint(720, 310)); },
         [](const Form1& f) {
             for (int k = 0; k < kCelle; ++k)
                 if (f.Image1[std::size_t(k)].BorderStyle != 0) return false;
             return true;
         }},
    };
    for (const auto& caso : casi) {
        FinestraProva t;
        t.Carica(kTavola, {"ROMA", "SOLE"});
        caso.azione(t);
        EXPECT_TRUE(caso.atteso(t.p.c.f)) << caso.nome;
    }
}

TEST(Finestra, IlMenuIstruzioniCambiaVoceEMostraIlPannello) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    QAction* istruzioni = t.w->azioni()[3];
    istruzioni->trigger();
    EXPECT_EQ(istruzioni->text(), QStringLiteral("Esci da Istruzioni"));
    // The white panel lies over the board, with its dark text.
    const QImage img = t.Dipinta();
    const QRect pannello(85, 25, 500, 250);
    EXPECT_GT(Conta(img, pannello, qBianco, 0), pannello.width() * pannello.height() / 2);
    EXPECT_GT(Conta(img, QRect(250, 22, 150, 25), qTeal, 30), 20) << "il titolo ISTRUZIONI";
    istruzioni->trigger();
    EXPECT_EQ(istruzioni->text(), QStringLiteral("Istruzioni"));
    EXPECT_EQ(t.Dipinta().pixelColor(RettCella(40).topLeft() + QPoint(5, 5)), qBianco);
}

TEST(Finestra, LineeEAnelliDelModelloDipinti) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    auto& f = t.p.c.f;
    // A strike line across cells 40..44 through their centres, and a ring on cell 100.
    f.Line1[5] = {288 + 384 * 4 + 192, 192 + 384 * 2 + 192, 288 + 384 * 8 + 192, 192 + 384 * 2 + 192, true};
    f.Ring(3).Visible = true;
    f.Ring(3).Left = f.Image1[100].Left, f.Ring(3).Top = f.Image1[100].Top;
    const QImage img = t.Dipinta();
    EXPECT_EQ(img.pixelColor(Centro(f.Line1[5])), qRossoChiaro);
    EXPECT_EQ(img.pixelColor(RettCella(44).center()), qRossoChiaro);
    EXPECT_NE(img.pixelColor(RettCella(45).center()), qRossoChiaro) << "la linea finisce sull'ultima cella";
    EXPECT_GT(Conta(img, RettCella(100), qRosso, 30), 40);
    EXPECT_EQ(Conta(img, RettCella(101), qRosso, 30), 0);
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
    auto& f = t.p.c.f;
    auto& indizio = f.Image1[kImmagineIndizio];
    indizio.Picture = Figura{TipoFigura::File, 0, 0, file.string(), 1};
    indizio.Width = 204 * 12, indizio.Height = 154 * 12;
    auto& credito = f.Image1[kImmagineCredito];
    credito.Top = indizio.Top + indizio.Height - credito.Height - 4;
    credito.Left = indizio.Left + indizio.Width - credito.Width - 4;
    const QImage img = t.Dipinta();

    const QRect figura(622, 29, 200, 150);  // inside the 2-pixel border at (620, 27)
    EXPECT_EQ(img.pixelColor(figura.topLeft()), QColor(0, 160, 0));
    EXPECT_EQ(img.pixelColor(figura.left() + 150, figura.top() + 20), QColor(0, 160, 0));
    EXPECT_NE(img.pixelColor(figura.right() + 2, figura.top() + 20), QColor(0, 160, 0)) << "il bordo";
    const QRect striscia(qRound(credito.Left / 12), qRound(credito.Top / 12), 80, 12);
    EXPECT_GT(Scuri(img, striscia, 110), 10) << "la scritta dei crediti";
    EXPECT_GT(Conta(img, striscia, QColor(230, 240, 230), 30), 300) << "il fondo chiaro della striscia";
}

TEST(Finestra, UnClicSullaListaCaricaLoSchemaScelto) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA"});
    auto altra = kTavola;
    for (char lettera : {'X', 'Y', 'Z'}) {
        altra[0][0] = lettera;
        t.p.cartella.Scrivi(std::string("schemi/schema_n_00") + char(lettera - 'X' + '1') + ".txt",
                            test::TestoSchema(altra, "", "000 00000", {"OMA"}));
    }
    t.w->azioni()[6]->trigger();  // Carica schema
    const auto& l = t.p.c.f.File1;
    ASSERT_TRUE(l.Visible);
    ASSERT_EQ(l.names.size(), 3u);
    const QRect lista(qRound(l.Left / 12), qRound(l.Top / 12), qRound(l.Width / 12), qRound(l.Height / 12));

    // The second row holds schema_n_002.txt, whose board begins with Y.
    const double riga = qt::AltezzaVoceFile(t.w->scala());
    Clic(t.w->area(), QPoint(lista.left() + 20, lista.top() + 2 + static_cast<int>(riga * 1.5)));
    EXPECT_EQ(t.p.c.f.File1.FileName, "schema_n_002.txt");
    EXPECT_EQ(t.p.c.m.Griglia[0], 'Y' - 64);
    EXPECT_FALSE(t.p.c.f.File1.Visible);
    EXPECT_EQ(t.w->azioni()[6]->text(), QStringLiteral("Carica schema"));
}

TEST(Finestra, DopoSoluzioneLoSchemaDistribuitoMostraLineeAnelliEFrase) {
    FinestraProva t;
    test::CopiaSchemaSpedito(t.p.cartella);
    t.p.Ricarica();
    t.w->Aggiorna();
    t.w->azioni()[1]->trigger();
    const auto& f = t.p.c.f;
    auto lettere = t.p.c.m.SoluzioneSchema;
    std::erase(lettere, ' ');
    ASSERT_FALSE(lettere.empty());
    ASSERT_EQ(f.Label1[1].Caption, t.p.c.m.SoluzioneSchema);
    const QImage img = t.Dipinta();

    int linee = 0;
    for (const auto& l : f.Line1) {
        if (!l.Visible) continue;
        ++linee;
        EXPECT_GT(Conta(img, QRect(Centro(l) - QPoint(2, 2), QSize(5, 5)), qRossoChiaro, 30), 2);
    }
    EXPECT_EQ(linee, t.p.c.m.NumParole);
    int anelli = 0;
    for (const auto& s : f.Shape1) {
        if (!s.Visible) continue;
        ++anelli;
        EXPECT_GT(Conta(img, QRect(qRound(s.Left / 12), qRound(s.Top / 12), 32, 32), qRosso, 30), 40);
    }
    EXPECT_EQ(anelli, static_cast<int>(lettere.size()));  // one ring a letter of the phrase
    EXPECT_GT(Conta(img, QRect(600, 0, img.width() - 600, 26), qTeal, 20), 100) << "la frase sopra la figura";
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
    EXPECT_EQ(t.p.c.m.Occupato, 0);
    Clic(t.w->area(), RettCella(40).center());
    EXPECT_EQ(t.p.c.f.Image1[40].BorderStyle, 1);
}

TEST(Stampa, PaginaPdfDisegnataNonFotografata) {
    FinestraProva t;
    t.Carica(kTavola, {"ROMA", "SOLE"});
    const auto pdf = t.p.cartella.percorso() / "stampa.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    ASSERT_TRUE(t.w->Stampa(printer));

    QFile file(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    EXPECT_GT(dati.size(), 2000);
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
