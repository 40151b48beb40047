#include "pngwriter.h"

#include <QByteArray>
#include <QFile>
#include <libimagequant.h>
#include <memory>
#include <png.h>
#include <vector>

namespace {

bool opaque(const QImage& rgba) {
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar* row = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x)
            if (row[4 * x + 3] != 255)
                return false;
    }
    return true;
}

// What libpng writes: rows of 8-bit samples of one colour type, and for a
// palette picture its colours and their opacities (tRNS, up to the last
// colour that is not opaque).
struct PngPixels {
    int width = 0;
    int height = 0;
    int colourType = PNG_COLOR_TYPE_RGB;
    std::vector<const uchar*> rows;
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
};

PngPixels truecolour(const QImage& pixels, bool rgb) {
    PngPixels p;
    p.width = pixels.width();
    p.height = pixels.height();
    p.colourType = rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA;
    for (int y = 0; y < pixels.height(); ++y)
        p.rows.push_back(pixels.constScanLine(y));
    return p;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void flushNothing(png_structp) {}

// The pixels as a PNG with the given row filters and deflate level; empty if
// libpng fails.
QByteArray encode(const PngPixels& pixels, int filters, int level) {
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return QByteArray();
    }
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_IHDR(png, info, png_uint_32(pixels.width), png_uint_32(pixels.height), 8,
                 pixels.colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!pixels.palette.empty())
        png_set_PLTE(png, info, pixels.palette.data(), int(pixels.palette.size()));
    if (!pixels.alphas.empty())
        png_set_tRNS(png, info, pixels.alphas.data(), int(pixels.alphas.size()), nullptr);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
    png_set_compression_level(png, level);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(pixels.rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Frees whichever of libimagequant's objects it is given.
struct LiqFree {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};

// The picture in at most 256 colours, dithered by libimagequant at its most
// careful speed; false where it fails or falls below kMinPaletteQuality.
// `indices` holds the pixels that `into`'s rows point at.

bool quantise(const QImage& rgba, std::vector<uchar>* indices, PngPixels* into) {
    const std::unique_ptr<liq_attr, LiqFree> attr(liq_attr_create());
    if (!attr || liq_set_speed(attr.get(), 1) != LIQ_OK ||
        liq_set_quality(attr.get(), kMinPaletteQuality, 100) != LIQ_OK)
        return false;
    std::vector<void*> rows;
    for (int y = 0; y < rgba.height(); ++y)
        rows.push_back(const_cast<uchar*>(rgba.constScanLine(y)));
    const std::unique_ptr<liq_image, LiqFree> image(
        liq_image_create_rgba_rows(attr.get(), rows.data(), rgba.width(), rgba.height(), 0));
    liq_result* raw = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK)
        return false;
    const std::unique_ptr<liq_result, LiqFree> result(raw);
    indices->resize(std::size_t(rgba.width()) * std::size_t(rgba.height()));
    if (liq_set_dithering_level(result.get(), 1.0f) != LIQ_OK ||
        liq_write_remapped_image(result.get(), image.get(), indices->data(), indices->size()) !=
            LIQ_OK)
        return false;
    // The remapping's own quality, where libimagequant measured it, counts the
    // dithering too; the palette's counts the colours only.
    const int remapped = liq_get_remapping_quality(result.get());
    if ((remapped >= 0 ? remapped : liq_get_quantization_quality(result.get())) <
        kMinPaletteQuality)
        return false;
    const liq_palette* palette = liq_get_palette(result.get());
    into->width = rgba.width();
    into->height = rgba.height();
    into->colourType = PNG_COLOR_TYPE_PALETTE;
    into->rows.clear();
    for (int y = 0; y < rgba.height(); ++y)
        into->rows.push_back(indices->data() + std::size_t(y) * std::size_t(rgba.width()));
    into->palette.clear();
    into->alphas.clear();
    std::size_t lastClear = 0;
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color c = palette->entries[i];
        into->palette.push_back(png_color{c.r, c.g, c.b});
        into->alphas.push_back(c.a);
        if (c.a != 255)
            lastClear = i + 1;
    }
    into->alphas.resize(lastClear);
    return true;
}

} // namespace

QString writePng(const QImage& image, const QString& path, PngPacking packing) {
    // A picture without transparency is written as RGB: a quarter less to
    // read, and Qt loads it in the pixmap's own format with no conversion.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const bool rgb = opaque(rgba);
    const QImage pixels = rgb ? rgba.convertToFormat(QImage::Format_RGB888) : rgba;
    QByteArray bytes;
    if (packing == PngPacking::Palette) {
        // Palette indices are not magnitudes: a row filter's differences only
        // scramble them, so a palette picture is deflated unfiltered (as PNG
        // recommends, and libpng does by default).
        std::vector<uchar> indices;
        PngPixels palette;
        bytes = quantise(rgba, &indices, &palette)
                    ? encode(palette, PNG_FILTER_NONE, 9)
                    : encode(truecolour(pixels, rgb), PNG_ALL_FILTERS, 9);
    } else {
        // Stored, the bytes are checksummed and unpacked from the resources at
        // about three instructions each. A flat picture (a panel, a plate)
        // packs into long runs that inflate decodes faster than that; a shaded
        // drawing does not, and stays stored.
        const PngPixels full = truecolour(pixels, rgb);
        bytes = encode(full, PNG_FILTER_NONE, 0);
        const QByteArray packed = encode(full, PNG_FILTER_NONE, 1);
        if (packed.isEmpty())
            bytes.clear();
        else if (packed.size() * kPackedShare < bytes.size())
            bytes = packed;
    }
    if (bytes.isEmpty())
        return QStringLiteral("libpng failed on %1").arg(path);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(path);
    return QString();
}
