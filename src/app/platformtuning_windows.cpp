#include "platformtuning.h"

#include <QApplication>

void tunePlatform() {
    // The screens were laid out and coloured in Qt's Fusion style, which draws
    // the text panels in the colours they are given; the classic Windows style
    // draws its own frames and scroll bars around them.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
