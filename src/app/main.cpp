#include "allscreens.h"
#include "navigator.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Moving between screens closes one window before the next opens.
    app.setQuitOnLastWindowClosed(false);
    registerAllScreens();
    StartUp(QCoreApplication::applicationDirPath());
    if (Navigator::instance().ended())
        return Navigator::instance().exitStatus();
    return app.exec();
}
