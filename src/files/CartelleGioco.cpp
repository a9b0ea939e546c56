// The program folder of a copy the player owns, or the data and player's folders of an installed copy.
#include "files/CartelleGioco.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

#include "app/Contesto.h"
#include "app/Messaggi.h"
#include "app/Testi.h"
#include "files/Dizionario.h"
#include "files/Percorsi.h"

namespace fs = std::filesystem;

namespace tramelo {

namespace {

// True when `p` is `cartella` or lies below it, links resolved.
bool Dentro(const fs::path& p, const fs::path& cartella) {
    std::error_code ec;
    const auto a = fs::weakly_canonical(p, ec);
    if (ec) return true;
    const auto b = fs::weakly_canonical(cartella, ec);
    if (ec) return true;
    return std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
}

// The player's folder with its schemi/ and a current puzzle, the shipped one when it had none.
EsitoFile Crea(const fs::path& giocatore, const fs::path& dati) {
    std::error_code ec;
    fs::create_directories(giocatore / "schemi", ec);
    if (ec) return {ec.value()};
    if (!fs::is_directory(giocatore / "schemi", ec)) return {ENOTDIR};
    if (fs::exists(Risolvi(giocatore, kFileSchemaCorrente), ec)) return {};
    std::string spedito;
    // No shipped puzzle: the start-up names the missing file of the player's folder, as for any copy.
    if (!LeggiFile(Risolvi(dati, kFileSchemaCorrente), spedito, kLimiteSchema)) return {};
    return ScriviAtomico(giocatore / "schemi" / "schema.txt", spedito);
}

}  // namespace

CartelleGioco ScegliCartelle(const fs::path& cartellaEseguibile, const Ambiente& ambiente) {
    const fs::path prefisso = cartellaEseguibile.parent_path();
    const fs::path condivisi = prefisso / "share" / "tramelo";
    std::error_code ec;
    const auto nome = cartellaEseguibile.filename();
    if ((nome != "bin" && nome != "games") || !fs::is_directory(condivisi, ec))
        return {cartellaEseguibile, cartellaEseguibile, false};
    // A relative $XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    fs::path base;
    if (fs::path(ambiente.xdgDataHome).is_absolute())
        base = ambiente.xdgDataHome;
    else if (fs::path(ambiente.home).is_absolute())
        base = fs::path(ambiente.home) / ".local" / "share";
    return {condivisi, base.empty() ? fs::path() : (base / "tramelo").lexically_normal(), true};
}

void PreparaCartellaGiocatore(Contesto& c) {
    auto& giocatore = c.cartelle.giocatore;
    if (!c.cartelle.installata) return;
    // The data folder is <prefix>/share/tramelo; nothing of the player's may go below the prefix.
    const auto prefisso = c.cartelle.dati.parent_path().parent_path();
    const bool ammessa = giocatore.is_absolute() && !Dentro(giocatore, prefisso);
    EsitoFile esito;  // no reason to give for a folder that has no name or lies under the prefix
    if (ammessa) {
        esito = Crea(giocatore, c.cartelle.dati);
        if (esito) return;
    }
    c.soloLettura = true;
    c.MsgBox(ConFile(testi::kCartellaGiocatoreMancante,
                     giocatore.empty() ? fs::path("$XDG_DATA_HOME/tramelo") : giocatore, esito));
    // The shipped files stand in for the player's: the current puzzle is the shipped one and the library
    // the shipped schemi/. Every command that would write refuses (SolaLettura).
    giocatore = c.cartelle.dati;
    // The picture is still shown; its copy is one more file a read-only game does not write, and the
    // message above has said why.
    c.fileTempSospeso = true;
}

bool SolaLettura(Contesto& c, const char* testo) {
    if (!c.soloLettura) return false;
    c.MsgBox(testo);
    return true;
}

BloccoCartella::~BloccoCartella() {
    if (fd_ >= 0) ::close(fd_);
}

BloccoCartella::Esito BloccoCartella::Prendi(const fs::path& cartella) {
    if (fd_ >= 0) return Esito::Preso;
    const auto file = cartella / kFileBlocco;
    // A folder where the lock file exists but cannot be written still locks it: flock needs no write.
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Esito::NonDisponibile;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool inUso = errno == EWOULDBLOCK;
        ::close(fd);
        return inUso ? Esito::InUso : Esito::NonDisponibile;
    }
    fd_ = fd;
    return Esito::Preso;
}

bool OccupaCartellaGiocatore(Contesto& c, BloccoCartella& blocco) {
    if (c.soloLettura) return true;
    const auto esito = blocco.Prendi(c.cartelle.giocatore);
    if (esito == BloccoCartella::Esito::InUso) {
        c.MsgBox(ConFile(testi::kGiocoGiaAperto, c.cartelle.giocatore));
        return false;
    }
    if (esito == BloccoCartella::Esito::Preso) {
        RimuoviTemporanei(Percorso(c, kFileTemp).parent_path());
        RimuoviTemporanei(Percorso(c, kCartellaSchemi));
    }
    return true;
}

}  // namespace tramelo
