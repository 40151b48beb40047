#include "picturestore.h"

#include "picturecatalog.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>

namespace {

constexpr int kCacheKiB = 6 * 1024;

QString resourcePath(const QString& name, int ratio) {
    return QStringLiteral(":/pictures/%1%2.png").arg(name, ratio > 1 ? "@2x" : "");
}

// Twice-size pictures only where a screen has more than one device pixel per
// logical pixel: elsewhere they would cost four times the decoding and memory
// and be scaled down at every paint.
int pictureRatio() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && app->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap placeholder(const QString& name, int ratio) {
    QSize size = pictureSize(name);
    if (!size.isValid())
        size = QSize(32, 32);
    QPixmap p(size * ratio);
    p.setDevicePixelRatio(ratio);
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
    const int ratio = pictureRatio();
    const QString key = QStringLiteral("picture:%1@%2").arg(name).arg(ratio);
    QPixmap p;
    if (QPixmapCache::find(key, &p))
        return p;
    if (!p.load(resourcePath(name, ratio)))
        p = placeholder(name, ratio);
    p.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, p);
    return p;
}

QIcon PictureStore::windowIcon() {
    return QIcon(pixmap(QStringLiteral("icon")));
}

bool PictureStore::has(const QString& name) {
    return QFile::exists(resourcePath(name, 1)) && QFile::exists(resourcePath(name, 2));
}
