// Starts the game: the platform, the game context on the program's own folder, the window.
#include <QApplication>
#include <QFile>
#include <csignal>

#include "app/Eventi.h"
#include "app/qt/FinestraTramelo.h"
#include "app/qt/PiattaformaQt.h"

int main(int argc, char** argv) {
    // Over a file-size limit a write then fails like any other (and is reported) instead of killing the game.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    tramelo::qt::ImmaginiQt immagini;
    tramelo::qt::PiattaformaQt piattaforma(immagini);
    tramelo::Contesto c(piattaforma, QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    tramelo::qt::FinestraTramelo finestra(c, immagini);
    piattaforma.ImpostaFinestra(&finestra);
    finestra.Esegui(tramelo::Form_Initialize);
    finestra.Posiziona();
    finestra.show();
    return QApplication::exec();
}
