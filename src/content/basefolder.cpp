#include "basefolder.h"

#include <QDir>

namespace {
QString& storage() {
    static QString folder;
    return folder;
}
} // namespace

const QString& BaseFolder() {
    return storage();
}

void SetBaseFolder(const QString& folder) {
    storage() = folder;
}

QString RootFolderRule(const QString& folder) {
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        return folder.left(folder.size() - 1);
    return folder;
}

QString ContentPath(const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(BaseFolder() + rel);
}
