// The word store, its length index and the picture catalogue.
#include "files/Dizionario.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <system_error>

#include "app/Messaggi.h"
#include "app/Testi.h"
#include "files/Percorsi.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

constexpr int kRigheIndice = 11;  // lengths 5..15
constexpr int kLunghezzaMinima = 5;
constexpr int kLunghezzaMassima = 15;

struct Catalogo {
    int numImmagini = 0;
    int scartate = 0;  // lines whose caption is not capitals and blanks
    std::array<std::array<std::string, 4>, kMaxImmagini + 1> tabella{};
};

// Each position swapped with a position drawn from the whole range 1..n (the draws are part of what
// makes a fixed clock give a fixed puzzle, so their number and order matter).
template <typename Tabella>
void Mescola(Contesto& c, Tabella& t, int n) {
    for (int i = 1; i <= n; ++i) {
        const int j = c.rnd.Intero(n) + 1;
        std::swap(t[static_cast<std::size_t>(i)], t[static_cast<std::size_t>(j)]);
    }
}

bool SoloMaiuscole(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch == ' ' || (ch >= 'A' && ch <= 'Z'); });
}

// The reason when the file cannot be read. A line whose caption holds anything but capitals A..Z and blanks
// keeps its number (later pictures keep theirs) but stays empty, so no puzzle ever takes it.
EsitoFile LeggiCatalogo(const fs::path& file, Catalogo& cat) {
    std::vector<std::string> righe;
    if (const auto esito = LeggiRighe(file, kMaxImmagini, righe); !esito) return esito;
    for (const auto& riga : righe) {
        auto& voce = cat.tabella[static_cast<std::size_t>(++cat.numImmagini)];
        // The name runs from column 11 to four characters before the end. A line shorter than 14
        // characters has no name but still counts, so later pictures keep their numbers.
        const auto nome = riga.size() >= 14 ? Mid(riga, 11, riga.size() - 14) : std::string();
        if (!SoloMaiuscole(nome)) {
            ++cat.scartate;
            continue;
        }
        voce[1] = Mid(riga, 5, 5);
        voce[3] = nome;
        for (char ch : voce[3])
            if (ch != ' ') voce[2] += ch;
    }
    return {};
}

EsitoFile LeggiIndice(const fs::path& file, IndiceParole& indice) {
    std::vector<std::string> righe;
    if (const auto esito = LeggiRighe(file, kRigheIndice, righe); !esito) return esito;
    if (righe.size() < kRigheIndice) return {kNonValido};
    for (int l = kLunghezzaMinima; l <= kLunghezzaMassima; ++l) {
        const auto& riga = righe[static_cast<std::size_t>(l - kLunghezzaMinima)];
        indice[static_cast<std::size_t>(l)] = {ValIntero(Mid(riga, 4, 6)), ValIntero(Mid(riga, 11, 6))};
    }
    return IndiceUsabile(indice) ? EsitoFile{} : EsitoFile{kNonValido};
}

// Every record up to `ultimo` holds a word of capital letters A..Z, or only blanks (never placed):
// anything else would put cells on a generated board that no tile can show. Reading the whole store
// on every load cost as much as the generation it serves, so the answer is kept for the file as it
// was checked, and a store replaced or rewritten is checked again. A file changed within the last
// second is checked every time: its times may not yet tell one write from the next.
bool SoloParole(const ArchivioParole& archivio, std::int32_t ultimo) {
    struct Controllo {
        IdentitaFile file;
        std::int32_t ultimo = 0;
        bool esito = false;
    };
    static std::optional<Controllo> noto;
    const auto& file = archivio.Identita();
    if (noto && noto->file == file && noto->ultimo == ultimo) return noto->esito;
    bool esito = true;
    for (std::int32_t r = 1; r <= ultimo && esito; ++r) {
        for (char ch : archivio.Parola(r))
            if (ch < 'A' || ch > 'Z') esito = false;
    }
    const std::int64_t adesso = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count();
    constexpr std::int64_t kSecondo = 1'000'000'000;
    if (std::max(file.modifica, file.cambio) < adesso - kSecondo)
        noto = Controllo{file, ultimo, esito};
    else
        noto.reset();
    return esito;
}

}  // namespace

bool IndiceUsabile(const IndiceParole& indice) {
    std::int32_t atteso = 1;
    for (std::size_t l = kLunghezzaMinima; l <= kLunghezzaMassima; ++l) {
        if (indice[l][0] != atteso || indice[l][1] < indice[l][0]) return false;
        atteso = indice[l][1] + 1;
    }
    return indice[6][1] <= kMaxParoleCorte;
}

EsitoFile LeggiRighe(const fs::path& file, std::size_t massimo, std::vector<std::string>& righe) {
    std::string testo;
    if (const auto esito = LeggiFile(file, testo, kLimiteTesto); !esito) return esito;
    // Split where the text lies: every load of a puzzle reads the catalogue twice.
    righe.clear();
    for (std::size_t i = 0; i < testo.size() && righe.size() < massimo;) {
        auto fine = i;
        while (fine < testo.size() && testo[fine] != '\r' && testo[fine] != '\n') ++fine;
        righe.emplace_back(testo, i, fine - i);
        i = fine + (testo.compare(fine, 2, "\r\n") == 0 ? 2 : 1);
    }
    return {};
}

