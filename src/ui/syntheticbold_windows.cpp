#include "syntheticbold.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPair>

void keepRegularAdvances(QFont& font) {
    if (!font.bold())
        return;
    // Measured rather than assumed: only the engine knows how it emboldens.
    static QHash<QPair<QString, int>, qreal> widening;
    const QPair<QString, int> key(font.family(), font.pixelSize());
    auto it = widening.find(key);
    if (it == widening.end()) {
        QFont regular(font);
        regular.setBold(false);
        const QChar probe(0x5B57); // 字
        it = widening.insert(key, QFontMetricsF(font).horizontalAdvance(probe) -
                                      QFontMetricsF(regular).horizontalAdvance(probe));
    }
    if (*it >= 0.5)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -*it);
}
