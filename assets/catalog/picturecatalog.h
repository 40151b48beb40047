#pragma once

// The pictures that belong to the screens: their names and their sizes in
// logical pixels. Each is stored at twice that size for high-DPI screens.

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace cell {
enum class Structure;
}

struct PictureEntry {
    QString name;
    QSize size; // logical pixels (device pixel ratio 1)
};

const std::vector<PictureEntry>& pictureCatalog();
QSize pictureSize(const QString& name); // invalid size for an unknown name

// Names built from a structure, e.g. pictureName("plate", Bcc) == "plate-bcc".
QString pictureName(const QString& stem, cell::Structure s);
QString pieceName(cell::Structure s, int index);
QString keyName(int digit);

// The words set on a drawing of the catalog when it turns (drawn at build
// time, since only the build has the fonts): "<drawing>-focus" and so on.
enum class WordPicture { Focus, JoinLeft, JoinRight };
QString wordPictureName(const QString& drawing, WordPicture w);
QSize wordPictureSize(WordPicture w);
