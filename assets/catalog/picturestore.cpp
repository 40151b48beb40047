#include "picturestore.h"

#include "picturepacks.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>

namespace {

// Three megabytes of pictures: what the cache held when each picture was also
// filed a second time by QPixmap::load.
constexpr int kCacheKiB = 3 * 1024;

QString resourcePath(const QString& name, int ratio) {
    return QStringLiteral(":/pictures/%1%2.png").arg(name, ratio > 1 ? "@2x" : "");
}

qreal applicationRatio() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

// Every picture of the program is a PNG: told so, Qt's reader neither asks nor
// loads its image format plugins (GIF, ICO and JPEG with libjpeg, 5 ms at the
// first picture), and the pixmap is not filed in the cache a second time.
bool readPicture(const QString& path, QPixmap* into) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    *into = QPixmap::fromImageReader(&reader);
    return !into->isNull();
}

} // namespace

QPixmap PictureStore::pixmap(const QString& name) {
    return pixmap(name, applicationRatio());
}

QPixmap PictureStore::pixmap(const QString& name, qreal devicePixelRatio) {
    // Decoding a picture again is cheap: the desktop's are stored unfiltered
    // (about the cost of a copy), and the browser's palette pictures inflate
    // faster than full-colour ones would from its packs. So a bounded cache
    // keeps the often-used ones without holding all twenty screens' pictures
    // for the life of the program.
    static const bool limited = [] {
        QPixmapCache::setCacheLimit(kCacheKiB);
        return true;
    }();
    Q_UNUSED(limited);
    ensurePicturePacks();
    const int ratio = ratioFor(devicePixelRatio);
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
    if (!readPicture(resourcePath(name, drawn), &p)) {
        drawn = 3 - ratio;
        if (!readPicture(resourcePath(name, drawn), &p))
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
