// The Qt platform: message boxes in Latin-1 with exactly their buttons and answers, decoded pictures.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "FalsaPiattaforma.h"
#include "app/qt/ImmaginiQt.h"
#include "app/qt/PiattaformaQt.h"

using namespace tramelo;
using namespace tramelo::qt;

namespace {

QStringList TestiPulsanti(const QMessageBox& box) {
    QStringList testi;
    for (const QAbstractButton* b : box.buttons()) testi << b->text();
    testi.sort();
    return testi;
}

// Clicks the button with that text.
std::function<void(QMessageBox&)> Premi(const char* testo) {
    return [testo](QMessageBox& b) {
        for (auto* p : b.buttons())
            if (p->text() == QString::fromLatin1(testo)) p->click();
    };
}

}  // namespace

TEST(Messaggi, TestoInLatin1TitoloEPulsanti) {
    auto box = CreaMessaggio("non vi sono pi\xF9 schemi da cancellare...", tramelo::Pulsanti::Ok);
    EXPECT_EQ(box->text(), QStringLiteral("non vi sono più schemi da cancellare..."));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Tramelo"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(TestiPulsanti(*box), QStringList{QStringLiteral("OK")});

    auto domanda = CreaMessaggio("Schema salvato come:\rschema_n_004.txt", tramelo::Pulsanti::OkAnnulla);
    EXPECT_EQ(domanda->text(), QStringLiteral("Schema salvato come:\nschema_n_004.txt"));
    EXPECT_EQ(TestiPulsanti(*domanda), (QStringList{QStringLiteral("Annulla"), QStringLiteral("OK")}));
}

TEST(Messaggi, RispostaSecondoIlPulsante) {
    struct Caso {
        const char* nome;
        tramelo::Pulsanti pulsanti;
        std::function<void(QMessageBox&)> chiudi;
        int risposta;
    } casi[] = {
        {"solo OK, premuto OK", tramelo::Pulsanti::Ok, Premi("OK"), 1},
        {"OK e Annulla, premuto OK", tramelo::Pulsanti::OkAnnulla, Premi("OK"), 1},
        {"OK e Annulla, premuto Annulla", tramelo::Pulsanti::OkAnnulla, Premi("Annulla"), 2},
        {"OK e Annulla, chiuso con la finestra", tramelo::Pulsanti::OkAnnulla,
         [](QMessageBox& b) { b.close(); }, 2},
    };
    for (const auto& caso : casi) {
        ImmaginiQt immagini;
        PiattaformaQt piattaforma(immagini);
        bool chiuso = false;
        // The box is modal: answer it from the event loop it runs.
        std::function<void()> rispondi = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return void(QTimer::singleShot(10, rispondi));
            caso.chiudi(*box);
            chiuso = true;
        };
        QTimer::singleShot(10, rispondi);
        EXPECT_EQ(piattaforma.MsgBox("domanda", caso.pulsanti), caso.risposta) << caso.nome;
        EXPECT_TRUE(chiuso) << caso.nome;
    }
}

// Pictures are decoded from their bytes: the working file need not exist (a folder the player cannot
// write), and each load keeps the picture of that load.
TEST(Immagini, OgniCaricamentoMostraLaFiguraDiQuelCaricamento) {
    const std::string file = "/non/esiste/FileTemp.jpg";
    auto byte = [](QColor colore) {
        QImage img(30, 20, QImage::Format_RGB32);
        img.fill(colore);
        QByteArray dati;
        QBuffer buffer(&dati);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "PNG");
        return dati.toStdString();
    };
    ImmaginiQt immagini;
    auto colore = [&](int versione) {
        return immagini.Immagine(Figura{TipoFigura::File, 0, 0, file, versione}).pixelColor(0, 0);
    };

    const auto d = immagini.Carica(file, byte(Qt::red));
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->larghezza, 30);
    EXPECT_EQ(d->altezza, 20);
    EXPECT_EQ(colore(1), QColor(Qt::red));
    ASSERT_TRUE(immagini.Carica(file, byte(Qt::blue)).has_value());
    EXPECT_EQ(colore(1), QColor(Qt::red)) << "versione già mostrata";
    EXPECT_EQ(colore(2), QColor(Qt::blue)) << "nuovo caricamento";

    // Bytes that are not a picture: nothing decoded, the last picture stays.
    EXPECT_FALSE(immagini.Carica(file, "non una figura").has_value());
    EXPECT_EQ(colore(2), QColor(Qt::blue)) << "dopo byte rovinati";
}
