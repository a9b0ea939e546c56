// Draws one 259 x 194 JPEG per emoji for the picture store, and contact sheets of a picture store.
//
// Usage: disegna_emoji ELENCO CARTELLA
// ELENCO has one line per picture: "<name> <hex code point> <hex code point>...".
// For each line whose sequence the emoji font shapes into a single glyph, CARTELLA/<name>.jpg is written and
// "<name> ok" printed; otherwise "<name> scartata <why>" is printed and no file written. The output depends
// only on the input, the font and Qt, so rebuilding gives the same bytes.
//
// Usage: disegna_emoji --contatto CATALOGO ARCHIVIO CARTELLA
// Cuts every picture out of ARCHIVIO (Immagini.jpg) by the lengths of CATALOGO (Immagini.txt) and draws
// them at half size, each with its number and caption, 64 to a page: CARTELLA/contatto_01.png, ...

#include <QtCore/QFile>
#include <QtCore/QTextStream>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtGui/QGlyphRun>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QTextLayout>

#include <cstdio>

namespace {

constexpr int kLarghezza = 259;
constexpr int kAltezza = 194;
constexpr int kLatoEmoji = 150;  // height the glyph is scaled to, pixels
constexpr int kQualita = 92;     // fixed JPEG quality

// A pale background whose hue follows the picture's name, so neighbouring
// pictures differ but a rebuild gives the same colour.
QColor tintaDiFondo(const QString& nome) {
    unsigned h = 2166136261u;
    for (QChar c : nome) h = (h ^ c.unicode()) * 16777619u;
    return QColor::fromHsv(static_cast<int>(h % 360), 38, 250);
}

struct Esito {
    QImage immagine;
    QString motivo;  // empty on success
};

Esito disegna(const QString& nome, const QString& testo, const QFont& font) {
    QTextLayout layout(testo, font);
    layout.beginLayout();
    QTextLine riga = layout.createLine();
    layout.endLayout();
    if (!riga.isValid()) return {{}, "layout"};
    const QList<QGlyphRun> pezzi = layout.glyphRuns();
    if (pezzi.size() != 1 || pezzi.front().glyphIndexes().size() != 1)
        return {{}, "non diventa un solo glifo"};
    const QGlyphRun& pezzo = pezzi.front();
    if (pezzo.glyphIndexes().front() == 0) return {{}, "glifo mancante"};

    QImage img(kLarghezza, kAltezza, QImage::Format_RGB32);
    const QColor tinta = tintaDiFondo(nome);
    QLinearGradient sfumatura(0, 0, 0, kAltezza);
    sfumatura.setColorAt(0, tinta.lighter(104));
    sfumatura.setColorAt(1, tinta.darker(106));
    {
        QPainter p(&img);
        p.fillRect(img.rect(), sfumatura);
    }
    const QImage fondo = img.copy();
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF box = pezzo.boundingRect();
        if (box.isEmpty()) return {{}, "glifo vuoto"};
        const double scala = kLatoEmoji / box.height();
        p.translate(kLarghezza / 2.0, kAltezza / 2.0);
        p.scale(scala, scala);
        p.translate(-box.center());
        p.drawGlyphRun(QPointF(0, 0), pezzo);
    }
    // The glyph must really be drawn, not an empty or tiny box.
    int disegnati = 0;
    for (int y = 0; y < kAltezza; ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(fondo.constScanLine(y));
        for (int x = 0; x < kLarghezza; ++x)
            if (a[x] != b[x]) ++disegnati;
    }
    if (disegnati < 2000) return {{}, "quasi vuota"};
    return {img, {}};
}

