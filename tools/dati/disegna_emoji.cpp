// Draws one 259 x 194 JPEG per emoji for the picture store.
//
// Usage: disegna_emoji ELENCO CARTELLA
// ELENCO has one line per picture: "<name> <hex code point> <hex code point>...".
// For each line whose sequence the emoji font shapes into a single glyph, CARTELLA/<name>.jpg is written and "<name> ok" printed; otherwise
// "<name> scartata <why>" is printed and no file written. The output depends
// only on the input, the font and Qt, so rebuilding gives the same bytes.

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
constexpr int kLatoEmoji = 150;    // height the glyph is scaled to, pixels
constexpr int kQualita = 92;       // fixed JPEG quality

// A pale background whose hue follows the picture's name, so neighbouring
// pictures differ but a rebuild gives the same colour.
QColor tintaDiFondo(const QString& nome) {
  unsigned h = 2166136261u;
  for (QChar c : nome) h = (h ^ c.unicode()) * 16777619u;
  return QColor::fromHsv(static_cast<int>(h % 360), 38, 250);
}

struct Esito {
  QImage immagine;
  QString motivo;   // empty on success
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

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "uso: disegna_emoji ELENCO CARTELLA\n");
    return 2;
  }
  QFont font("Noto Color Emoji");
  font.setPixelSize(109);   // the font's bitmaps are 109 px em; scaled later
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
