#include "basefolder.h"
#include "fullscreen.h"
#include "lazysoundplayer.h"
#include "navigator.h"
#include "program.h"
#include "schoolfolder.h"
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
    // F11 toggles the full screen; the big screen's shortcut starts in it.
    FullScreen fullScreen(navigator);
    if (QCoreApplication::arguments().contains(QStringLiteral("--fullscreen")))
        fullScreen.enter();
    startProgram(navigator, sound,
                 ContentBaseFolder(QCoreApplication::applicationDirPath(), SchoolContentFolder()));
    if (navigator.ended())
        return navigator.exitStatus();
    return app.exec();
}
