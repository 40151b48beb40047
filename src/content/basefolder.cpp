#include "basefolder.h"

#include <QDir>

QString RootFolderRule(const QString& folder) {
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        return folder.left(folder.size() - 1);
    return folder;
}

QString ContentPath(const QString& baseFolder, const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(baseFolder + rel);
}

QString ContentBaseFolder(const QString& executableFolder, const QString& schoolFolder) {
    if (schoolFolder.isEmpty())
        return RootFolderRule(executableFolder);
    // A relative name counts from the program's folder, not from wherever it was started.
    return RootFolderRule(QDir::cleanPath(
        QDir(executableFolder).absoluteFilePath(QDir::fromNativeSeparators(schoolFolder))));
}
