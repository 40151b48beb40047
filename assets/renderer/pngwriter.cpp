#include "pngwriter.h"

#include <QFile>
#include <cstdio>
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

} // namespace

QString writeFastPng(const QImage& image, const QString& path) {
    // A picture without transparency is stored as RGB: a quarter less to read,
    // and Qt loads it in the pixmap's own format with no conversion.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const bool rgb = opaque(rgba);
    const QImage pixels = rgb ? rgba.convertToFormat(QImage::Format_RGB888) : rgba;
    FILE* fp = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!fp)
        return QStringLiteral("cannot open %1").arg(path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(fp);
        return QStringLiteral("libpng failed on %1").arg(path);
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, png_uint_32(pixels.width()), png_uint_32(pixels.height()), 8,
                 rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 0);
    png_write_info(png, info);
    std::vector<png_bytep> rows(std::size_t(pixels.height()));
    for (int y = 0; y < pixels.height(); ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(pixels.constScanLine(y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(fp) == 0 ? QString() : QStringLiteral("cannot close %1").arg(path);
}
