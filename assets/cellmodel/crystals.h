#pragma once

// Crystals of two kinds of particle in a cubic cell: the ionic crystals (NaCl,
// CsCl, ZnS) and diamond, with the one table of substances the lessons work
// their numbers from. As for the metals' cells, every count, distance,
// coordination number and density the screens show is computed here, from the
// positions of the particles, never typed twice.

#include "cellmodel.h"

#include <string_view>
#include <vector>

namespace cell {

// ---- cubic cells given by their motif (one of each particle of the cell)

struct CubicSite {
    Vec3 pos;        // cube edge 1; the motif's coordinates lie in [0, 1)
    int species = 0; // 0 or 1: which kind of particle
};
using Motif = std::vector<CubicSite>;

// The face-centred cubic sites; the tetrahedral holes of such a cell, the
// four a zinc blende cell fills or all eight; its octahedral holes (the
// middles of the edges and the centre).
Motif fccSites(int species);
Motif tetrahedralHalf(int species);
Motif tetrahedralAll(int species);
Motif octahedralHoles(int species);
Motif joined(Motif a, const Motif& b);

// Every particle that touches the cube [0, 1]³: a motif particle on a face,
// edge or corner reappears at the opposite side(s).
Motif sitesTouchingCube(const Motif& motif);
// The part of a particle centred at p that lies inside the cube, in eighths:
// 8 inside, 4 on a face, 2 on an edge, 1 at a corner.
int eighthsInside(Vec3 p);

// ---- the crystals of the lessons

enum class CrystalType { NaCl, CsCl, ZnS, Diamond };
inline constexpr CrystalType kAllCrystalTypes[] = {CrystalType::NaCl, CrystalType::CsCl,
                                                   CrystalType::ZnS, CrystalType::Diamond};

struct Crystal {
    CrystalType type;
    std::string_view key; // "nacl", "cscl", "zns", "diamond": for pictures' names
    Motif motif;          // species 0 the cation (diamond: every atom), 1 the anion
    bool ionic() const { return type != CrystalType::Diamond; }
};
const Crystal& crystal(CrystalType t);

// Particles of the species per cell, counted by the parts inside (4, 1, 4, 8).
double particlesPerCell(const Crystal& c, int species);
// The distance from a particle of the species to its nearest neighbours that
// it is bonded to (the other species; diamond: other atoms), over the edge a;
// and how many they are: the coordination number (6, 8, 4, 4).
double contactOverEdge(const Crystal& c);
int coordinationNumber(const Crystal& c, int species);
// The angle between two bonds of a particle of species 0, in degrees. Meant
// for diamond, where any two make the tetrahedral angle, 109.5°.
double bondAngleDegrees(const Crystal& c);
// The shortest distance between two anions, over a.
double anionDistanceOverEdge(const Crystal& c);
// The cation's radius over the anion's at which the anions around a cation
// come to touch each other, the cation touching them all: √2 − 1, √3 − 1,
// √6/2 − 1. Ionic crystals only.
double limitingRadiusRatio(const Crystal& c);
// The share of the cell that its atoms fill, each touching its neighbours
// (diamond: √3π/16).
double packingFraction(const Crystal& c);

// ---- the table of substances

struct Substance {
    std::string_view formula; // "NaCl", "C"
    std::string_view name;    // "塩化ナトリウム", UTF-8
    CrystalType type;
    double edgeNm;    // the cell's edge a, nm
    double molarMass; // g/mol of one formula unit (one particle of species 0 with its partner)
    double handbook;  // the measured density, g/cm³
    // The ions' radii (Shannon's crystal radii, nm), only for drawing them in
    // proportion: the drawings scale them so that they touch at contactNm().
    double cationRadiusNm = 0, anionRadiusNm = 0;
};
const std::vector<Substance>& substances();
const Substance& substance(std::string_view formula);
// ρ = n·M / (N_A·a³), n the formula units per cell (the particles of species 0).
double density(const Substance& s);
// The bond length, or the distance between touching ions, nm.
double contactNm(const Substance& s);

// The substance a picture of the crystal shows: NaCl, CsCl, ZnS, diamond (C).
const Substance& substanceOf(CrystalType t);

// ---- graphite: flat layers of hexagons, not a cubic cell

struct Graphite {
    double bondNm;   // C–C within a layer
    double layerNm;  // between the layers
    double handbook; // g/cm³
    int bondsPerAtom;
};
const Graphite& graphite();

} // namespace cell
