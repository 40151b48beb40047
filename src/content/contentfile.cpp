#include "contentfile.h"

#include <QFile>
#include <QFileInfo>

QString contentProblemText(ContentProblem problem, const QString& detail) {
    switch (problem) {
    case ContentProblem::NotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case ContentProblem::IsFolder:
        return QStringLiteral("ファイルではなくフォルダーです。");
    case ContentProblem::NotAFile:
        return QStringLiteral("普通のファイルではないので読み込めません。");
    case ContentProblem::TooLarge:
        return QStringLiteral("ファイルが大きすぎます（壊れている可能性があります）。");
    case ContentProblem::NoPermission:
        return QStringLiteral("ファイルを開く権限がありません。");
    case ContentProblem::CannotOpen:
        return QStringLiteral("ファイルを開けません（%1）。").arg(detail);
    case ContentProblem::CannotRead:
        return QStringLiteral("ファイルを読み込めません（%1）。").arg(detail);
    }
    Q_UNREACHABLE();
}

QString openContentFile(const QString& fullPath, QFile* file, qint64 maxBytes) {
    const QFileInfo info(fullPath);
    if (!info.exists())
        return contentProblemText(ContentProblem::NotFound);
    if (info.isDir())
        return contentProblemText(ContentProblem::IsFolder);
    if (!info.isFile())
        return contentProblemText(ContentProblem::NotAFile);
    if (maxBytes >= 0 && info.size() > maxBytes)
        return contentProblemText(ContentProblem::TooLarge);
    file->setFileName(fullPath);
    if (!file->open(QIODevice::ReadOnly)) {
        if (file->error() == QFileDevice::PermissionsError)
            return contentProblemText(ContentProblem::NoPermission);
        return contentProblemText(ContentProblem::CannotOpen, file->errorString());
    }
    return {};
}
