#pragma once

// The pictures that belong to the screens: their ids, names and sizes in
// logical pixels. Each is stored at twice that size for high-DPI screens.

#include "pictureid.h"

#include <QSize>
#include <QString>
#include <vector>

struct PictureEntry {
    PictureId id;
    QString name; // id.fileName()
    QSize size;   // logical pixels (device pixel ratio 1)
};

const std::vector<PictureEntry>& pictureCatalog();
const PictureEntry* pictureEntry(const QString& name); // nullptr for an unknown name
QSize pictureSize(PictureId id);
QSize pictureSize(const QString& name); // invalid size for an unknown name

// The size of a word set on a turning drawing (pictures::wordOn).
QSize wordPictureSize(WordPicture w);
