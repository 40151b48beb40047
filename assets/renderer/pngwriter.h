#pragma once

#include <QImage>
#include <QString>

// Writes a PNG through libpng with no row filters and no deflate, so that the
// program decodes it at almost the cost of a copy; the resource compiler packs
// the stored bytes with zstd instead. Returns an error message, or empty.
QString writeFastPng(const QImage& image, const QString& path);
