#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The largest picture the drill accepts from its content folder. The question
// and mark pictures fit the window, so anything much larger is a damaged file.
inline constexpr QSize kMaxContentPicture(2000, 2000);

// Loads a GIF from the content folder into *pixmap. Returns why it could not
// be loaded, in Japanese, or an empty string on success. A damaged file, or
// one whose header claims a huge picture, is refused before any large
// allocation, so a bad file can neither exhaust memory nor stall the drill.
QString loadContentPicture(const QString& fullPath, QPixmap* pixmap);
