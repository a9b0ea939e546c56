// Starts the game: the platform, the game context on its folders, the window.
#include <pwd.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <csignal>
#include <cstdlib>

#include "app/Eventi.h"
#include "app/qt/FinestraTramelo.h"
#include "app/qt/PiattaformaQt.h"
#include "files/CartelleGioco.h"

namespace {

std::string Variabile(const char* nome) {
    const char* v = std::getenv(nome);
    return v != nullptr ? v : "";
}

// $HOME, or the home folder the user database gives when it is unset.
std::string Casa() {
    auto casa = Variabile("HOME");
    if (casa.empty())
        if (const passwd* utente = getpwuid(getuid()); utente != nullptr && utente->pw_dir != nullptr)
            casa = utente->pw_dir;
    return casa;
}

}  // namespace

int main(int argc, char** argv) {
    // Over a file-size limit a write then fails like any other (and is reported) instead of killing the game.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(tramelo::qt::kIdApplicazione);
    QGuiApplication::setWindowIcon(tramelo::qt::IconaTramelo());
    tramelo::qt::ImmaginiQt immagini;
    tramelo::qt::PiattaformaQt piattaforma(immagini);
    const auto cartelle =
        tramelo::ScegliCartelle(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
                                {Variabile("XDG_DATA_HOME"), Casa()});
    tramelo::Contesto c(piattaforma, cartelle);
    tramelo::qt::FinestraTramelo finestra(c, immagini);
    piattaforma.ImpostaFinestra(&finestra);
    finestra.Esegui(tramelo::PreparaCartellaGiocatore);
    // One game per player's folder: a second one says so and ends before its window opens. The lock
    // lives as long as main, and the kernel drops it when the process ends.
    tramelo::BloccoCartella blocco;
    bool libera = true;
    finestra.Esegui(
        [&](tramelo::Contesto& contesto) { libera = tramelo::OccupaCartellaGiocatore(contesto, blocco); });
    if (!libera) return EXIT_FAILURE;
    finestra.Esegui(tramelo::Form_Initialize);
    finestra.Posiziona();
    finestra.show();
    return QApplication::exec();
}
