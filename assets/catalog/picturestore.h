#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Hands out the program's pictures, drawn at build time at their own size and
// at twice it: the twice-size ones, with a device pixel ratio of 2, where a
// screen is high-DPI.
class PictureStore {
public:
    // For a new element: at the largest ratio of the application's screens.
    static QPixmap pixmap(const QString& name);
    // For an element drawn at that device pixel ratio.
    static QPixmap pixmap(const QString& name, qreal devicePixelRatio);
    // The ratio of the pictures handed out for that device pixel ratio: the
    // twice-size ones only where a screen has more than one device pixel per
    // logical pixel; elsewhere they would cost four times the decoding and
    // memory and be scaled down at every paint.
    static int ratioFor(qreal devicePixelRatio) { return devicePixelRatio > 1.0 ? 2 : 1; }
    static QIcon windowIcon();
    static bool has(const QString& name);
};
