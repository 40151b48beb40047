#pragma once

// The families of drawings that turn, as the registry (celldrawing.cpp) asks
// them for the kinds their rows name: the lattice cells (latticecells.cpp),
// the stacks of close-packed layers (stacks.cpp) and the crystals of two
// kinds of particle (crystalcells.cpp).

#include "celldrawing.h"

namespace celldrawing {

// The drawing of a kind of the family; null for a kind it does not draw.
std::unique_ptr<CellDrawing> latticeCell(PictureId picture);
std::unique_ptr<CellDrawing> stackDrawing(PictureId picture);
std::unique_ptr<CellDrawing> crystalDrawing(PictureId picture);

// The middle of the box around the points: the point a drawing turns about.
cell::Vec3 middleOf(const std::vector<cell::Vec3>& points);

} // namespace celldrawing
