#pragma once

// Knows how to draw every picture of the catalog by its name.

#include "picturecatalog.h"

#include <QImage>

class PictureBook {
public:
    explicit PictureBook(double factor = 2.0) : m_factor(factor) {}
    // The picture at factor times its logical size; a null image for a name
    // that the book does not know.
    QImage draw(const PictureEntry& entry) const;

private:
    double m_factor;
};
