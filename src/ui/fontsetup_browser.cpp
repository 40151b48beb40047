#include "fonts.h"

#include <QFontDatabase>

namespace {

// Where the page writes the font it fetched; a browser has no Mincho of its own
// that a program may use.
constexpr char kMinchoFile[] = "/fonts/mincho.ttf";

} // namespace

void prepareFonts() {
    static const bool loaded =
        QFontDatabase::addApplicationFont(QString::fromLatin1(kMinchoFile)) >= 0;
    Q_UNUSED(loaded);
}
