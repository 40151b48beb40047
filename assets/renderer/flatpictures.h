#pragma once

// Pictures of words and things: title, plates, buttons, keys, faces, marker,
// the drill's question panel and its "?" marker, the window icon.

#include "cellmodel.h"
#include "pictureid.h"

#include <QImage>
#include <QSize>
#include <QString>

class FlatPictures {
public:
    explicit FlatPictures(double factor) : m_factor(factor) {}
    QImage draw(PictureId id, QSize size) const;
    QImage structurePlate(cell::Structure s, QSize size) const;

private:
    double m_factor;
};
