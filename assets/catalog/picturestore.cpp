#include "picturestore.h"

#include "picturepacks.h"

#include <QFile>
#include <QGuiApplication>
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
    ensurePicturePacks();
    const int ratio = pictureRatio();
    const QString key = QStringLiteral("picture:%1@%2").arg(name).arg(ratio);
    QPixmap p;
    if (QPixmapCache::find(key, &p))
        return p;
    // Every picture a screen asks for is one of the catalog's, and the build
    // packs every one of those: a name that is not there is a fault of the
    // program, which stops here and names it rather than show a blank.
    // A browser may hold the pictures of one pixel ratio only (it fetched the
    // ones its screen needed); those of the other are drawn scaled.
    int drawn = ratio;
    if (!p.load(resourcePath(name, drawn))) {
        drawn = 3 - ratio;
        if (!p.load(resourcePath(name, drawn)))
            qFatal("no picture named \"%s\" among the program's pictures", qPrintable(name));
    }
    p.setDevicePixelRatio(drawn);
    QPixmapCache::insert(key, p);
    return p;
}

QIcon PictureStore::windowIcon() {
    return QIcon(pixmap(QStringLiteral("icon")));
}

bool PictureStore::has(const QString& name) {
    ensurePicturePacks();
    return QFile::exists(resourcePath(name, 1)) && QFile::exists(resourcePath(name, 2));
}
