// The Qt platform: message boxes in UTF-8 with exactly their buttons and answers; pictures decoded from
// their bytes, the shipped ones included.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <bitset>

#include "FalsaPiattaforma.h"
#include "app/qt/FinestraTramelo.h"
#include "app/qt/ImmaginiQt.h"
#include "app/qt/PiattaformaQt.h"
#include "files/Dizionario.h"

using namespace tramelo;

TEST(Messaggi, TestoPulsantiERisposta) {
    // Text, buttons, the button pressed (none: the box is closed from its title bar), what the box shows (its
    // title, text and buttons) and the answer.
    const std::tuple<const char*, Pulsanti, const char*, QString, int> casi[] = {
        // clang-format off
        {"più schemi in /home/giò", Pulsanti::Ok, "OK", "Tramelo|più schemi in /home/giò|OK", 1},
        {"salvato:\rschema_n_004.txt", Pulsanti::OkAnnulla, "OK", "Tramelo|salvato:\nschema_n_004.txt|OK Annulla", 1},
        {"domanda", Pulsanti::OkAnnulla, "Annulla", "Tramelo|domanda|OK Annulla", 2},
        {"domanda", Pulsanti::OkAnnulla, nullptr, "Tramelo|domanda|OK Annulla", 2},
        // clang-format on
    };
    for (const auto& [testo, tipo, premuto, atteso, risposta] : casi) {
        auto box = qt::CreaMessaggio(testo, tipo);
        QStringList pulsanti;
        for (auto* b : box->buttons()) pulsanti << b->text();
        EXPECT_EQ(box->windowTitle() + "|" + box->text() + "|" + pulsanti.join(' '), atteso);
        box->show();
        for (auto* b : box->buttons())
            if (premuto != nullptr && b->text() == QLatin1String(premuto)) b->click();
        box->close();
        EXPECT_EQ(qt::Risposta(*box), risposta) << testo;
    }
}

// A message shown before the game window (at start-up) is centred on the free part of the screen; once the
// window shows, over the window.
TEST(Messaggi, PrimaDellaFinestraAlCentroDelloSchermo) {
    test::Partita p;
    qt::ImmaginiQt immagini;
    qt::PiattaformaQt piattaforma(immagini);
    qt::FinestraTramelo finestra(p.c, immagini);
    piattaforma.ImpostaFinestra(&finestra);
    finestra.Aggiorna();
    const auto scarto = [&](QPoint centro) {  // from the centre of a message's box to `centro`
        QPoint c(-1000, -1000);
        QTimer::singleShot(20, [&] {
            if (auto* box = QApplication::activeModalWidget())
                c = box->frameGeometry().center(), box->close();
        });
        piattaforma.MsgBox("schema mancante", Pulsanti::Ok);
        return (c - centro).manhattanLength();
    };
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(scarto(schermo.center()), 20) << "before the window shows";
    finestra.move(schermo.topLeft() + QPoint(10, 10));
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    EXPECT_LE(scarto(finestra.frameGeometry().center()), 20) << "over the window";
}

// The working file need not exist (a folder the player cannot write): pictures are decoded from the bytes,
// and each load keeps the picture of that load.
TEST(Immagini, OgniCaricamentoMostraLaFiguraDiQuelCaricamento) {
    const std::string file = "/non/esiste/FileTemp.jpg";
    // A 2 x 1 picture of one colour, as the bytes of a PPM file.
    auto byte = [](char r, char g, char b) { return "P6 2 1 255\n" + std::string{r, g, b, r, g, b}; };
    qt::ImmaginiQt immagini;
    auto colore = [&](int versione) {
        return immagini.Immagine(Figura{TipoFigura::File, 0, 0, file, versione}).pixelColor(0, 0);
    };
    const auto d = immagini.Carica(file, byte('\xFF', 0, 0));
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(QSize(d->larghezza, d->altezza), QSize(2, 1));
    EXPECT_EQ(colore(1), QColor(Qt::red));
    ASSERT_TRUE(immagini.Carica(file, byte(0, 0, '\xFF')).has_value());
    EXPECT_EQ(colore(1), QColor(Qt::red)) << "a load already shown";
    EXPECT_EQ(colore(2), QColor(Qt::blue)) << "a new load";
    EXPECT_FALSE(immagini.Carica(file, "non una figura").has_value());
    EXPECT_EQ(colore(2), QColor(Qt::blue)) << "after bytes that are no picture";
}

// Difference hash of the grey picture at 16 x 16 cells, across and down: a bit is set where the next cell is
// brighter by more than a few grey levels. Plain pale backgrounds set no bits; two pictures that differ only
// by colour, or by a beard or a hairstyle, set nearly the same ones.
std::bitset<512> Impronta(const QImage& figura) {
    const QImage grigia = figura.convertToFormat(QImage::Format_Grayscale8);
    const QImage a = grigia.scaled(17, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = grigia.scaled(16, 17, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::bitset<512> h;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            h[y * 16 + x] = a.constScanLine(y)[x] + 4 < a.constScanLine(y)[x + 1];
            h[256 + y * 16 + x] = b.constScanLine(y)[x] + 4 < b.constScanLine(y + 1)[x];
        }
    return h;
}

// Every shipped picture decodes at its place in the picture store at the clue's size, and no two look so
// alike that a player could not tell which caption is meant. Variants of one drawing (LIBRO BLU and LIBRO
// VERDE, MAGA and MAGO) differ by 0 to 10 bits, the closest distinct pictures (NOVE and ZERO) by 13. That the
// store holds exactly the catalogue's pictures, DatiSpediti.LeImmagini checks.
TEST(ImmaginiSpedite, OgniFiguraSiDecodificaAlSuoPostoENessunaNeSembraUnAltra) {
    Catalogo catalogo;
    ASSERT_TRUE(LeggiCatalogo(TRAMELO_DATA_DIR "/Immagini.txt", catalogo));
    const std::string byte = test::LeggiTutto(TRAMELO_DATA_DIR "/Immagini.jpg");
    std::size_t inizio = 0;
    std::vector<std::pair<std::string_view, std::bitset<512>>> figure;
    for (const auto& voce : catalogo.voci) {
        ASSERT_LE(inizio + std::size_t(voce.lunghezza), byte.size()) << voce.nome;
        const QImage figura = QImage::fromData(QByteArray::fromRawData(byte.data() + inizio, voce.lunghezza));
        EXPECT_EQ(figura.size(), QSize(259, 194)) << voce.nome;
        const auto h = Impronta(figura);
        for (const auto& [altro, impronta] : figure)
            EXPECT_GT((impronta ^ h).count(), 10u) << "look-alikes: " << altro << " / " << voce.nome;
        figure.emplace_back(voce.nome, h);
        inizio += std::size_t(voce.lunghezza);
    }
}
