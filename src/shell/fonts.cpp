#include "fonts.h"

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
    return f;
}
