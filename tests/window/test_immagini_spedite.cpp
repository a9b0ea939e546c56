// Every shipped picture decodes with Qt at its place in the picture store, at the clue's size.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

TEST(ImmaginiSpedite, OgniFiguraSiDecodificaAlSuoPosto) {
    const std::filesystem::path dati(TRAMELO_DATA_DIR);
    std::ifstream catalogo(dati / "Immagini.txt", std::ios::binary);
    std::ifstream archivio(dati / "Immagini.jpg", std::ios::binary);
    ASSERT_TRUE(catalogo && archivio);
    std::stringstream s;
    s << archivio.rdbuf();
    const std::string byte = s.str();
    std::size_t inizio = 0;
    int numero = 0;
    for (std::string riga; std::getline(catalogo, riga);) {
        ++numero;
        const auto lunghezza = std::stoul(riga.substr(4, 5));
        ASSERT_LE(inizio + lunghezza, byte.size()) << "figura " << numero;
        const QImage figura = QImage::fromData(reinterpret_cast<const uchar*>(byte.data() + inizio),
                                               static_cast<int>(lunghezza), "JPG");
        EXPECT_EQ(figura.size(), QSize(259, 194)) << "figura " << numero << ": " << riga;
        inizio += lunghezza;
    }
    EXPECT_EQ(inizio, byte.size());
    EXPECT_EQ(numero, 600);
}
