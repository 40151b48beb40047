#include "picturestore.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmapCache>

// The pictures are compiled into this static library, whose resources are
// registered by hand: at start, with the store.
static void registerPictureResources() {
    Q_INIT_RESOURCE(pictures);
}
Q_CONSTRUCTOR_FUNCTION(registerPictureResources)

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
    const int ratio = pictureRatio();
    const QString key = QStringLiteral("picture:%1@%2").arg(name).arg(ratio);
    QPixmap p;
    if (QPixmapCache::find(key, &p))
        return p;
    // Every picture a screen asks for is one of the catalog's, and the build
    // packs every one of those: a name that is not there is a fault of the
    // program, which stops here and names it rather than show a blank.
    if (!p.load(resourcePath(name, ratio)))
        qFatal("no picture named \"%s\" among the program's pictures", qPrintable(name));
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
