#include "checkplatform.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void prepareCheckerPlatform() {
#ifdef Q_OS_WIN
    // The report is written as UTF-8; a Japanese console expects CP932 otherwise.
    SetConsoleOutputCP(CP_UTF8);
#else
    // Nothing is shown: measuring text needs fonts, not a display, so the
    // checker runs the same over SSH or in a terminal without a desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#endif
}