void CaricaDizionario(Contesto& c) {
    auto& m = c.m;
    std::string mancanti;
    auto segnala = [&](const char* relativo, EsitoFile esito) {
        mancanti += "\r" + RigaFile(Percorso(c, relativo), esito);
    };

    // Catalogue: parsed aside, then moved in whole, so no stale entry of a longer catalogue survives.
    auto cat = std::make_unique<Catalogo>();
    const auto letturaCatalogo = LeggiCatalogo(Percorso(c, kFileCatalogo), *cat);
    const bool catalogoLetto = static_cast<bool>(letturaCatalogo);
    // Not a single usable caption is as bad as no catalogue; only some of them costs only those pictures.
    if (!catalogoLetto)
        segnala(kFileCatalogo, letturaCatalogo);
    else if (cat->scartate == cat->numImmagini)
        segnala(kFileCatalogo, {kNonValido});
    std::string avviso;
    if (catalogoLetto && cat->scartate > 0 && cat->scartate < cat->numImmagini)
        avviso = ConFile(testi::kDidascalieScartate, Percorso(c, kFileCatalogo));
    m.NumImmagini = cat->numImmagini;
    m.TabellaImmagini = std::move(cat->tabella);
    m.OrdineImmagini.fill(0);
    for (int k = 1; k <= m.NumImmagini; ++k)
        m.OrdineImmagini[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k);
    Mescola(c, m.OrdineImmagini, m.NumImmagini);

    // Length index and word store: the generator needs both, so either at fault leaves the index empty.
    IndiceParole indice{};
    const auto letturaIndice = LeggiIndice(Percorso(c, kFileIndice), indice);
    const bool indiceValido = static_cast<bool>(letturaIndice);
    if (!indiceValido) segnala(kFileIndice, letturaIndice);
    ArchivioParole archivio;
    auto letturaArchivio = archivio.Apri(Percorso(c, kFileArchivio));
    if (letturaArchivio && indiceValido &&
        (archivio.NumRecord() < indice[kLunghezzaMassima][1] ||
         !SoloParole(archivio, indice[kLunghezzaMassima][1])))
        letturaArchivio = {kNonValido};
    const bool archivioValido = static_cast<bool>(letturaArchivio);
    if (!archivioValido) segnala(kFileArchivio, letturaArchivio);
    m.IndiceLunghezze = indiceValido && archivioValido ? indice : decltype(indice){};

    m.OrdineParoleCorte[0] = 0;
    for (int p = 1; p <= kMaxParoleCorte; ++p)
        m.OrdineParoleCorte[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
    Mescola(c, m.OrdineParoleCorte, m.IndiceLunghezze[6][1]);

    // Said once: every load in a generation would repeat it, and the files have not changed meanwhile.
    if (!mancanti.empty())
        avviso = testi::kDatiNuoviSchemi + mancanti + (avviso.empty() ? "" : "\r" + avviso);
    if (!avviso.empty() && avviso != c.avvisoDati) c.MsgBox(avviso);
    c.avvisoDati = avviso;
}

EsitoFile ArchivioParole::Apri(const fs::path& file) {
    Chiudi();
    std::int64_t dimensione = 0;
    EsitoFile esito;
    const int fd = ApriFileNormale(file, kLimiteArchivio, dimensione, &esito);
    if (fd < 0) return esito;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        esito = EsitoFile::DaErrno();
        ::close(fd);
        return esito;
    }
    if (dimensione > 0) {
        void* p = ::mmap(nullptr, static_cast<std::size_t>(dimensione), PROT_READ, MAP_PRIVATE, fd, 0);
        if (p == MAP_FAILED) {
            esito = EsitoFile::DaErrno();
            ::close(fd);
            return esito;
        }
        dati_ = static_cast<const char*>(p);
    }
    ::close(fd);  // the mapping stays valid without the descriptor
    dimensione_ = dimensione;
    identita_ = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), st.st_size,
                 st.st_mtim.tv_sec * std::int64_t{1000000000} + st.st_mtim.tv_nsec,
                 st.st_ctim.tv_sec * std::int64_t{1000000000} + st.st_ctim.tv_nsec};
    // The first 15 bytes belong to no record.
    const auto records = dimensione < 15 ? 0 : (dimensione - 15) / 16;
    numRecord_ = records > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(records);
    aperto_ = true;
    return {};
}

void ArchivioParole::Chiudi() {
    if (dati_) ::munmap(const_cast<char*>(dati_), static_cast<std::size_t>(dimensione_));
    dati_ = nullptr;
    dimensione_ = 0;
    numRecord_ = 0;
    identita_ = {};
    aperto_ = false;
}

}  // namespace tramelo
