#pragma once

#include <QString>

// The content folder is the folder that holds the executable, or the school's
// folder that the installation names, without a trailing separator. It is
// set once at start-up and handed to each screen; nothing keeps it globally.

// A folder path ending in a separator (the root of a drive, "C:\") loses exactly
// that one character; any other path stays whole.
QString RootFolderRule(const QString& folder);

// The base folder followed by a content path written with "\" separators, e.g.
// "\説明\メニュー\msg1.txt", mapped onto this platform's separator.
QString ContentPath(const QString& baseFolder, const QString& relative);

// Where the program and the checker read 説明, 画像 and 音: the school's
// folder when one is named (never anything else then, even when it cannot be
// reached: its files are reported missing by their paths), else the folder
// of the executable.
QString ContentBaseFolder(const QString& executableFolder, const QString& schoolFolder);
