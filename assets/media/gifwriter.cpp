#include "gifwriter.h"

#include <QFile>
#include <QHash>
#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTransparentIndex = 255;

bool fail(QString* error, const QString& what, int code) {
    if (error)
        *error = QStringLiteral("%1: %2").arg(what, QString::fromUtf8(GifErrorString(code)));
    return false;
}

} // namespace

bool GifWriter::write(const QImage& image, const QString& path, QString* error) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const std::size_t n = std::size_t(w) * std::size_t(h);
    std::vector<GifByteType> red(n), green(n), blue(n), index(n);
    std::vector<bool> clear(n, false);
    bool anyClear = false;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
            QRgb c = line[x];
            if (qAlpha(c) < 128) {
                clear[i] = anyClear = true;
                c = qRgb(255, 255, 255);
            }
            red[i] = GifByteType(qRed(c));
            green[i] = GifByteType(qGreen(c));
            blue[i] = GifByteType(qBlue(c));
        }
    }
    // The commonest visible colour (the ground of a picture) keeps an entry
    // of its own, exact, so that the picture's ground matches what it is
    // laid on; the other colours share the rest of the palette.
    QHash<QRgb, int> counts;
    for (std::size_t i = 0; i < n; ++i)
        if (!clear[i])
            ++counts[qRgb(red[i], green[i], blue[i])];
    QRgb ground = 0;
    int groundCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > groundCount || (it.value() == groundCount && it.key() < ground)) {
            ground = it.key();
            groundCount = it.value();
        }
    const int groundIndex = anyClear ? kTransparentIndex - 1 : kTransparentIndex;
    int colours = groundIndex;
    std::vector<GifColorType> palette(256, GifColorType{255, 255, 255});
    if (GifQuantizeBuffer(unsigned(w), unsigned(h), &colours, red.data(), green.data(), blue.data(),
                          index.data(), palette.data()) != GIF_OK)
        return fail(error, QStringLiteral("quantising failed"), E_GIF_ERR_NOT_ENOUGH_MEM);
    palette[std::size_t(groundIndex)] = {GifByteType(qRed(ground)), GifByteType(qGreen(ground)),
                                         GifByteType(qBlue(ground))};
    for (std::size_t i = 0; i < n; ++i) {
        if (clear[i])
            index[i] = kTransparentIndex;
        else if (qRgb(red[i], green[i], blue[i]) == ground)
            index[i] = GifByteType(groundIndex);
    }

    ColorMapObject* map = GifMakeMapObject(256, palette.data());
    int code = E_GIF_ERR_OPEN_FAILED;
    // Opened here rather than by giflib, which would make the file private to its owner.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    GifFileType* gif = fd >= 0 ? EGifOpenFileHandle(fd, &code) : nullptr;
    if (!gif) {
        if (fd >= 0)
            ::close(fd);
        GifFreeMapObject(map);
        return fail(error, QStringLiteral("cannot open %1").arg(path), code);
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    if (ok && anyClear) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = kTransparentIndex;
        GifByteType ext[4];
        const std::size_t len = EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, index.data() + std::size_t(y) * std::size_t(w), w) == GIF_OK;
    const int writeError = gif->Error;
    int closeCode = 0;
    const bool closed = EGifCloseFile(gif, &closeCode) == GIF_OK;
    GifFreeMapObject(map);
    if (!ok)
        return fail(error, QStringLiteral("cannot write %1").arg(path), writeError);
    if (!closed)
        return fail(error, QStringLiteral("cannot close %1").arg(path), closeCode);
    return true;
}
