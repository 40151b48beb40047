#pragma once

// What the packing and density lesson computes with: the share of a cell that
// its atoms fill, from the cell model, and one table of metals with the
// constants every density is worked from. Screens, judged answers and tests
// read these numbers from here, never typed twice.

#include "cellmodel.h"

#include <string_view>
#include <vector>

namespace cell {

// The Avogadro constant as the lessons round it, per mole.
inline constexpr double kAvogadro = 6.02e23;
// Centimetres in a nanometre.
inline constexpr double kCmPerNm = 1e-7;

// The volume of the cell the lessons count atoms in, in model units (the
// cube edge, or the hexagon side, is 1): a³, or the prism's (3√3/2)a²c.
double cellVolume(Structure s);
// The atom's radius over the cell's edge a (√3/4, √2/4, 1/2).
double radiusOverEdge(Structure s);
// The prism's height over its edge, c/a; 1 for the cubes.
double heightOverEdge(Structure s);
// The share of the cell's volume its atoms fill: n × 4/3 πr³ ÷ V.
double packingFraction(Structure s);

struct Metal {
    std::string_view symbol; // "Cu"
    std::string_view name;   // "銅", UTF-8
    Structure structure;
    double edgeNm;    // the cell's edge a, nm
    double molarMass; // g/mol
    double handbook;  // the measured density, g/cm³, to check the computed one by
};

// Every metal the lessons work with.
const std::vector<Metal>& metals();
const Metal& metal(std::string_view symbol);

// ρ = n·M / (N_A·a³), in g/cm³.
double density(const Metal& m);

// The value rounded to so many significant figures.
double roundToFigures(double value, int figures);

} // namespace cell
