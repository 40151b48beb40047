#pragma once

#include <QImage>
#include <QString>

enum class PngPacking {
    Stored,  // no deflate: the file is compressed whole by whatever carries it
    Fastest, // whichever of stored and fast deflate the program decodes faster
};

// Writes a PNG through libpng with no row filters, so that the program decodes
// it at little more than the cost of a copy. Fastest keeps a picture stored
// (the resource compiler packs it with zstd) unless fast deflate shrinks it to
// under a fraction of that. Returns an error message, or empty.
QString writeFastPng(const QImage& image, const QString& path, PngPacking packing);

// Deflate is kept where it makes the picture this many times smaller.
inline constexpr int kPackedShare = 8;
