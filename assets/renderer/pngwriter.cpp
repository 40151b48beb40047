#include "pngwriter.h"

#include <QByteArray>
#include <QFile>
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

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void flushNothing(png_structp) {}

// The picture as a PNG without row filters at the given deflate level; empty
// if libpng fails.
QByteArray encode(const QImage& pixels, bool rgb, int level) {
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return QByteArray();
    }
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_IHDR(png, info, png_uint_32(pixels.width()), png_uint_32(pixels.height()), 8,
                 rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, level);
    png_write_info(png, info);
    std::vector<png_bytep> rows(std::size_t(pixels.height()));
    for (int y = 0; y < pixels.height(); ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(pixels.constScanLine(y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace

QString writeFastPng(const QImage& image, const QString& path, PngPacking packing) {
    // A picture without transparency is stored as RGB: a quarter less to read,
    // and Qt loads it in the pixmap's own format with no conversion.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const bool rgb = opaque(rgba);
    const QImage pixels = rgb ? rgba.convertToFormat(QImage::Format_RGB888) : rgba;
    // Stored, the bytes are checksummed and unpacked from the resources at
    // about three instructions each. A flat picture (a panel, a plate) packs
    // into long runs that inflate decodes faster than that; a shaded drawing
    // does not, and stays stored.
    QByteArray bytes = encode(pixels, rgb, 0);
    const QByteArray packed = packing == PngPacking::Fastest ? encode(pixels, rgb, 1) : bytes;
    if (bytes.isEmpty() || packed.isEmpty())
        return QStringLiteral("libpng failed on %1").arg(path);
    if (packed.size() * kPackedShare < bytes.size())
        bytes = packed;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(path);
    return QString();
}
