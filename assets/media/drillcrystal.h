#pragma once

// The crystals of the drill's question pictures: cubic unit cells of two kinds
// of atoms, A and B. Each crystal is given by its motif (one representative of
// every atom of the cell); the cell holds every image of the motif that
// touches the cube, and the lessons' rules count the part of each inside
// (crystals.h holds the cubic cells' geometry).

#include "cellmodel.h"

#include <string>
#include <vector>

namespace drill {

enum class Kind { A, B };

struct Site {
    cell::Vec3 pos; // cube edge 1; 0 <= x, y, z <= 1
    Kind kind;
};

struct Crystal {
    std::string name;                // the real crystal the picture shows, e.g. "CsCl"
    std::vector<Site> motif;         // one per atom of the cell, coordinates in [0, 1)
    double radiusA, radiusB;         // drawing radii, small enough to leave the cell open
    std::string picture;             // file below the picture folder, "/" separated
    std::string elementA, elementB;  // the elements drawn as A and as B, e.g. "Cs", "Cl"
    std::vector<Site> sites() const; // every atom that touches the cube [0, 1]^3
};

// The five questions, in the order of their picture numbers (kQuestionPictureFiles).
const std::vector<Crystal>& drillCrystals();

// More crystals for teachers to choose from, drawn the same way into the
// folder "追加" below the pictures; the ratio of each is its countRatio.
const std::vector<Crystal>& shelfCrystals();

struct Ratio {
    int a = 0, b = 0;
    bool operator==(const Ratio&) const = default;
};
// Atoms of each kind per cell counted by the parts inside, in eighths.
Ratio eighthsPerCell(const Crystal& c);
// The ratio A : B in lowest terms.
Ratio countRatio(const Crystal& c);

// The drill's questions as shipped: picture (below the picture folder) and
// right answer. The program asks these when no questions file says
// otherwise, and the picture maker writes them into the shipped one; each
// must be the countRatio of the crystal drawn into its picture.
struct ShippedQuestion {
    const char* picture;
    Ratio answer;
};
inline constexpr int kShippedQuestionCount = 5;
extern const ShippedQuestion kShippedQuestions[kShippedQuestionCount];

} // namespace drill
