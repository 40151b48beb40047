#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Hands out the program's pictures, drawn at build time at twice their size
// and shown with a device pixel ratio of 2.
class PictureStore {
public:
    static QPixmap pixmap(const QString& name);
    static QIcon windowIcon();
    static bool has(const QString& name);
};
