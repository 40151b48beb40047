#include "testmain.h"

#include "platformtuning.h"
#include "programlook.h"

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
    // The screens under test look, and their panels measure, as in the program.
    tunePlatform();
    applyProgramLook();
    int failures = 0;
    // MIROSUTA_TEST_CLASS=Name runs one class only (handy while working on it).
    const QByteArray only = qgetenv("MIROSUTA_TEST_CLASS");
    for (const auto& make : testmain::registry()) {
        std::unique_ptr<QObject> test(make());
        if (!only.isEmpty() && only != test->metaObject()->className())
            continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
