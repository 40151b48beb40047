#include "fonts.h"

#include "syntheticbold.h"

#include <QFontDatabase>
#include <QStringList>
#include <QtMath>

QString minchoFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* f : {"ＭＳ 明朝", "MS Mincho", "IPAex明朝", "IPAexMincho", "IPAMincho"}) {
            const QString name = QString::fromUtf8(f);
            if (families.contains(name))
                return name;
        }
        return QStringLiteral("serif");
    }();
    return family;
}

QFont minchoFont(double points) {
    QFont f(minchoFamily());
    f.setPixelSize(qRound(points * 96.0 / 72.0));
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    // Unhinted outlines look the same at these sizes, and leaving out the
    // autohinter halves the work of loading each new glyph.
    f.setHintingPreference(QFont::PreferNoHinting);
    keepRegularAdvances(f);
    return f;
}
