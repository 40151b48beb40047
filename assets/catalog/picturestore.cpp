#include "picturestore.h"

#include "picturecatalog.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>

namespace {

constexpr int kCacheKiB = 16 * 1024;

QString resourcePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.png").arg(name);
}

QPixmap placeholder(const QString& name) {
    QSize size = pictureSize(name);
    if (!size.isValid())
        size = QSize(32, 32);
    QPixmap p(size * 2);
    p.setDevicePixelRatio(2);
    p.fill(QColor(230, 230, 230));
    QPainter painter(&p);
    painter.setPen(Qt::darkGray);
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter | Qt::TextWordWrap, name);
    return p;
}

} // namespace

QPixmap PictureStore::pixmap(const QString& name) {
    // The pictures are stored unfiltered, so decoding one again costs about a
    // copy; a bounded cache keeps the often-used ones without holding all
    // twenty screens' pictures for the life of the program.
    static const bool limited = [] {
        QPixmapCache::setCacheLimit(kCacheKiB);
        return true;
    }();
    Q_UNUSED(limited);
    const QString key = QStringLiteral("picture:") + name;
    QPixmap p;
    if (QPixmapCache::find(key, &p))
        return p;
    if (!p.load(resourcePath(name)))
        p = placeholder(name);
    p.setDevicePixelRatio(2);
    QPixmapCache::insert(key, p);
    return p;
}

QIcon PictureStore::windowIcon() {
    return QIcon(pixmap(QStringLiteral("icon")));
}

bool PictureStore::has(const QString& name) {
    return QFile::exists(resourcePath(name));
}
