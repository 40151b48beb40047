#pragma once

#include <QImage>
#include <QString>

enum class PngPacking {
    Fastest, // whichever of stored and fast deflate the program decodes faster
    Palette, // the smallest file, for a network: 256 colours, deflated at level 9
};

// Writes a PNG through libpng. Fastest writes it with no row filters, so that
// the program decodes it at little more than the cost of a copy, and keeps a
// picture stored (the resource compiler packs it with zstd) unless fast
// deflate shrinks it to under a fraction of that.
// Palette quantises the picture to at most 256 colours with libimagequant
// (dithered, its transparency kept in the palette) and deflates it at the
// highest level; a picture that the palette would visibly change is written
// in full colour instead, with row filters and the same deflate. Returns an
// error message, or empty.
QString writePng(const QImage& image, const QString& path, PngPacking packing);

// Deflate is kept where it makes the picture this many times smaller.
inline constexpr int kPackedShare = 8;

// libimagequant's quality (0–100, from the mean squared error) below which a
// picture keeps its full colour rather than risk visible bands. The program's
// pictures reach 88–100 with dithering, and look unchanged beside their
// originals.
inline constexpr int kMinPaletteQuality = 85;
