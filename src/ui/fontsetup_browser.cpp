#include "fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {

// Where the page writes the fonts it fetched; a browser has no Mincho of its
// own that a program may use.
constexpr char kMinchoFile[] = "/fonts/mincho.ttf";
// The rarer kanji, in a family of their own, written only when a text holds
// one of them.
constexpr char kMoreKanjiFile[] = "/fonts/mincho-more.ttf";

} // namespace

void prepareFonts() {
    static const bool loaded = [] {
        const bool mincho =
            QFontDatabase::addApplicationFont(QString::fromLatin1(kMinchoFile)) >= 0;
        const QString more = QString::fromLatin1(kMoreKanjiFile);
        if (QFile::exists(more)) {
            const int id = QFontDatabase::addApplicationFont(more);
            // Taken for any kanji the Mincho lacks, before the platform's own.
            for (const QString& family : QFontDatabase::applicationFontFamilies(id))
                QFontDatabase::addApplicationFallbackFontFamily(QChar::Script_Han, family);
        }
        return mincho;
    }();
    Q_UNUSED(loaded);
}
