#pragma once

#include <QString>

// The folder that holds the executable, without a trailing separator. The only
// program-wide variable.
const QString& BaseFolder();
void SetBaseFolder(const QString& folder);

// A folder path ending in a separator (the root of a drive, "C:\") loses exactly
// that one character; any other path stays whole.
QString RootFolderRule(const QString& folder);

// BaseFolder followed by a content path written with "\" separators, e.g.
// "\説明\メニュー\msg1.txt", mapped onto this platform's separator.
QString ContentPath(const QString& relative);
