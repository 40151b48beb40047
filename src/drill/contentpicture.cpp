#include "contentpicture.h"

#include "contentfile.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

// The allocation limit is global to Qt; keep ours only for the one read.
class AllocationLimit {
public:
    explicit AllocationLimit(int megabytes) : m_saved(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_saved); }

private:
    int m_saved;
};

// 2000 x 2000 ARGB is about 16 MB; allow a little over that.
constexpr int kAllocationLimitMegabytes = 32;

QString tooLarge(int width, int height) {
    return QStringLiteral(
               "画像が大きすぎます（%1 × %2 ピクセル。画像が壊れている可能性があります）。")
        .arg(width)
        .arg(height);
}

} // namespace

QString loadContentPicture(const QString& fullPath, QPixmap* pixmap) {
    QFile file;
    const QString reason = openContentFile(fullPath, &file);
    if (!reason.isEmpty())
        return reason;

    // Qt's GIF decoder shows a cut-off file as a half-drawn picture; a whole GIF
    // ends with its trailer byte, so a missing one means the file was cut short.
    const QByteArray header = file.peek(10);
    const bool looksLikeGif = header.startsWith("GIF");
    // The screen size in the header bounds the decoded picture; refuse a huge
    // one before the decoder allocates it.
    if (looksLikeGif && header.size() == 10) {
        const auto byte = [&](int i) { return int(static_cast<unsigned char>(header[i])); };
        const int width = byte(6) | byte(7) << 8, height = byte(8) | byte(9) << 8;
        if (width > kMaxContentPicture.width() || height > kMaxContentPicture.height())
            return tooLarge(width, height);
    }
    if (looksLikeGif &&
        (!file.seek(file.size() - 1) || file.read(1) != QByteArray(1, 0x3B) || !file.seek(0)))
        return QStringLiteral("画像のデータが途中で切れています（画像が壊れています）。");

    // Only the GIF decoder ever sees these files, whatever their content.
    QImageReader reader(&file, "gif");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead())
        return QStringLiteral("GIF 画像ではないか、画像が壊れています。");

    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return QStringLiteral("画像の大きさを読み取れません（画像が壊れています）。");
    if (size.width() > kMaxContentPicture.width() || size.height() > kMaxContentPicture.height())
        return tooLarge(size.width(), size.height());

    QImage image;
    {
        const AllocationLimit limit(kAllocationLimitMegabytes);
        if (!reader.read(&image) || image.isNull())
            return QStringLiteral("画像を読み込めません（%1）。").arg(reader.errorString());
    }
    // The size read above is the first frame's; the picture takes the size of
    // the GIF's screen, which can be far larger.
    if (image.width() > kMaxContentPicture.width() || image.height() > kMaxContentPicture.height())
        return tooLarge(image.width(), image.height());
    *pixmap = QPixmap::fromImage(std::move(image));
    if (pixmap->isNull())
        return QStringLiteral("画像を表示できません。");
    return {};
}
