#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Hands out the program's pictures, drawn at build time at their own size and
// at twice it: the twice-size ones, with a device pixel ratio of 2, where a
// screen is high-DPI.
class PictureStore {
public:
    static QPixmap pixmap(const QString& name);
    static QIcon windowIcon();
    static bool has(const QString& name);
};
