#pragma once

// Writes a picture as a GIF through giflib: colours quantised to one palette
// of at most 256 entries; pixels that are more than half transparent take a
// transparent palette entry.

#include <QImage>
#include <QString>

class GifWriter {
public:
    static bool write(const QImage& image, const QString& path, QString* error);
};
