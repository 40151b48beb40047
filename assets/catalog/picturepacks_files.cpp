#include "picturepacks.h"

#include <QFile>
#include <QResource>
#include <QString>

namespace {

// Where the page writes the packs it fetched: the one for its screen's pixel
// ratio, or both (the tests). A missing ratio is drawn from the other one.
constexpr const char* kPacks[] = {"/pictures/pictures.rcc", "/pictures/pictures@2x.rcc"};

} // namespace

void ensurePicturePacks() {
    static const bool registered = [] {
        for (const char* pack : kPacks) {
            const QString path = QString::fromLatin1(pack);
            if (QFile::exists(path) && !QResource::registerResource(path))
                qWarning("cannot read the picture pack %s", pack);
        }
        return true;
    }();
    Q_UNUSED(registered);
}
