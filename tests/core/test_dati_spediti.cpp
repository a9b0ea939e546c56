// Checks the shipped word store, length index, picture catalogue and picture
// store against the formats the loader and the generator rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kDati(TRAMELO_DATA_DIR);

std::string leggiTutto(const std::filesystem::path& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  EXPECT_TRUE(in) << "manca " << percorso;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines ended by CR LF; a line without its CR is reported and kept.
std::vector<std::string> righeCrLf(const std::filesystem::path& percorso) {
  const std::string testo = leggiTutto(percorso);
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  while (inizio < testo.size()) {
    std::size_t fine = testo.find('\n', inizio);
    if (fine == std::string::npos) fine = testo.size();
    std::string riga = testo.substr(inizio, fine - inizio);
    EXPECT_TRUE(!riga.empty() && riga.back() == '\r')
        << percorso.filename() << ": riga senza CR LF: " << riga;
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    righe.push_back(riga);
    inizio = fine + 1;
  }
  return righe;
}

bool soloCifre(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool maiuscola(char c) { return c >= 'A' && c <= 'Z'; }

struct Intervallo {
  long primo = 0;
  long ultimo = 0;
};

// Index lines 1..11 give the record range of lengths 5..15.
std::map<int, Intervallo> leggiIndice() {
  std::map<int, Intervallo> indice;
  const auto righe = righeCrLf(kDati / "dizionari" / "indir_bbb.txt");
  EXPECT_EQ(righe.size(), 11u);
  for (std::size_t n = 0; n < righe.size() && n < 11; ++n) {
    const std::string& r = righe[n];
    if (r.size() < 16) {
      ADD_FAILURE() << "riga d'indice corta: " << r;
      continue;
    }
    const std::string primo = r.substr(3, 6), ultimo = r.substr(10, 6);
    EXPECT_TRUE(soloCifre(primo) && soloCifre(ultimo)) << r;
    EXPECT_EQ(r[9], ' ') << r;
    if (soloCifre(primo) && soloCifre(ultimo))
      indice[static_cast<int>(n) + 5] = {std::stol(primo), std::stol(ultimo)};
  }
  return indice;
}

TEST(DatiSpediti, IndiceContiguoConAlmenoDueParolePerLunghezza) {
  const auto indice = leggiIndice();
  ASSERT_EQ(indice.size(), 11u);
  long atteso = 1;
  for (const auto& [lunghezza, iv] : indice) {
    EXPECT_EQ(iv.primo, atteso) << "lunghezza " << lunghezza;
    EXPECT_GE(iv.ultimo - iv.primo + 1, 2) << "lunghezza " << lunghezza;
    atteso = iv.ultimo + 1;
  }
  // The short-word table of the generator has 15000 slots.
  EXPECT_LE(indice.at(6).ultimo, 15000);
}

TEST(DatiSpediti, OgniRecordHaLaLunghezzaDelSuoIntervallo) {
  const auto indice = leggiIndice();
  ASSERT_EQ(indice.size(), 11u);
  const std::string store = leggiTutto(kDati / "dizionari" / "dizionario.bbb");
  ASSERT_GE(store.size(), 15u);
  ASSERT_EQ((store.size() - 15) % 16, 0u) << "dimensione " << store.size();
  EXPECT_EQ(store.substr(0, 15), std::string(15, ' '));
  const long record = static_cast<long>((store.size() - 15) / 16);
  EXPECT_EQ(indice.at(15).ultimo, record);

  std::set<std::string> viste;
  for (const auto& [lunghezza, iv] : indice) {
    for (long r = iv.primo; r <= iv.ultimo && r <= record; ++r) {
      const std::string rec = store.substr(static_cast<std::size_t>(16 * r - 1), 16);
      const std::size_t fine = rec.find_last_not_of(' ');
      const std::string parola = fine == std::string::npos ? "" : rec.substr(0, fine + 1);
      const bool ok =
          static_cast<int>(parola.size()) == lunghezza &&
          std::all_of(parola.begin(), parola.end(), maiuscola);
      EXPECT_TRUE(ok) << "record " << r << " \"" << rec << "\" per la lunghezza "
                      << lunghezza;
      EXPECT_TRUE(viste.insert(parola).second) << "parola doppia " << parola;
    }
  }
}

struct Immagine {
  std::string didascalia;
  long lunghezza = 0;
};

std::vector<Immagine> leggiCatalogo() {
  std::vector<Immagine> catalogo;
  const auto righe = righeCrLf(kDati / "Immagini.txt");
  EXPECT_GE(righe.size(), 1u);
  EXPECT_LE(righe.size(), 600u);
  for (const std::string& r : righe) {
    if (r.size() < 14) {
      ADD_FAILURE() << "riga di catalogo corta: " << r;
      continue;
    }
    const std::string campo = r.substr(4, 5);
    const std::string didascalia = r.substr(10, r.size() - 14);
    EXPECT_TRUE(soloCifre(campo)) << r;
    EXPECT_EQ(r[9], ' ') << r;
    const bool pulita =
        !didascalia.empty() && didascalia.front() != ' ' && didascalia.back() != ' ' &&
        didascalia.find("  ") == std::string::npos &&
        std::all_of(didascalia.begin(), didascalia.end(),
                    [](char c) { return maiuscola(c) || c == ' '; });
    EXPECT_TRUE(pulita) << "didascalia \"" << didascalia << "\"";
    catalogo.push_back({didascalia, soloCifre(campo) ? std::stol(campo) : 0});
  }
  return catalogo;
}

TEST(DatiSpediti, CatalogoEArchivioCombaciano) {
  const auto catalogo = leggiCatalogo();
  const std::string archivio = leggiTutto(kDati / "Immagini.jpg");
  long totale = 0;
  for (const auto& im : catalogo) totale += im.lunghezza;
  ASSERT_EQ(totale, static_cast<long>(archivio.size()));

  std::size_t inizio = 0;
  for (std::size_t k = 0; k < catalogo.size(); ++k) {
    const auto n = static_cast<std::size_t>(catalogo[k].lunghezza);
    ASSERT_GE(n, 4u) << "immagine " << k + 1;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(archivio[i]); };
    EXPECT_TRUE(byte(inizio) == 0xFF && byte(inizio + 1) == 0xD8)
        << "immagine " << k + 1 << " (" << catalogo[k].didascalia << ") senza SOI";
    EXPECT_TRUE(byte(inizio + n - 2) == 0xFF && byte(inizio + n - 1) == 0xD9)
        << "immagine " << k + 1 << " (" << catalogo[k].didascalia << ") senza EOI";
    inizio += n;
  }
}

TEST(DatiSpediti, DidascalieUnicheEBenDistribuite) {
  const auto catalogo = leggiCatalogo();
  std::set<std::string> viste;
  std::map<std::size_t, int> perLettere;
  for (const auto& im : catalogo) {
    EXPECT_TRUE(viste.insert(im.didascalia).second) << "doppia: " << im.didascalia;
    ++perLettere[static_cast<std::size_t>(
        std::count_if(im.didascalia.begin(), im.didascalia.end(), maiuscola))];
  }
  std::cout << "immagini per numero di lettere:\n";
  for (std::size_t n = 0; n <= 18; ++n)
    std::cout << "  " << n << ": " << perLettere[n] << '\n';
  // The generator asks for 0..18 letters; the common counts must be stocked.
  for (std::size_t n = 4; n <= 18; ++n)
    EXPECT_GE(perLettere[n], 30) << n << " lettere";
}

}  // namespace
