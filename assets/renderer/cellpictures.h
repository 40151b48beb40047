#pragma once

// Every picture drawn from the cell model: ball-and-stick, empty cell, the
// pieces, the cut-away cells, the sphere blocks, the coordination pictures and
// the fraction hints. Pictures come out at factor times their logical size.

#include "cellmodel.h"
#include "raycaster.h"

#include <QImage>
#include <QSize>

class CellPictures {
public:
    explicit CellPictures(double factor) : m_factor(factor) {}

    QImage ballStick(cell::Structure s) const;
    QImage emptyCell(cell::Structure s) const;
    QImage piece(cell::Structure s, int index) const;
    QImage cutaway(cell::Structure s, QSize size) const;
    QImage sphereBlock(cell::Structure s, QSize size) const;
    QImage neighbourQuestion(cell::Structure s, QSize size) const;
    QImage neighbourAnswer(cell::Structure s, QSize size) const;
    // A sphere cut into `parts` pieces (1, 2, 4, 6 or 8), labelled with its fraction.
    QImage hint(int parts, QSize size) const;

    // How an atom of a coordination picture is coloured.
    enum class Role { Plain, Focus, Near, Side, Pale };

private:
    QImage card(const QImage& drawing) const;
    double m_factor;
};
