#include "checkplatform.h"

#include <QByteArray>
#include <QtGlobal>

CheckerConsole::CheckerConsole() {
    // Nothing is shown: measuring text needs fonts, not a display, so the
    // checker runs the same over SSH or in a terminal without a desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

// A terminal keeps its own encoding and stays open after the checker.
CheckerConsole::~CheckerConsole() = default;
