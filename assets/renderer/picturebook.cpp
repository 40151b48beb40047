#include "picturebook.h"

#include "cellmodel.h"
#include "cellpictures.h"
#include "flatpictures.h"
#include "radiuspictures.h"

QImage PictureBook::draw(const PictureEntry& e) const {
    const CellPictures cells(m_factor);
    const FlatPictures flat(m_factor);
    const RadiusPictures radius(m_factor);
    const cell::Structure s = e.id.cellStructure();
    switch (e.id.kind) {
    case PictureKind::BallStick:
        return cells.ballStick(s);
    case PictureKind::EmptyCell:
        return cells.emptyCell(s);
    case PictureKind::Cutaway:
        return cells.cutaway(s);
    case PictureKind::MenuCutaway:
        return cells.menuCutaway(s);
    case PictureKind::Spheres:
        return cells.sphereBlock(s);
    case PictureKind::NeighbourQuestion:
    case PictureKind::NeighbourAnswer:
        return cells.neighbours(e.id);
    case PictureKind::StackLayer:
    case PictureKind::StackChoice:
    case PictureKind::Stack:
    case PictureKind::StackCell:
    case PictureKind::StackNeighbours:
        return cells.stacking(e.id);
    case PictureKind::DrawingWord:
        return cells.word(e.id);
    case PictureKind::Plate:
        return flat.structurePlate(s, e.size);
    case PictureKind::Piece:
        return cells.piece(s, e.id.number);
    case PictureKind::HintWhole:
        return cells.hint(1, e.size);
    case PictureKind::HintHalf:
        return cells.hint(2, e.size);
    case PictureKind::HintQuarter:
        return cells.hint(4, e.size);
    case PictureKind::HintEighth:
        return cells.hint(8, e.size);
    case PictureKind::HintSixth:
        return cells.hint(6, e.size);
    case PictureKind::RadiusAtom:
    case PictureKind::RadiusFccFace:
    case PictureKind::RadiusFccLabelled:
    case PictureKind::RadiusFccDerivation:
    case PictureKind::RadiusBccHexagon:
    case PictureKind::RadiusBccLabelled:
    case PictureKind::RadiusBccDerivation:
        return radius.draw(e.name, e.size);
    default:
        return flat.draw(e.id, e.size);
    }
}
