#pragma once

#include <QString>

class QFile;

// Why a file of the content folder cannot be read. The texts, the drill's
// pictures and the content checker all word these the same way.
enum class ContentProblem {
    NotFound,     // the file, or one of its folders, does not exist
    IsFolder,     // a folder stands where the file should be
    NotAFile,     // a pipe or a device: reading it could block for ever
    TooLarge,     // far larger than any content file: damaged
    NoPermission, // the system refuses to open it
    CannotOpen,   // any other failure to open it; detail says which
    CannotRead,   // opened, but reading failed; detail says why
};

// The message for a problem, in Japanese; detail is the system's own wording.
QString contentProblemText(ContentProblem problem, const QString& detail = {});

// Opens fullPath read-only into *file. Files larger than maxBytes (when it is
// not negative) are refused before they are opened. Returns why the file
// cannot be opened, or an empty string when it is open.
QString openContentFile(const QString& fullPath, QFile* file, qint64 maxBytes = -1);

// Reads an open file to its end, but never more than maxBytes + 1 bytes (so a
// caller can tell a file that grew past the limit). Empty on a read error,
// which file->error() then names.
QByteArray readContentBytes(QFile* file, qint64 maxBytes);
