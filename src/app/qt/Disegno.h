// Painting the window model Form1 with a QPainter, in logical pixels (twips / twips per pixel).
// The same code paints the screen and the printed page, so both show exactly the model.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "app/Form1.h"
#include "app/qt/ImmaginiQt.h"

namespace tramelo::qt {

// How the model maps to logical pixels: twips of the controls per pixel, and how much smaller than their
// own pixels pictures show when the layout is shrunk to fit the screen.
struct Scala {
    double tppX = 15, tppY = 15;
    double riduzione = 1;

    // The scale of the window model on a screen of `tppX` x `tppY` twips per pixel.
    static Scala DelModello(const Form1& f, double tppX, double tppY);
    // A control's rectangle in pixels, corners rounded to whole pixels so adjacent tiles meet exactly.
    QRectF Rett(float left, float top, float width, float height) const;
    QPointF Punto(float x, float y) const;
    // Font size in points as a pixel size: points x (1440 / twips per pixel) / 72.
    int PixelFont(float punti) const;
    // The client area in pixels.
    QRectF Area(const Form1& f) const { return Rett(0, 0, f.ScaleWidth, f.ScaleHeight); }
};

// Paints the whole client area.
void DisegnaForm(QPainter& p, const Form1& f, const Scala& s, ImmaginiQt& immagini);

// Where the parts of the file list lie, in pixels: whole rows only, and a vertical scroll bar at the right
// when there are more entries than rows.
struct GeometriaListaFile {
    QRectF controllo;  // the list with its border
    QRectF voci;       // where the rows go
    double altezzaVoce = 1;
    int righe = 1;                                   // whole rows that fit
    int prima = 0;                                   // the first entry shown
    bool barra = false;                              // the scroll bar shows
    QRectF frecciaSu, frecciaGiu, binario, cursore;  // its parts: arrow buttons, track, thumb
    // The entry under a point, of a list of `quante`; -1 when none.
    int VoceSotto(QPointF punto, int quante) const;
    // The first entry of a list of `quante` shown when the thumb's top is at `y` (pixels).
    int PrimaConCursoreA(double y, int quante) const;
};
GeometriaListaFile GeometriaLista(const Form1& f, const Scala& s);

// The Image1 control a click at `punto` reaches, top-most first: the instructions picture when shown,
// then the visible board cells and the picture holders; -1 when the click is on none of them.
int ImmagineSotto(const Form1& f, const Scala& s, QPointF punto);

}  // namespace tramelo::qt
