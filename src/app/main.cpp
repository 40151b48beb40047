#include "allscreens.h"
#include "navigator.h"
#include "qtsoundplayer.h"
#include "services.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Moving between screens closes one window before the next opens.
    app.setQuitOnLastWindowClosed(false);
    registerAllScreens();
    // The drill's sounds; declared after the application so that it goes first.
    QtSoundPlayer sound;
    Services::setSound(&sound);
    StartUp(QCoreApplication::applicationDirPath());
    if (Navigator::instance().ended())
        return Navigator::instance().exitStatus();
    return app.exec();
}
