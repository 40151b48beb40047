#include "crystals.h"

#include "metals.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <numbers>

namespace cell {

Motif fccSites(int species) {
    return {{{0, 0, 0}, species},
            {{0.5, 0.5, 0}, species},
            {{0.5, 0, 0.5}, species},
            {{0, 0.5, 0.5}, species}};
}

Motif tetrahedralHalf(int species) {
    return {{{0.25, 0.25, 0.25}, species},
            {{0.75, 0.75, 0.25}, species},
            {{0.75, 0.25, 0.75}, species},
            {{0.25, 0.75, 0.75}, species}};
}

Motif tetrahedralAll(int species) {
    Motif v;
    for (double x : {0.25, 0.75})
        for (double y : {0.25, 0.75})
            for (double z : {0.25, 0.75})
                v.push_back({{x, y, z}, species});
    return v;
}

Motif octahedralHoles(int species) {
    return {{{0.5, 0, 0}, species},
            {{0, 0.5, 0}, species},
            {{0, 0, 0.5}, species},
            {{0.5, 0.5, 0.5}, species}};
}

Motif joined(Motif a, const Motif& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Motif sitesTouchingCube(const Motif& motif) {
    Motif out;
    for (const CubicSite& s : motif)
        for (int dx = 0; dx <= 1; ++dx)
            for (int dy = 0; dy <= 1; ++dy)
                for (int dz = 0; dz <= 1; ++dz) {
                    const Vec3 p{s.pos.x + dx, s.pos.y + dy, s.pos.z + dz};
                    if (p.x <= 1 + 1e-9 && p.y <= 1 + 1e-9 && p.z <= 1 + 1e-9)
                        out.push_back({p, s.species});
                }
    return out;
}

int eighthsInside(Vec3 p) {
    int shared = 0;
    for (double v : {p.x, p.y, p.z})
        if (std::abs(v) < 1e-9 || std::abs(v - 1) < 1e-9)
            ++shared;
    return 8 >> shared;
}

namespace {

// Every particle of the crystal within a cell's width of the cube, for the
// distances from a particle of the motif.
Motif neighbourhood(const Motif& motif) {
    Motif out;
    for (const CubicSite& s : motif)
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dz = -1; dz <= 1; ++dz)
                    out.push_back({{s.pos.x + dx, s.pos.y + dy, s.pos.z + dz}, s.species});
    return out;
}

// Whether two particles are bonded partners: of the other species in an
// ionic crystal, any other atom in diamond.
bool partners(const Crystal& c, int a, int b) {
    return !c.ionic() || a != b;
}

const CubicSite& firstOf(const Crystal& c, int species) {
    for (const CubicSite& s : c.motif)
        if (s.species == species)
            return s;
    assert(!"a species the crystal lacks");
    return c.motif.front();
}

double nearest(const Crystal& c, int species, bool bonded) {
    const CubicSite& from = firstOf(c, species);
    double best = std::numeric_limits<double>::max();
    for (const CubicSite& s : neighbourhood(c.motif)) {
        const bool wanted = bonded ? partners(c, species, s.species) : s.species == species;
        const double d = (s.pos - from.pos).length();
        if (wanted && d > 1e-9)
            best = std::min(best, d);
    }
    return best;
}

} // namespace

const Crystal& crystal(CrystalType t) {
    static const Crystal crystals[] = {
        // Cl⁻ on the face-centred sites, Na⁺ in every octahedral hole.
        {CrystalType::NaCl, "nacl", joined(octahedralHoles(0), fccSites(1))},
        // Cs⁺ at the body centre, Cl⁻ at the corners.
        {CrystalType::CsCl, "cscl", {{{0.5, 0.5, 0.5}, 0}, {{0, 0, 0}, 1}}},
        // S²⁻ on the face-centred sites, Zn²⁺ in half the tetrahedral holes.
        {CrystalType::ZnS, "zns", joined(tetrahedralHalf(0), fccSites(1))},
        // The face-centred sites and four atoms in alternate small cubes.
        {CrystalType::Diamond, "diamond", joined(fccSites(0), tetrahedralHalf(0))},
    };
    return crystals[std::size_t(t)];
}

double particlesPerCell(const Crystal& c, int species) {
    int eighths = 0;
    for (const CubicSite& s : sitesTouchingCube(c.motif))
        if (s.species == species)
            eighths += eighthsInside(s.pos);
    return eighths / 8.0;
}

double contactOverEdge(const Crystal& c) {
    return nearest(c, 0, true);
}

int coordinationNumber(const Crystal& c, int species) {
    const CubicSite& from = firstOf(c, species);
    const double d = nearest(c, species, true);
    int n = 0;
    for (const CubicSite& s : neighbourhood(c.motif))
        if (partners(c, species, s.species) && std::abs((s.pos - from.pos).length() - d) < 1e-9)
            ++n;
    return n;
}

double bondAngleDegrees(const Crystal& c) {
    const CubicSite& from = firstOf(c, 0);
    const double d = nearest(c, 0, true);
    std::vector<Vec3> bonds;
    for (const CubicSite& s : neighbourhood(c.motif))
        if (partners(c, 0, s.species) && std::abs((s.pos - from.pos).length() - d) < 1e-9)
            bonds.push_back(s.pos - from.pos);
    assert(bonds.size() >= 2);
    const double cosine = bonds[0].dot(bonds[1]) / (d * d);
    return std::acos(cosine) * 180 / std::numbers::pi;
}

double anionDistanceOverEdge(const Crystal& c) {
    return nearest(c, 1, false);
}

double limitingRadiusRatio(const Crystal& c) {
    assert(c.ionic());
    const double anion = anionDistanceOverEdge(c) / 2;
    return (contactOverEdge(c) - anion) / anion;
}

double packingFraction(const Crystal& c) {
    // Atoms of one kind touching along their bonds: r is half the bond.
    const double r = contactOverEdge(c) / 2;
    double atoms = 0;
    for (int species : {0, 1})
        atoms += particlesPerCell(c, species);
    return atoms * 4.0 / 3.0 * std::numbers::pi * r * r * r;
}

const std::vector<Substance>& substances() {
    // Lattice constants at room temperature, to three figures as problems give
    // them; diamond's to four, as its C–C bond of 0.154 nm is known (0.357
    // would give 0.155).
    static const std::vector<Substance> table{
        {"NaCl", "塩化ナトリウム", CrystalType::NaCl, 0.564, 58.5, 2.16, 0.116, 0.167},
        {"CsCl", "塩化セシウム", CrystalType::CsCl, 0.412, 168.4, 3.99, 0.188, 0.167},
        {"ZnS", "硫化亜鉛", CrystalType::ZnS, 0.541, 97.5, 4.09, 0.074, 0.170},
        {"C", "ダイヤモンド", CrystalType::Diamond, 0.3567, 12.0, 3.51},
        {"Si", "ケイ素", CrystalType::Diamond, 0.543, 28.1, 2.33},
    };
    return table;
}

const Substance& substance(std::string_view formula) {
    for (const Substance& s : substances())
        if (s.formula == formula)
            return s;
    assert(!"a substance the table lacks");
    return substances().front();
}

double density(const Substance& s) {
    const double a = s.edgeNm * kCmPerNm;
    return particlesPerCell(crystal(s.type), 0) * s.molarMass / (kAvogadro * a * a * a);
}

double contactNm(const Substance& s) {
    return contactOverEdge(crystal(s.type)) * s.edgeNm;
}

const Substance& substanceOf(CrystalType t) {
    for (const Substance& s : substances())
        if (s.type == t)
            return s;
    assert(!"a crystal the table lacks");
    return substances().front();
}

const Graphite& graphite() {
    static const Graphite g{0.142, 0.335, 2.26, 3};
    return g;
}

} // namespace cell
