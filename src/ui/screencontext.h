#pragma once

#include "basefolder.h"
#include "services.h"

#include <QString>

// What a screen is given by whoever opens it: the content folder it reads
// from and the services through which it acts outside itself. Nothing of it
// is global; each test gives each screen its own.
struct ScreenContext {
    QString baseFolder; // the executable's folder, without a trailing separator
    Services services;

    // The base folder followed by a content path: "\説明\メニュー\msg1.txt".
    QString contentPath(const QString& relative) const { return ContentPath(baseFolder, relative); }
};

// A content file that could not be read or shown: its full path and why.
struct ContentFailure {
    QString path;
    QString reason;
};