// Contact sheets: 8 x 8 pictures a page, each at half size above its number and caption.
int contatto(const QString& catalogo, const QString& archivio, const QString& cartella) {
    QFile c(catalogo), a(archivio);
    if (!c.open(QIODevice::ReadOnly) || !a.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "non leggo il catalogo o l'archivio\n");
        return 1;
    }
    const QByteArray byte = a.readAll();
    struct Voce {
        QImage figura;
        QString didascalia;
    };
    QList<Voce> voci;
    qsizetype inizio = 0;
    for (const QByteArray& riga : c.readAll().split('\n')) {
        const QByteArray r = riga.endsWith('\r') ? riga.chopped(1) : riga;
        if (r.size() < 14) continue;
        const qsizetype lunghezza = r.mid(4, 5).trimmed().toLongLong();
        voci.push_back({QImage::fromData(byte.mid(inizio, lunghezza), "JPG"),
                        QString::fromLatin1(r.mid(10, r.size() - 14))});
        inizio += lunghezza;
    }
    constexpr int kColonne = 8, kRighe = 8, kCella = 150, kAltaCella = 126;
    const int perPagina = kColonne * kRighe;
    QFont testo("DejaVu Sans");
    testo.setPixelSize(11);
    for (int pagina = 0; pagina * perPagina < voci.size(); ++pagina) {
        QImage foglio(kColonne * kCella, kRighe * kAltaCella, QImage::Format_RGB32);
        foglio.fill(Qt::white);
        QPainter p(&foglio);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setFont(testo);
        for (int i = 0; i < perPagina && pagina * perPagina + i < voci.size(); ++i) {
            const int k = pagina * perPagina + i;
            const QPoint angolo((i % kColonne) * kCella + 10, (i / kColonne) * kAltaCella + 4);
            p.drawImage(QRect(angolo, QSize(kLarghezza / 2, kAltezza / 2)), voci[k].figura);
            p.drawText(QRect(angolo.x() - 8, angolo.y() + kAltezza / 2, kCella - 4, 24),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                       QString::number(k + 1) + ' ' + voci[k].didascalia);
        }
        p.end();
        const QString nome = QString("%1/contatto_%2.png").arg(cartella).arg(pagina + 1, 2, 10, QChar('0'));
        if (!foglio.save(nome, "PNG")) {
            std::fprintf(stderr, "non scrivo %s\n", qPrintable(nome));
            return 1;
        }
        std::printf("%s\n", qPrintable(nome));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--contatto")
        return contatto(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QString::fromLocal8Bit(argv[4]));
    if (argc != 3) {
        std::fprintf(stderr,
                     "uso: disegna_emoji ELENCO CARTELLA\n"
                     "     disegna_emoji --contatto CATALOGO ARCHIVIO CARTELLA\n");
        return 2;
    }
    QFont font("Noto Color Emoji");
    font.setPixelSize(109);  // the font's bitmaps are 109 px em; scaled later
    font.setStyleStrategy(QFont::NoFontMerging);
    if (!QFontDatabase::families().contains("Noto Color Emoji")) {
        std::fprintf(stderr, "font Noto Color Emoji non installato\n");
        return 1;
    }

    QFile elenco(QString::fromLocal8Bit(argv[1]));
    if (!elenco.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "non leggo %s\n", argv[1]);
        return 1;
    }
    const QString cartella = QString::fromLocal8Bit(argv[2]);
    QTextStream in(&elenco);
    QTextStream out(stdout);
    while (!in.atEnd()) {
        const QStringList campi = in.readLine().split(' ', Qt::SkipEmptyParts);
        if (campi.size() < 2) continue;
        const QString& nome = campi.front();
        QString testo;
        for (qsizetype i = 1; i < campi.size(); ++i) {
            bool ok = false;
            const char32_t cp = campi[i].toUInt(&ok, 16);
            if (ok) testo += QString::fromUcs4(&cp, 1);
        }
        const Esito e = disegna(nome, testo, font);
        if (!e.motivo.isEmpty()) {
            out << nome << " scartata " << e.motivo << '\n';
            continue;
        }
        if (!e.immagine.save(cartella + '/' + nome + ".jpg", "JPG", kQualita)) {
            std::fprintf(stderr, "non scrivo %s.jpg\n", qPrintable(nome));
            return 1;
        }
        out << nome << " ok\n";
    }
    return 0;
}
