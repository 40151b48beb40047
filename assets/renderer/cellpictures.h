#pragma once

// Every picture drawn from the cell model: ball-and-stick, empty cell, the
// pieces, the cut-away cells, the sphere blocks, the coordination pictures and
// the fraction hints. Pictures come out at factor times their logical size.
// Those that turn at run time are drawn by the program's own drawings
// (celldrawing.h); here only their words are drawn with fonts.

#include "cellmodel.h"
#include "picturecatalog.h"
#include "raycaster.h"

#include <QImage>
#include <QSize>

class CellPictures {
public:
    explicit CellPictures(double factor) : m_factor(factor) {}

    QImage ballStick(cell::Structure s) const;
    QImage emptyCell(cell::Structure s) const;
    QImage piece(cell::Structure s, int index) const;
    QImage cutaway(cell::Structure s) const;
    // The same drawing at the menu's smaller size; it does not turn there.
    QImage menuCutaway(cell::Structure s) const;
    QImage sphereBlock(cell::Structure s) const;
    // The coordination pictures (question and answer) with their words.
    QImage neighbours(PictureId picture) const;
    // The stacking lesson's layers and stacks, without words.
    QImage stacking(PictureId picture) const;
    // A word of a coordination picture alone (pictures::wordOn), set on it at
    // run time when it turns.
    QImage word(PictureId word) const;
    // A sphere cut into `parts` pieces (1, 2, 4, 6 or 8), labelled with its fraction.
    QImage hint(int parts, QSize size) const;

private:
    // A turning drawing at its designed view, drawn as the program ships it.
    QImage designed(PictureId picture) const;
    double m_factor;
};
