#include "programlook.h"

#include <QApplication>

void applyProgramLook() {
    // Fusion is built into Qt Widgets: no style plugin to pack.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
