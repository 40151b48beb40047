#pragma once

// Close-packed layers of touching spheres (diameter 1, the model's unit for
// the hexagonal cell) and the two ways of stacking them. The layers lie flat
// (z up); each is a triangular net of spheres shifted to one of three places,
// A, B or C. The cells of the model stand inside the stacks: the hexagonal
// prism as it is, the cube turned so that its body diagonal stands upright.

#include "cellmodel.h"

#include <vector>

namespace cell::stacking {

enum class Layer { A, B, C };

// Where a layer's net is shifted to: A through the origin, B and C over the
// two kinds of hollows between A's spheres.
Vec3 layerOffset(Layer l);
// The height between neighbouring layers: √(2/3).
double layerSpacing();

// The sites of a layer at height z within reach of the vertical axis.
std::vector<Vec3> layerSites(Layer l, double z, double reach);

// Layer k of a structure's stack from the bottom: ABAB... (HCP) or
// ABCABC... (FCC). BCC is not close packed and has no stack.
Layer stackLayer(Structure s, int k);
// The centres of the first `layers` layers of the stack, bottom first.
std::vector<Vec3> stack(Structure s, int layers, double reach);

// A point of the structure's cell model, placed in its stack: the prism as
// it is; the cube with its corner (0,0,0) on the axis at the bottom and its
// body diagonal along the axis.
Vec3 inStack(Structure s, Vec3 modelPoint);

// The spheres of a set that touch the one at `focus` (centres one apart).
std::vector<Vec3> touching(const std::vector<Vec3>& spheres, Vec3 focus);

} // namespace cell::stacking
