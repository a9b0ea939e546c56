// A game window on the fake platform for the window tests, and pixel helpers on its painted picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include "FalsaPiattaforma.h"
#include "app/qt/FinestraTramelo.h"

namespace tramelo::test {

// A window over a Partita at 12 twips per pixel: cell k is a 32-pixel tile at (24 + 32c, 16 + 32r).
struct FinestraProva {
    Partita p;
    qt::ImmaginiQt immagini;
    std::unique_ptr<qt::FinestraTramelo> w;

    FinestraProva() { w = std::make_unique<qt::FinestraTramelo>(p.c, immagini); }
    // Loads a puzzle and brings the window up to date, as after any event.
    void Carica(const std::vector<std::string>& righe, const std::vector<std::string>& parole,
                const std::string& soluzione = "") {
        p.Carica(righe, parole, soluzione);
        w->Aggiorna();
    }
    // The client area as painted now.
    QImage Dipinta() { return w->area()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

inline QRect RettCella(int k) {
    return QRect(24 + 32 * (k % 18), 16 + 32 * (k / 18), 32, 32);
}

// How many pixels of a rectangle are within `tolleranza` of a colour on every channel.
inline int Conta(const QImage& img, const QRect& r, const QColor& c, int tolleranza = 12) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor q = img.pixelColor(x, y);
            if (std::abs(q.red() - c.red()) <= tolleranza && std::abs(q.green() - c.green()) <= tolleranza &&
                std::abs(q.blue() - c.blue()) <= tolleranza)
                ++n;
        }
    return n;
}

// How many pixels of a rectangle are darker than `soglia` (grey level 0..255).
inline int Scuri(const QImage& img, const QRect& r, int soglia = 90) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < soglia) ++n;
    return n;
}

}  // namespace tramelo::test
