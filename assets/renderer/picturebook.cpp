#include "picturebook.h"

QImage PictureBook::draw(const PictureEntry& e) const {
    switch (pictureRow(e.id.kind).family) {
    case picturerow::LatticeCells:
    case picturerow::Stacks:
    case picturerow::Crystals:
        return designedDrawing(e, m_factor);
    case picturerow::CellFigures:
        return cellFigure(e, m_factor);
    case picturerow::FlatFigures:
        return flatFigure(e, m_factor);
    case picturerow::RadiusFigures:
        return radiusFigure(e, m_factor);
    }
    return QImage();
}
