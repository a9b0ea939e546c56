// The library list shows each name as the file system spells it (UTF-8), one letter for "é", not the two
// its bytes would make read one by one.
#include <gtest/gtest.h>

#include <QImage>

#include "FalsaPiattaforma.h"
#include "app/Eventi.h"
#include "app/qt/FinestraTramelo.h"

using namespace tramelo;

namespace {

// The library list opened on one saved puzzle named `nome`, painted; the list's own rectangle of it.
QImage ListaDipinta(const std::string& nome) {
    test::Partita p;
    p.Carica(std::vector<std::string>(10, std::string(18, 'A')), {"AAAAA"});
    p.cartella.Scrivi("schemi/" + nome, "x");
    qt::ImmaginiQt immagini;
    qt::FinestraTramelo w{p.c, immagini};
    mnuCaricaSchema_Click(p.c);
    w.Aggiorna();
    const auto& l = p.c.f.File1;
    const QRect r(qRound(l.Left / 12), qRound(l.Top / 12), qRound(l.Width / 12), qRound(l.Height / 12));
    return w.area()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(r.adjusted(3, 3, -3, -3));
}

// The rightmost column holding dark ink: where the drawn name ends.
int FineInchiostro(const QImage& img) {
    for (int x = img.width() - 1; x >= 0; --x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 96) return x;
    return -1;
}

}  // namespace

TEST(ListaFile, NomiComeLiScriveIlFileSystem) {
    const QImage accentato = ListaDipinta("schema_n_é1.txt"), doppio = ListaDipinta("schema_n_ee1.txt");
    ASSERT_GT(FineInchiostro(doppio), 20) << "il nome non è disegnato";
    // The two bytes of "é" are one letter, a letter narrower than "ee"; read one by one they would draw
    // the two letters "Ã©", about as wide as "ee".
    EXPECT_LT(FineInchiostro(accentato), FineInchiostro(doppio) - 3);
}
