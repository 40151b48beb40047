#include "testmain.h"

#include "allscreens.h"

#include <QApplication>
#include <QTest>
#include <memory>

std::vector<std::function<QObject*()>>& testmain::registry() {
    static std::vector<std::function<QObject*()>> r;
    return r;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    registerAllScreens();
    int failures = 0;
    for (const auto& make : testmain::registry()) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
