#include "contentfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

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

QByteArray readContentBytes(QFile* file, qint64 maxBytes) {
    // Not file->read(maxBytes + 1): QIODevice sets that many bytes aside
    // before it reads, 16 MB for every small text a screen opens. The size is
    // only a hint (a file may grow while it is read), so read in steps.
    constexpr qint64 kStep = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min(file->size(), maxBytes) + 1));
    while (bytes.size() <= maxBytes) {
        const QByteArray step = file->read(std::min(kStep, maxBytes + 1 - bytes.size()));
        if (step.isEmpty())
            break;
        bytes += step;
    }
    return bytes;
}
