#include "lazysoundplayer.h"
#include "navigator.h"
#include "program.h"
#include "services.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Moving between screens closes one window before the next opens.
    app.setQuitOnLastWindowClosed(false);
    // The drill's sounds, from the sound module beside the executable;
    // declared after the application so that it goes first.
    LazySoundPlayer sound(QCoreApplication::applicationDirPath());
    const SystemServices services(sound);
    Navigator navigator({QString(), services.services()});
    startProgram(navigator, sound, QCoreApplication::applicationDirPath());
    if (navigator.ended())
        return navigator.exitStatus();
    return app.exec();
}
