// Case-insensitive file names below the program folder, bounded reads, atomic writes.
#include "files/Percorsi.h"

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>

#include "app/Contesto.h"
#include "files/Testo.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

// A temporary name: "." + the file's name + "." + kLettereCasuali of kCifre + kCoda.
constexpr std::string_view kCifre = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kLettereCasuali = 8;
constexpr std::string_view kCoda = ".tmp";

// The temporary name of `nome`, with letters and digits nobody can guess in advance.
std::string NomeTemporaneoDi(const std::string& nome) {
    static std::mt19937_64 g{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    std::string s(kLettereCasuali, ' ');
    for (auto& c : s) c = kCifre[g() % kCifre.size()];
    return "." + nome + "." + s + std::string(kCoda);
}

EsitoFile ScriviTutto(int fd, std::string_view contenuto) {
    while (!contenuto.empty()) {
        const auto n = ::write(fd, contenuto.data(), contenuto.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return EsitoFile::DaErrno();
        if (n == 0) return {ENOSPC};
        contenuto.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// Moves the flushed temporary file to its name: a rename replaces, a no-replace rename (or, where the
// file system has none, a hard link and the temporary name removed) never does.
EsitoFile MettiAlPosto(const fs::path& temporaneo, const fs::path& destinazione, ModoScrittura modo) {
    if (modo == ModoScrittura::Sostituisci)
        return ::rename(temporaneo.c_str(), destinazione.c_str()) == 0 ? EsitoFile{} : EsitoFile::DaErrno();
    if (::renameat2(AT_FDCWD, temporaneo.c_str(), AT_FDCWD, destinazione.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS) return EsitoFile::DaErrno();
    if (::link(temporaneo.c_str(), destinazione.c_str()) != 0) return EsitoFile::DaErrno();
    ::unlink(temporaneo.c_str());
    return {};
}

// A file's new name is on the disk only once its folder is: flushed, errors ignored (some file systems
// cannot flush a folder, and the file itself is already safe).
void FlushCartella(const fs::path& cartella) {
    const int fd = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The player's files: the library folder, with the current puzzle, and the working picture.
bool DelGiocatore(std::string_view relativo) {
    const auto inizio = relativo.find_first_not_of("\\/");
    if (inizio == std::string_view::npos) return false;
    const auto fine = relativo.find_first_of("\\/", inizio);
    const auto parte = Minuscolo(relativo.substr(inizio, fine - inizio));
    return parte == "schemi" || parte == "filetemp.jpg";
}

}  // namespace

fs::path Risolvi(const fs::path& cartella, std::string_view relativo) {
    fs::path p = cartella;
    std::size_t i = 0;
    while (i <= relativo.size()) {
        const auto j = relativo.find_first_of("\\/", i);
        const auto parte = std::string(relativo.substr(i, j == std::string_view::npos ? j : j - i));
        i = j == std::string_view::npos ? relativo.size() + 1 : j + 1;
        if (parte.empty()) continue;
        fs::path trovato = p / parte;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(trovato, ec))) {
            const auto chiave = Minuscolo(parte);
            std::string migliore;
            for (fs::directory_iterator it(p, ec), fine; !ec && it != fine; it.increment(ec)) {
                const auto nome = it->path().filename().string();
                if (Minuscolo(nome) == chiave && (migliore.empty() || nome < migliore)) migliore = nome;
            }
            if (!migliore.empty()) trovato = p / migliore;
        }
        p = trovato;
    }
    return p;
}

fs::path Percorso(const Contesto& c, std::string_view relativo) {
    return Risolvi(DelGiocatore(relativo) ? c.cartelle.giocatore : c.cartelle.dati, relativo);
}

bool NomeTemporaneo(std::string_view nome) {
    constexpr std::size_t kFisse = 1 + 1 + kLettereCasuali + kCoda.size();  // the dots, letters, tail
    if (nome.size() <= kFisse || nome.front() != '.' || !nome.ends_with(kCoda)) return false;
    const auto casuali = nome.substr(nome.size() - kCoda.size() - kLettereCasuali, kLettereCasuali);
    return nome[nome.size() - kCoda.size() - kLettereCasuali - 1] == '.' &&
           casuali.find_first_not_of(kCifre) == std::string_view::npos;
}

int RimuoviTemporanei(const fs::path& cartella) {
    const int dir = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return 0;
    int rimossi = 0;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const auto nome = it->path().filename().string();
        struct stat st {};
        // Only what a write of ours leaves: a regular file, never a link, a folder or anything else.
        if (!NomeTemporaneo(nome) || ::fstatat(dir, nome.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        if (::unlinkat(dir, nome.c_str(), 0) == 0) ++rimossi;
    }
    ::close(dir);
    if (rimossi > 0) FlushCartella(cartella);
    return rimossi;
}

IdentitaInode InodeDi(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::optional<IdentitaInode> InodeFileNormale(const fs::path& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return InodeDi(st);
}

EsitoFile ScriviAtomico(const fs::path& destinazione, std::string_view contenuto, ModoScrittura modo) {
    int fd = -1;
    fs::path temporaneo;
    for (int tentativo = 0; tentativo < 16 && fd < 0; ++tentativo) {
        temporaneo = destinazione.parent_path() / NomeTemporaneoDi(destinazione.filename().string());
        fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return EsitoFile::DaErrno();
    }
    if (fd < 0) return {EEXIST};
    EsitoFile esito = ScriviTutto(fd, contenuto);
    if (esito && ::fsync(fd) != 0) esito = EsitoFile::DaErrno();
    if (::close(fd) != 0 && esito) esito = EsitoFile::DaErrno();
    if (esito) esito = MettiAlPosto(temporaneo, destinazione, modo);
    if (!esito) {
        ::unlink(temporaneo.c_str());
        return esito;
    }
    FlushCartella(destinazione.parent_path());
    return {};
}

int ApriFileNormale(const fs::path& file, std::int64_t limite, std::int64_t& dimensione, EsitoFile* esito,
                    Collegamenti collegamenti, IdentitaInode* identita) {
    auto rifiuta = [&](EsitoFile e) {
        if (esito != nullptr) *esito = e;
        return -1;
    };
    const int nonSeguire = collegamenti == Collegamenti::Rifiuta ? O_NOFOLLOW : 0;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | nonSeguire);
    if (fd < 0) return rifiuta(EsitoFile::DaErrno());
    struct stat st {};
    EsitoFile motivo;
    if (::fstat(fd, &st) != 0)
        motivo = EsitoFile::DaErrno();
    else if (S_ISDIR(st.st_mode))
        motivo = {EISDIR};
    else if (!S_ISREG(st.st_mode))
        motivo = {kNonFileNormale};
    else if (st.st_size > limite)
        motivo = {kTroppoGrande};
    if (!motivo) {
        ::close(fd);
        return rifiuta(motivo);
    }
    dimensione = st.st_size;
    if (identita != nullptr) *identita = InodeDi(st);
    if (esito != nullptr) *esito = {};
    return fd;
}

EsitoFile LeggiFile(const fs::path& file, std::string& contenuto, std::int64_t limite,
                    Collegamenti collegamenti, IdentitaInode* identita) {
    std::int64_t dimensione = 0;
    EsitoFile esito;
    const int fd = ApriFileNormale(file, limite, dimensione, &esito, collegamenti, identita);
    if (fd < 0) return esito;
    // Read to the end, but never past the limit: the file may grow while it is read.
    std::string testo(static_cast<std::size_t>(dimensione), '\0');
    std::size_t letti = 0;
    for (;;) {
        if (letti == testo.size()) {
            if (static_cast<std::int64_t>(testo.size()) >= limite + 1) {
                esito = {kTroppoGrande};
                break;
            }
            testo.resize(std::min<std::size_t>(testo.size() + 4096, static_cast<std::size_t>(limite + 1)));
        }
        const auto n = ::read(fd, testo.data() + letti, testo.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) esito = EsitoFile::DaErrno();
        if (n <= 0) break;
        letti += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (esito && static_cast<std::int64_t>(letti) > limite) esito = {kTroppoGrande};
    if (!esito) return esito;
    testo.resize(letti);
    contenuto = std::move(testo);
    return {};
}

}  // namespace tramelo
