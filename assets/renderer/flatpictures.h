#pragma once

// Pictures of words and things: title, plates, buttons, keys, faces, marker,
// the drill's question panel and its "?" marker, the window icon.

#include "cellmodel.h"

#include <QImage>
#include <QSize>
#include <QString>

class FlatPictures {
public:
    explicit FlatPictures(double factor) : m_factor(factor) {}
    QImage draw(const QString& name, QSize size) const;
    QImage structurePlate(cell::Structure s, QSize size) const;

private:
    double m_factor;
};
