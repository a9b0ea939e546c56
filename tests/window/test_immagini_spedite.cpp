// Every shipped picture decodes with Qt at its place in the picture store, at the clue's size, and no two
// pictures look so alike that a player could not tell which caption is meant.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <bitset>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Difference hash of the grey picture at 16 x 16 cells, across and down: a bit is set where the next cell
// is brighter by more than a few grey levels. The plain pale backgrounds set no bits, and two pictures that
// differ only by colour, or by a beard or a hairstyle, set nearly the same ones.
using Impronta = std::bitset<2 * 16 * 16>;

Impronta ImprontaDi(const QImage& figura) {
    constexpr int kLato = 16, kSoglia = 4;
    const QImage grigia = figura.convertToFormat(QImage::Format_Grayscale8);
    const QImage a = grigia.scaled(kLato + 1, kLato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = grigia.scaled(kLato, kLato + 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Impronta h;
    for (int y = 0; y < kLato; ++y)
        for (int x = 0; x < kLato; ++x) {
            h[y * kLato + x] = a.constScanLine(y)[x] + kSoglia < a.constScanLine(y)[x + 1];
            h[kLato * kLato + y * kLato + x] = b.constScanLine(y)[x] + kSoglia < b.constScanLine(y + 1)[x];
        }
    return h;
}

// At most this many differing bits is a look-alike. The gender and colour variants of one emoji (LIBRO BLU
// and LIBRO VERDE, MAGA and MAGO, GOLFISTA DONNA and GOLFISTA UOMO) lie between 0 and 10; the closest
// distinct pictures kept (the keycaps NOVE and ZERO) at 13.
constexpr std::size_t kSosia = 10;

}  // namespace

TEST(ImmaginiSpedite, OgniFiguraSiDecodificaAlSuoPostoENessunaNeSembraUnAltra) {
    const std::filesystem::path dati(TRAMELO_DATA_DIR);
    std::ifstream catalogo(dati / "Immagini.txt", std::ios::binary);
    std::ifstream archivio(dati / "Immagini.jpg", std::ios::binary);
    ASSERT_TRUE(catalogo && archivio);
    std::stringstream s;
    s << archivio.rdbuf();
    const std::string byte = s.str();
    std::size_t inizio = 0;
    std::vector<std::pair<std::string, Impronta>> figure;
    for (std::string riga; std::getline(catalogo, riga);) {
        const auto lunghezza = std::stoul(riga.substr(4, 5));
        const std::string nome = riga.substr(10, riga.size() - 15);  // CR LF ends the line
        ASSERT_LE(inizio + lunghezza, byte.size()) << nome;
        const QImage figura = QImage::fromData(reinterpret_cast<const uchar*>(byte.data() + inizio),
                                               static_cast<int>(lunghezza), "JPG");
        EXPECT_EQ(figura.size(), QSize(259, 194)) << nome;
        figure.emplace_back(nome, ImprontaDi(figura));
        inizio += lunghezza;
    }
    EXPECT_EQ(inizio, byte.size());

    std::vector<std::tuple<std::size_t, std::string, std::string>> coppie;
    for (std::size_t i = 0; i < figure.size(); ++i)
        for (std::size_t j = i + 1; j < figure.size(); ++j)
            coppie.emplace_back((figure[i].second ^ figure[j].second).count(), figure[i].first,
                                figure[j].first);
    std::sort(coppie.begin(), coppie.end());
    std::cout << "coppie più simili (bit diversi su 512):\n";
    for (std::size_t k = 0; k < std::min<std::size_t>(5, coppie.size()); ++k)
        std::cout << "  " << std::get<0>(coppie[k]) << ": " << std::get<1>(coppie[k]) << " / "
                  << std::get<2>(coppie[k]) << '\n';
    for (const auto& [bit, a, b] : coppie) {
        if (bit > kSosia) break;
        ADD_FAILURE() << "figure quasi uguali (" << bit << " bit): " << a << " / " << b;
    }
}
