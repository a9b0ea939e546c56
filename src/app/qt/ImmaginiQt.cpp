// Decoded picture files kept for painting.
#include "app/qt/ImmaginiQt.h"

#include <QString>

namespace tramelo::qt {

namespace {

QImage Decodifica(const std::string& file) {
    QImage img(QString::fromStdString(file));
    if (img.isNull() || img.width() <= 0 || img.height() <= 0) return {};
    return img;
}

}  // namespace

std::optional<DimensioniPixel> ImmaginiQt::Carica(const std::string& file, const std::string& byte) {
    QImage img = QImage::fromData(reinterpret_cast<const uchar*>(byte.data()), static_cast<int>(byte.size()));
    if (img.isNull() || img.width() <= 0 || img.height() <= 0) return std::nullopt;
    const DimensioniPixel d{img.width(), img.height()};
    appena_[file] = std::move(img);
    return d;
}

const QImage& ImmaginiQt::Immagine(const Figura& figura) {
    const auto chiave = std::make_pair(figura.file, figura.versione);
    auto trovata = legate_.find(chiave);
    if (trovata != legate_.end()) return trovata->second;
    // The file is rewritten at every load, and may not be writable at all: bind the picture decoded from
    // the bytes at this load. A picture nobody decoded through Carica (a test, a fake platform) is read
    // from the file.
    QImage img;
    if (auto it = appena_.find(figura.file); it != appena_.end()) {
        img = std::move(it->second);
        appena_.erase(it);
    } else {
        img = Decodifica(figura.file);
    }
    // Older load numbers of the same file are never painted again.
    std::erase_if(legate_, [&](const auto& voce) { return voce.first.first == figura.file; });
    return legate_.emplace(chiave, std::move(img)).first->second;
}

}  // namespace tramelo::qt
