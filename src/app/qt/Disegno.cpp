// Painting the window model: background, board frame, tiles, pictures, labels, strike lines, rings,
// the instructions and the file list with its scroll bar, in that order from the bottom up.
#include "app/qt/Disegno.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tramelo::qt {

namespace {

const QColor kOmbra(128, 128, 128);
const QColor kLuce(255, 255, 255);
const QColor kScuro(64, 64, 64);
const QColor kInchiostro(24, 24, 24);

// The file list's text size in points, and the narrowest its scroll bar gets, in pixels.
constexpr float kPuntiLista = 8.25f;
constexpr double kLatoBarraMinimo = 10;

QColor Qc(const Colore& c) {
    return QColor(c.r, c.g, c.b);
}

QFont Font(Carattere carattere, int pixel, bool grassetto) {
    const char* famiglia = "Liberation Sans";
    if (carattere == Carattere::CourierNew) famiglia = "Liberation Mono";
    if (carattere == Carattere::TimesNewRoman) famiglia = "Liberation Serif";
    QFont font(QString::fromLatin1(famiglia));
    font.setPixelSize(std::max(1, pixel));
    font.setBold(grassetto);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A 3D edge of `spessore` pixels: `alto` on the top and left, `basso` on the bottom and right.
void Bordo3D(QPainter& p, const QRectF& r, const QColor& alto, const QColor& basso, int spessore = 1) {
    for (int i = 0; i < spessore; ++i) {
        const QRectF q = r.adjusted(i, i, -i, -i);
        p.fillRect(QRectF(q.left(), q.top(), q.width(), 1), alto);
        p.fillRect(QRectF(q.left(), q.top(), 1, q.height()), alto);
        p.fillRect(QRectF(q.left(), q.bottom() - 1, q.width(), 1), basso);
        p.fillRect(QRectF(q.right() - 1, q.top(), 1, q.height()), basso);
    }
}

// The sunken single-line border of a picture holder: 2 pixels on each side.
void BordoIncassato(QPainter& p, const QRectF& r) {
    Bordo3D(p, r, kOmbra, kLuce);
    Bordo3D(p, r.adjusted(1, 1, -1, -1), kScuro, QColor(223, 223, 223));
}

// One letter tile: list 3 plain, 2 selected, 1 found.
void DisegnaTessera(QPainter& p, const QRectF& r, int lista, int indice, bool cornice) {
    QColor fondo = kLuce, lettera = kInchiostro;
    if (lista == 2) fondo = kOmbra, lettera = kLuce;
    if (lista == 1) fondo = QColor(214, 214, 214);
    p.fillRect(r, fondo);
    if (lista == 1) {
        Bordo3D(p, r, kLuce, kOmbra, 2);
    } else {
        Bordo3D(p, r, lista == 2 ? QColor(150, 150, 150) : QColor(236, 236, 236),
                lista == 2 ? QColor(96, 96, 96) : QColor(176, 176, 176));
    }
    if (cornice) {
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (EUnaLettera(indice)) {
        p.setFont(Font(Carattere::MsSansSerif, static_cast<int>(std::lround(r.height() * 0.62)), true));
        p.setPen(lettera);
        p.drawText(r, Qt::AlignCenter, QString(QChar(CarattereDelCodice(indice))));
    }
}

// The banner: the game's name on seven small tiles, on a dark teal band.
void DisegnaBanner(QPainter& p, const QRectF& r) {
    QLinearGradient sfumatura(r.topLeft(), r.bottomLeft());
    sfumatura.setColorAt(0, QColor(0, 96, 96));
    sfumatura.setColorAt(1, QColor(0, 48, 48));
    p.fillRect(r, sfumatura);
    const QString nome = QStringLiteral("TRAMELO");
    const auto lettere = static_cast<double>(nome.size());
    const double lato = std::min(r.height() * 0.66, r.width() / (lettere * 1.25));
    const double passo = lato * 1.22;
    double x = r.center().x() - (passo * (lettere - 1) + lato) / 2;
    const double y = r.center().y() - lato / 2;
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < nome.size(); ++i, x += passo) {
        const QRectF t(x, y, lato, lato);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(t.translated(1.5, 1.5), lato * 0.12, lato * 0.12);
        p.setBrush(i == 3 ? QColor(214, 214, 214) : QColor(250, 248, 240));
        p.drawRoundedRect(t, lato * 0.12, lato * 0.12);
        p.setFont(Font(Carattere::TimesNewRoman, static_cast<int>(std::lround(lato * 0.72)), true));
        p.setPen(Qc(kVerdeScuro));
        p.drawText(t, Qt::AlignCenter, nome.mid(i, 1));
        if (i == 3) {  // one ringed letter, as the solution letters are shown
            p.setPen(QPen(QColor(255, 0, 0), std::max(1.0, lato * 0.06)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(t.adjusted(-lato * 0.08, -lato * 0.08, lato * 0.08, lato * 0.08));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// The holder's own picture before any puzzle has shown one: a question mark on a pale panel.
void DisegnaIndizioVuoto(QPainter& p, const QRectF& r) {
    QLinearGradient sfumatura(r.topLeft(), r.bottomRight());
    sfumatura.setColorAt(0, QColor(236, 242, 242));
    sfumatura.setColorAt(1, QColor(200, 216, 216));
    p.fillRect(r, sfumatura);
    p.setFont(Font(Carattere::TimesNewRoman, static_cast<int>(std::lround(r.height() * 0.6)), true));
    p.setPen(QColor(0, 64, 64, 90));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

// The credit strip of the pictures.
void DisegnaCredito(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(255, 255, 255, 210));
    p.setFont(Font(Carattere::MsSansSerif, static_cast<int>(std::lround(r.height() * 0.78)), false));
    p.setPen(QColor(48, 48, 48));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Noto Emoji"));
}

const char* const kPuntiIstruzioni[] = {
    "Con il tasto sinistro del mouse si selezionano (o si deselezionano), una per volta, le lettere "
    "delle parole elencate sotto la tavola. Il tasto Esc deseleziona tutte le lettere.",
    "Le parole sono disposte in tutte le direzioni, comprese le diagonali. Una parola trovata viene "
    "cancellata automaticamente.",
    "L’immagine accanto alla tavola è l’indizio: le lettere rimaste, lette riga per riga, "
    "ne formano la didascalia, che è la soluzione.",
    "Ricomincia riprende lo schema da capo, Soluzione mostra tutte le parole e la soluzione, Stampa "
    "schema stampa la finestra.",
    "Nuovo schema crea uno schema nuovo, quante volte si desidera; schemi diversi possono avere la stessa "
    "soluzione. Se un tentativo non riesce, un messaggio chiede se riprovare.",
    "Salva schema conserva lo schema in corso nella libreria; Carica schema ne riprende uno salvato e "
    "Cancella schema ne elimina: entrambi aprono l’elenco degli schemi salvati, in cui si sceglie "
    "con un clic.",
    "Per chiudere queste istruzioni si sceglie Esci da Istruzioni nel menu, oppure si fa clic qui.",
};

// The instructions panel, its text sized to fill the panel.
void DisegnaIstruzioni(QPainter& p, const QRectF& r, const Scala& s) {
    p.fillRect(r, kLuce);
    BordoIncassato(p, r);
    const double margine = std::max(4.0, r.width() * 0.03);
    QRectF interno = r.adjusted(margine, margine * 0.7, -margine, -margine * 0.7);

    const QFont titolo = Font(Carattere::TimesNewRoman, s.PixelFont(14), true);
    p.setFont(titolo);
    p.setPen(Qc(kVerdeScuro));
    const double altezzaTitolo = QFontMetricsF(titolo).height();
    p.drawText(QRectF(interno.left(), interno.top(), interno.width(), altezzaTitolo), Qt::AlignHCenter,
               QStringLiteral("ISTRUZIONI"));
    interno.setTop(interno.top() + altezzaTitolo * 1.25);

    // The largest text size whose paragraphs fit the panel.
    const QString punto = QStringLiteral("\u2022");
    QFont corpo;
    double rientro = 0;
    for (int pixel = s.PixelFont(13); pixel >= 6; --pixel) {
        corpo = Font(Carattere::MsSansSerif, pixel, false);
        const QFontMetricsF fm(corpo);
        rientro = fm.horizontalAdvance(punto) * 2.2;
        double altezza = 0;
        for (const char* testo : kPuntiIstruzioni) {
            const QRectF b = fm.boundingRect(QRectF(0, 0, interno.width() - rientro, 1e6), Qt::TextWordWrap,
                                             QString::fromUtf8(testo));
            altezza += b.height() + fm.height() * 0.45;
        }
        if (altezza <= interno.height()) break;
    }
    const QFontMetricsF fm(corpo);
    p.setFont(corpo);
    p.setPen(kInchiostro);
    double y = interno.top();
    for (const char* testo : kPuntiIstruzioni) {
        const QRectF area(interno.left() + rientro, y, interno.width() - rientro, interno.bottom() - y);
        QRectF occupato;
        p.drawText(area, Qt::TextWordWrap, QString::fromUtf8(testo), &occupato);
        p.setPen(Qc(kVerdeScuro));
        p.drawText(QPointF(interno.left() + rientro * 0.25, y + fm.ascent()), punto);
        p.setPen(kInchiostro);
        y += occupato.height() + fm.height() * 0.45;
    }
}

void DisegnaEtichetta(QPainter& p, const Etichetta& e, const Scala& s, const QRectF& area) {
    if (!e.Visible) return;
    QRectF r = s.Rett(e.Left, e.Top, e.Width, e.Height);
    if (e.BackOpaque) p.fillRect(r, Qc(e.BackColor));
    if (e.Caption.empty()) return;
    const QString testo = QString::fromLatin1(e.Caption.data(), static_cast<qsizetype>(e.Caption.size()));
    QFont font = Font(e.Font, s.PixelFont(e.FontSize), e.FontBold);
    if (e.AutoSize) {
        // The label grows to the right with its caption; a phrase too long for the window is moved
        // left, and as a last resort set smaller, so that all of it stays readable.
        const double margine = 4;
        for (int pixel = font.pixelSize(); pixel > 6; --pixel) {
            font.setPixelSize(pixel);
            if (QFontMetricsF(font).horizontalAdvance(testo) <= area.width() - 2 * margine) break;
        }
        const QFontMetricsF fm(font);
        const double larghezza = fm.horizontalAdvance(testo);
        double x = r.left();
        if (x + larghezza > area.right() - margine)
            x = std::max(area.left() + margine, area.right() - margine - larghezza);
        r = QRectF(x, r.top(), larghezza + 1, std::max(r.height(), fm.height()));
    }
    p.setFont(font);
    p.setPen(e.Enabled ? Qc(e.ForeColor) : QColor(144, 144, 144));
    p.drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, testo);
}

double AltezzaVoce(const Scala& s) {
    return std::ceil(QFontMetricsF(Font(Carattere::MsSansSerif, s.PixelFont(kPuntiLista), false)).height()) +
           2;
}

// A raised button face: light grey with a two-pixel 3D edge.
void Pulsante(QPainter& p, const QRectF& r) {
    p.fillRect(r, Qc(kGrigioChiaro));
    Bordo3D(p, r, QColor(223, 223, 223), kScuro);
    Bordo3D(p, r.adjusted(1, 1, -1, -1), kLuce, kOmbra);
}

// An arrow button of the scroll bar: a small black triangle pointing up or down.
void Freccia(QPainter& p, const QRectF& r, bool su) {
    Pulsante(p, r);
    const double l = std::max(2.0, std::round(r.width() * 0.28));
    const QPointF c = r.center();
    const double verso = su ? -1 : 1;
    QPainterPath triangolo;
    triangolo.moveTo(c.x() - l, c.y() - verso * l / 2);
    triangolo.lineTo(c.x() + l, c.y() - verso * l / 2);
    triangolo.lineTo(c.x(), c.y() + verso * l / 2);
    triangolo.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(triangolo, kInchiostro);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void DisegnaListaFile(QPainter& p, const Form1& f, const Scala& s) {
    const ListaFile& l = f.File1;
    const GeometriaListaFile g = GeometriaLista(f, s);
    p.fillRect(g.controllo, kLuce);
    BordoIncassato(p, g.controllo);
    p.save();
    p.setClipRect(g.voci);
    p.setFont(Font(Carattere::MsSansSerif, s.PixelFont(kPuntiLista), false));
    for (int i = g.prima; i < std::min(l.ListCount(), g.prima + g.righe); ++i) {
        const QRectF riga(g.voci.left(), g.voci.top() + (i - g.prima) * g.altezzaVoce, g.voci.width(),
                          g.altezzaVoce);
        const bool corrente = i == l.ListIndex;
        if (corrente) p.fillRect(riga, QColor(0, 0, 128));
        p.setPen(corrente ? kLuce : kInchiostro);
        const auto& nome = l.names[static_cast<std::size_t>(i)];
        p.drawText(riga.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QFile::decodeName(QByteArray(nome.data(), static_cast<qsizetype>(nome.size()))));
    }
    p.restore();
    if (!g.barra) return;
    p.fillRect(g.binario, QColor(232, 232, 232));
    Freccia(p, g.frecciaSu, true);
    Freccia(p, g.frecciaGiu, false);
    Pulsante(p, g.cursore);
}

}  // namespace

QRectF Scala::Rett(float left, float top, float width, float height) const {
    const double x0 = std::round(left / tppX), y0 = std::round(top / tppY);
    const double x1 = std::round((left + width) / tppX), y1 = std::round((top + height) / tppY);
    return QRectF(x0, y0, x1 - x0, y1 - y0);
}

QPointF Scala::Punto(float x, float y) const {
    return QPointF(x / tppX, y / tppY);
}

int Scala::PixelFont(float punti) const {
    return std::max(1, static_cast<int>(std::lround(punti * (1440.0 / tppY) / 72.0)));
}

Scala Scala::DelModello(const Form1& f, double tppX, double tppY) {
    if (f.Width <= 0 || f.Height <= 0 || f.ScaleWidth <= 0 || f.ScaleHeight <= 0) return {tppX, tppY, 1};
    return {tppX * f.ScaleWidth / f.Width, tppY * f.ScaleHeight / f.Height, f.Width / f.ScaleWidth};
}

GeometriaListaFile GeometriaLista(const Form1& f, const Scala& s) {
    const ListaFile& l = f.File1;
    GeometriaListaFile g;
    g.controllo = s.Rett(l.Left, l.Top, l.Width, l.Height);
    const QRectF interno = g.controllo.adjusted(2, 2, -2, -2);
    g.altezzaVoce = AltezzaVoce(s);
    g.righe = std::max(1, static_cast<int>(interno.height() / g.altezzaVoce));
    g.prima = l.PrimaMostrata(g.righe);
    g.barra = l.ListCount() > g.righe;
    const double lato = g.barra ? std::max(kLatoBarraMinimo, std::round(g.altezzaVoce)) : 0;
    g.voci = QRectF(interno.left(), interno.top(), interno.width() - lato, g.righe * g.altezzaVoce);
    if (!g.barra) return g;
    const double x = interno.right() - lato;
    g.frecciaSu = QRectF(x, interno.top(), lato, lato);
    g.frecciaGiu = QRectF(x, interno.bottom() - lato, lato, lato);
    g.binario =
        QRectF(x, g.frecciaSu.bottom(), lato, std::max(0.0, g.frecciaGiu.top() - g.frecciaSu.bottom()));
    // The thumb is as long as the share of the list shown, never shorter than half a button.
    const int oltre = l.ListCount() - g.righe;
    const double lunghezza =
        std::min(g.binario.height(), std::max(lato / 2, g.binario.height() * g.righe / l.ListCount()));
    const double corsa = g.binario.height() - lunghezza;
    g.cursore = QRectF(x, g.binario.top() + std::round(corsa * g.prima / oltre), lato, lunghezza);
    return g;
}

int GeometriaListaFile::VoceSotto(QPointF punto, int quante) const {
    if (!voci.contains(punto)) return -1;
    const int i = prima + static_cast<int>(std::floor((punto.y() - voci.top()) / altezzaVoce));
    return i >= prima && i < std::min(quante, prima + righe) ? i : -1;
}

int GeometriaListaFile::PrimaConCursoreA(double y, int quante) const {
    const double corsa = binario.height() - cursore.height();
    if (!barra || corsa <= 0) return prima;
    const double parte = std::clamp((y - binario.top()) / corsa, 0.0, 1.0);
    return static_cast<int>(std::lround(parte * (quante - righe)));
}

int ImmagineSotto(const Form1& f, const Scala& s, QPointF punto) {
    auto dentro = [&](int k) {
        const auto& im = f.Image1[static_cast<std::size_t>(k)];
        return im.Visible && s.Rett(im.Left, im.Top, im.Width, im.Height).contains(punto);
    };
    if (dentro(kImmagineIstruzioni)) return kImmagineIstruzioni;
    for (int k = 0; k < kCelle; ++k)
        if (dentro(k)) return k;
    for (int k : {kImmagineCredito, kImmagineIndizio, kImmagineBanner})
        if (dentro(k)) return k;
    return -1;
}

void DisegnaForm(QPainter& p, const Form1& f, const Scala& s, ImmaginiQt& immagini) {
    const QRectF area = s.Area(f);
    p.save();
    p.setClipRect(area);
    p.fillRect(area, Qc(f.BackColor));

    // The raised frame behind the board with a sunken groove inside it.
    if (f.Label1[0].Visible) {
        const auto& e = f.Label1[0];
        const QRectF r = s.Rett(e.Left, e.Top, e.Width, e.Height);
        Bordo3D(p, r, kLuce, kOmbra, 2);
        Bordo3D(p, r.adjusted(4, 4, -4, -4), kOmbra, kLuce, 1);
    }

    for (int k = 0; k < kCelle; ++k) {
        const auto& cella = f.Image1[static_cast<std::size_t>(k)];
        if (!cella.Visible || cella.Picture.tipo != TipoFigura::Tessera) continue;
        DisegnaTessera(p, s.Rett(cella.Left, cella.Top, cella.Width, cella.Height), cella.Picture.lista,
                       cella.Picture.indice, cella.BorderStyle == 1);
    }

    // The picture clue at its own pixel size inside its 2-pixel border.
    if (const auto& im = f.Image1[kImmagineIndizio]; im.Visible) {
        const QRectF r = s.Rett(im.Left, im.Top, im.Width, im.Height);
        if (im.Picture.tipo == TipoFigura::Nessuna) DisegnaIndizioVuoto(p, r.adjusted(2, 2, -2, -2));
        if (im.Picture.tipo == TipoFigura::File) {
            const QImage& img = immagini.Immagine(im.Picture);
            if (!img.isNull()) {
                const QRectF dentro(r.left() + 2, r.top() + 2, img.width() * s.riduzione,
                                    img.height() * s.riduzione);
                p.save();
                p.setClipRect(r.adjusted(2, 2, -2, -2), Qt::IntersectClip);
                p.setRenderHint(QPainter::SmoothPixmapTransform, true);
                p.drawImage(dentro, img);
                p.restore();
            }
        }
        if (im.BorderStyle == 1) BordoIncassato(p, r);
    }
    if (const auto& im = f.Image1[kImmagineBanner]; im.Visible) {
        const QRectF r = s.Rett(im.Left, im.Top, im.Width, im.Height);
        DisegnaBanner(p, r);
        if (im.BorderStyle == 1) {
            p.setPen(QPen(kInchiostro, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    if (const auto& im = f.Image1[kImmagineCredito]; im.Visible)
        DisegnaCredito(p, s.Rett(im.Left, im.Top, im.Width, im.Height));

    for (std::size_t i = 1; i < f.Label1.size(); ++i) DisegnaEtichetta(p, f.Label1[i], s, area);
    for (const auto& e : f.Label2) DisegnaEtichetta(p, e, s, area);

    p.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& l : f.Line1) {
        if (!l.Visible) continue;
        p.setPen(QPen(Qc(l.BorderColor), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(s.Punto(l.X1, l.Y1), s.Punto(l.X2, l.Y2));
    }
    for (const auto& forma : f.Shape1) {
        if (!forma.Visible) continue;
        p.setPen(QPen(Qc(forma.BorderColor), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(
            s.Rett(forma.Left, forma.Top, forma.Width, forma.Height).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    if (const auto& im = f.Image1[kImmagineIstruzioni]; im.Visible)
        DisegnaIstruzioni(p, s.Rett(im.Left, im.Top, im.Width, im.Height), s);
    if (f.File1.Visible) DisegnaListaFile(p, f, s);
    p.restore();
}

}  // namespace tramelo::qt
