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

// The families of pictures drawn once, each by the kinds its rows
// (picturekinds.h) name; a null image for a kind the family does not draw.
// The drawings that turn, at their designed view (cellpictures.cpp).
QImage designedDrawing(const PictureEntry& e, double factor);
// Drawn from the cell model (cellpictures.cpp).
QImage cellFigure(const PictureEntry& e, double factor);
// Words and things: title, plates, buttons, keys, faces, marker, the drill's
// question panel and its "?" marker, the window icon (flatpictures.cpp).
QImage flatFigure(const PictureEntry& e, double factor);
// The diagrams and derivations of the atomic radius lesson (radiuspictures.cpp).
QImage radiusFigure(const PictureEntry& e, double factor);
