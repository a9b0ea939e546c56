// The word store, its length index and the picture catalogue.
#include "files/Dizionario.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

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
// The largest store an index can describe: six-digit record numbers.
constexpr std::int64_t kLimiteParole =
    std::min<std::int64_t>(kLimiteArchivio, 15 + 16 * std::int64_t{999999});

// Each position swapped with a position drawn from the whole range 1..n (the draws are part of what
// makes a fixed clock give a fixed puzzle, so their number and order matter).
template <typename Tabella>
void Mescola(Contesto& c, Tabella& t, int n) {
    for (int i = 1; i <= n; ++i) {
        const int j = c.rnd.Intero(n) + 1;
        std::swap(t[static_cast<std::size_t>(i)], t[static_cast<std::size_t>(j)]);
    }
}

bool Maiuscole(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= 'A' && ch <= 'Z'; });
}

// Calls `f` on each of the first `massimo` lines of a text (CR LF, LF or CR ends a line), seen where
// it lies.
template <typename F>
void PerRiga(std::string_view testo, std::size_t massimo, F f) {
    for (std::size_t i = 0, n = 0; i < testo.size() && n < massimo; ++n) {
        auto fine = i;
        while (fine < testo.size() && testo[fine] != '\r' && testo[fine] != '\n') ++fine;
        f(testo.substr(i, fine - i));
        i = fine + (testo.substr(fine, 2) == "\r\n" ? 2 : 1);
    }
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

// The picture store: a regular file with something in it, at least `totale` bytes long (the
// catalogue's lengths added up; negative when the catalogue gives none).
EsitoFile ControllaImmagini(const fs::path& file, std::int64_t totale) {
    std::int64_t dimensione = 0;
    EsitoFile esito;
    const int fd = ApriFileNormale(file, kLimiteImmagini, dimensione, &esito);
    if (fd < 0) return esito;
    ::close(fd);
    if (dimensione == 0) return {kVuoto};
    if (dimensione < totale) return {kTroppoCorto};
    return {};
}

IdentitaFile IdentitaDi(const struct stat& st) {
    return {InodeDi(st), st.st_size, st.st_mtim.tv_sec * std::int64_t{1000000000} + st.st_mtim.tv_nsec,
            st.st_ctim.tv_sec * std::int64_t{1000000000} + st.st_ctim.tv_nsec};
}

std::int64_t Adesso() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

// One state of the store's file and its bytes. Copies of equal bytes share them, and with them the
// checks made on them (ConfrontaArchivio).
struct ArchivioParole::Copia {
    fs::path file;
    IdentitaFile identita;
    std::shared_ptr<const std::string> byte;
    // The file had not changed for a second when it was read: any later write changes its times, so
    // the same IdentitaFile means the same bytes. A file changed just before may be written again
    // within one tick of the file system's clock, its times unchanged: it is read at every opening.
    bool ferma = false;
};

namespace {

// The copy last made: every opening of the same unchanged file shares it.
std::shared_ptr<const ArchivioParole::Copia>& UltimaCopia() {
    static std::shared_ptr<const ArchivioParole::Copia> ultima;
    return ultima;
}

// Reads the whole file from `fd`: the reason when it cannot, kCambiato when it changed meanwhile.
EsitoFile LeggiTutto(int fd, std::int64_t dimensione, const struct stat& prima, std::string& byte) {
    byte.assign(static_cast<std::size_t>(dimensione) + 1, '\0');  // one more byte tells a file that grew
    std::size_t letti = 0;
    while (letti < byte.size()) {
        const auto n = ::pread(fd, byte.data() + letti, byte.size() - letti, static_cast<off_t>(letti));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return EsitoFile::DaErrno();
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
    }
    struct stat dopo {};
    if (::fstat(fd, &dopo) != 0) return EsitoFile::DaErrno();
    if (letti != static_cast<std::size_t>(dimensione) || !(IdentitaDi(dopo) == IdentitaDi(prima)))
        return {kCambiato};
    byte.resize(letti);
    return {};
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

std::optional<VoceCatalogo> LeggiVoceCatalogo(std::string_view riga) {
    VoceCatalogo voce;
    voce.campo = riga.substr(std::min<std::size_t>(4, riga.size()), 5);
    for (char ch : voce.campo) {
        if (ch >= '0' && ch <= '9')
            voce.lunghezza = voce.lunghezza * 10 + (ch - '0');
        else if (ch != ' ')
            return std::nullopt;
    }
    // The name runs from column 11 to four characters before the end. A line shorter than 14
    // characters has no name but still counts, so later pictures keep their numbers.
    if (riga.size() >= 14) voce.nome = riga.substr(10, riga.size() - 14);
    return voce;
}

bool DidascaliaValida(std::string_view nome) {
    return std::all_of(nome.begin(), nome.end(),
                       [](char ch) { return ch == ' ' || (ch >= 'A' && ch <= 'Z'); });
}

EsitoFile LeggiCatalogo(const fs::path& file, Catalogo& catalogo) {
    catalogo.voci.clear();
    auto testo = std::make_unique<std::string>();
    if (const auto esito = LeggiFile(file, *testo, kLimiteTesto); !esito) return esito;
    catalogo.testo = std::move(testo);
    bool valido = true;
    PerRiga(*catalogo.testo, kMaxImmagini, [&](std::string_view riga) {
        const auto voce = LeggiVoceCatalogo(riga);
        if (voce) catalogo.voci.push_back(*voce);
        valido = valido && voce.has_value();
    });
    if (valido) return {};
    catalogo.voci.clear();
    return {kNonValido};
}

EsitoFile LeggiRighe(const fs::path& file, std::size_t massimo, std::vector<std::string>& righe) {
    std::string testo;
    if (const auto esito = LeggiFile(file, testo, kLimiteTesto); !esito) return esito;
    righe.clear();
    PerRiga(testo, massimo, [&](std::string_view riga) { righe.emplace_back(riga); });
    return {};
}

EsitoFile ConfrontaArchivio(const ArchivioParole& archivio, const IndiceParole& indice) {
    // The last answer, for the copy and the index it was given for: a store opened again on an
    // unchanged file shares the copy, so the check runs once per state of the two files.
    struct Risposta {
        ArchivioParole archivio;
        IndiceParole indice{};
        EsitoFile esito;
    };
    static std::optional<Risposta> nota;
    if (nota && nota->archivio.StessaCopia(archivio) && nota->indice == indice) return nota->esito;

    EsitoFile esito;
    const auto ultimo = indice[kLunghezzaMassima][1];
    if (!archivio.Aperto() || !IndiceUsabile(indice) ||
        archivio.Dimensione() != 15 + std::int64_t{16} * ultimo) {
        esito = {kNonConcordaIndice};
    } else {
        // A word of other characters is the store's own fault, and said so even where a length
        // disagrees too.
        for (std::size_t l = kLunghezzaMinima; l <= kLunghezzaMassima && esito.errore != kNonValido; ++l)
            for (std::int32_t r = indice[l][0]; r <= indice[l][1]; ++r) {
                const auto parola = archivio.Parola(r);
                if (parola.empty()) continue;
                if (!Maiuscole(parola)) {
                    esito = {kNonValido};
                    break;
                }
                if (parola.size() != l) esito = {kNonConcordaIndice};
            }
    }
    if (archivio.Aperto()) nota = Risposta{archivio, indice, esito};
    return esito;
}

DatiNuoviSchemi LeggiDatiNuoviSchemi(const Contesto& c) {
    DatiNuoviSchemi d;
    d.catalogo = LeggiCatalogo(Percorso(c, kFileCatalogo), d.catalogoLetto);
    const auto& voci = d.catalogoLetto.voci;
    // Not a single usable caption is as bad as no catalogue; only some of them costs only those pictures.
    if (d.catalogo && std::none_of(voci.begin(), voci.end(),
                                   [](const VoceCatalogo& v) { return DidascaliaValida(v.nome); }))
        d.catalogo = {kNonValido};
    // The pictures' places follow from every length field, those of unusable captions included.
    std::int64_t totale = voci.empty() ? -1 : 0;
    for (const auto& v : voci) totale += v.lunghezza;
    d.immagini = ControllaImmagini(Percorso(c, kFileImmagini), totale);

    d.indice = LeggiIndice(Percorso(c, kFileIndice), d.tabellaIndice);
    if (!d.indice) d.tabellaIndice = {};
    d.archivio = d.parole.Apri(Percorso(c, kFileArchivio));
    if (d.archivio && d.indice) d.archivio = ConfrontaArchivio(d.parole, d.tabellaIndice);
    return d;
}

std::string RigheDatiNonValidi(const Contesto& c, const DatiNuoviSchemi& dati) {
    std::string righe;
    const std::pair<const char*, EsitoFile> file[] = {{kFileCatalogo, dati.catalogo},
                                                      {kFileImmagini, dati.immagini},
                                                      {kFileIndice, dati.indice},
                                                      {kFileArchivio, dati.archivio}};
    for (const auto& [relativo, esito] : file)
        if (!esito) righe += "\r" + RigaFile(Percorso(c, relativo), esito);
    return righe;
}

void CaricaDizionario(Contesto& c) {
    auto& m = c.m;
    const auto dati = LeggiDatiNuoviSchemi(c);

    // Catalogue: built aside, then moved in whole, so no stale entry of a longer catalogue survives.
    auto tabella = std::make_unique<decltype(m.TabellaImmagini)>();
    int scartate = 0;
    const auto& voci = dati.catalogoLetto.voci;
    for (std::size_t k = 1; k <= voci.size(); ++k) {
        const auto& voce = voci[k - 1];
        // A caption of anything but capitals and blanks keeps its number (later pictures keep theirs)
        // but its line stays empty, so no puzzle ever takes it.
        if (!DidascaliaValida(voce.nome)) {
            ++scartate;
            continue;
        }
        auto& riga = (*tabella)[k];
        riga[1] = voce.campo;
        riga[3] = voce.nome;
        for (char ch : voce.nome)
            if (ch != ' ') riga[2] += ch;
    }
    m.NumImmagini = static_cast<int>(voci.size());
    m.TabellaImmagini = std::move(*tabella);
    m.OrdineImmagini.fill(0);
    for (int k = 1; k <= m.NumImmagini; ++k)
        m.OrdineImmagini[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k);
    Mescola(c, m.OrdineImmagini, m.NumImmagini);

    // Length index and word store: the generator needs both, so either at fault leaves the index empty.
    m.IndiceLunghezze = dati.indice && dati.archivio ? dati.tabellaIndice : IndiceParole{};
    m.OrdineParoleCorte[0] = 0;
    for (int p = 1; p <= kMaxParoleCorte; ++p)
        m.OrdineParoleCorte[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p);
    Mescola(c, m.OrdineParoleCorte, m.IndiceLunghezze[6][1]);

    // Said once: every load in a generation would repeat it, and the files have not changed meanwhile.
    std::string avviso;
    if (dati.catalogo && scartate > 0)
        avviso = ConFile(testi::kDidascalieScartate, Percorso(c, kFileCatalogo));
    if (const auto righe = RigheDatiNonValidi(c, dati); !righe.empty())
        avviso = testi::kDatiNuoviSchemi + righe + (avviso.empty() ? "" : "\r" + avviso);
    c.AvvisaUnaVolta(c.avvisoDati, avviso);
}

EsitoFile ArchivioParole::Apri(const fs::path& file) {
    Chiudi();
    auto& ultima = UltimaCopia();
    EsitoFile esito;
    // A file rewritten while it is read is read again, a few times.
    for (int tentativo = 0; tentativo < 3 && !copia_; ++tentativo) {
        std::int64_t dimensione = 0;
        const int fd = ApriFileNormale(file, kLimiteParole, dimensione, &esito);
        if (fd < 0) return esito;
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            esito = EsitoFile::DaErrno();
            ::close(fd);
            return esito;
        }
        const auto identita = IdentitaDi(st);
        if (ultima && ultima->ferma && ultima->file == file && ultima->identita == identita) {
            ::close(fd);
            copia_ = ultima;
            break;
        }
        std::string byte;
        esito = LeggiTutto(fd, dimensione, st, byte);
        ::close(fd);
        if (esito.errore == kCambiato) continue;
        if (!esito) return esito;
        constexpr std::int64_t kSecondo = 1'000'000'000;
        auto nuova = std::make_shared<Copia>();
        nuova->file = file;
        nuova->identita = identita;
        nuova->ferma = std::max(identita.modifica, identita.cambio) < Adesso() - kSecondo;
        nuova->byte = ultima && *ultima->byte == byte ? ultima->byte
                                                      : std::make_shared<const std::string>(std::move(byte));
        ultima = nuova;
        copia_ = std::move(nuova);
    }
    if (!copia_) return esito;
    dati_ = copia_->byte->data();
    // The first 15 bytes belong to no record.
    const auto dimensione = Dimensione();
    const auto records = dimensione < 15 ? 0 : (dimensione - 15) / 16;
    numRecord_ = records > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(records);
    return {};
}

void ArchivioParole::Chiudi() {
    copia_.reset();
    dati_ = nullptr;
    numRecord_ = 0;
}

std::int64_t ArchivioParole::Dimensione() const {
    return copia_ ? static_cast<std::int64_t>(copia_->byte->size()) : 0;
}

bool ArchivioParole::StessaCopia(const ArchivioParole& altro) const {
    return copia_ && altro.copia_ && copia_->byte == altro.copia_->byte;
}

}  // namespace tramelo
