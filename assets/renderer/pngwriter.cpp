#include "pngwriter.h"

#include <QFile>
#include <cstdio>
#include <png.h>
#include <vector>

QString writeFastPng(const QImage& image, const QString& path) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
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
    png_set_IHDR(png, info, png_uint_32(rgba.width()), png_uint_32(rgba.height()), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 0);
    png_write_info(png, info);
    std::vector<png_bytep> rows(std::size_t(rgba.height()));
    for (int y = 0; y < rgba.height(); ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(rgba.constScanLine(y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(fp) == 0 ? QString() : QStringLiteral("cannot close %1").arg(path);
}
