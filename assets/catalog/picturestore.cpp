#include "picturestore.h"

#include "picturecatalog.h"

#include <QFile>
#include <QHash>
#include <QPainter>

namespace {

QString resourcePath(const QString& name) { return QStringLiteral(":/pictures/%1.png").arg(name); }

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
    // Screens are rebuilt at every opening; decoding each PNG once keeps that instant.
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QPixmap p;
    if (!p.load(resourcePath(name)))
        p = placeholder(name);
    p.setDevicePixelRatio(2);
    cache.insert(name, p);
    return p;
}

QIcon PictureStore::windowIcon() { return QIcon(pixmap(QStringLiteral("icon"))); }

bool PictureStore::has(const QString& name) { return QFile::exists(resourcePath(name)); }
