#pragma once

#include <QString>

// The content folder the school's installation names (the installer's
// CONTENTFOLDER: a share such as \\server\ミロスタ, or a local folder), or an
// empty string where it names none. Read, never written; one file per
// platform: schoolfolder_windows.cpp (the installer's registry value) and
// schoolfolder_other.cpp (no installer, so none).
QString SchoolContentFolder();
