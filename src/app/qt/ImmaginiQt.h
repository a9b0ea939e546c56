// Decoded picture files kept for painting, keyed by file name and the picture's load number.
#pragma once

#include <QImage>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/Form1.h"
#include "app/Piattaforma.h"

namespace tramelo::qt {

class ImmaginiQt {
  public:
    // Decodes `byte` now; on success it becomes the picture of the next load number asked for `file`.
    // A failed decode leaves what was kept before, so the holder keeps showing its previous picture.
    std::optional<DimensioniPixel> Carica(const std::string& file, const std::string& byte);
    // The picture a Figura of type File shows; a null image when it cannot be decoded.
    const QImage& Immagine(const Figura& figura);

  private:
    std::map<std::string, QImage> appena_;                  // decoded, not yet bound to a load number
    std::map<std::pair<std::string, int>, QImage> legate_;  // (file, versione) -> picture
};

}  // namespace tramelo::qt
