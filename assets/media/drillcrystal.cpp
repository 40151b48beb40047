#include "drillcrystal.h"

#include <cmath>
#include <numeric>

namespace drill {
namespace {

bool onBoundary(double v) {
    return std::abs(v) < 1e-9 || std::abs(v - 1) < 1e-9;
}

Site a(double x, double y, double z) {
    return {{x, y, z}, Kind::A};
}
Site b(double x, double y, double z) {
    return {{x, y, z}, Kind::B};
}

std::vector<Site> fcc(Kind k) {
    return {{{0, 0, 0}, k}, {{0.5, 0.5, 0}, k}, {{0.5, 0, 0.5}, k}, {{0, 0.5, 0.5}, k}};
}

std::vector<Crystal> makeCrystals() {
    std::vector<Crystal> v;
    // 1: CsCl, A at the body centre, B at the corners: 1 : 1.
    v.push_back({"CsCl", {a(0.5, 0.5, 0.5), b(0, 0, 0)}, 0.3, 0.26});
    // 2: CaF2 (fluorite), A on the face-centred sites, B in the eight small cubes: 4 : 8.
    {
        Crystal c{"CaF2", fcc(Kind::A), 0.2, 0.16};
        for (double x : {0.25, 0.75})
            for (double y : {0.25, 0.75})
                for (double z : {0.25, 0.75})
                    c.motif.push_back(b(x, y, z));
        v.push_back(c);
    }
    // 3: Cu2O (cuprite) with A = O at the corners and the centre, B = Cu inside: 2 : 4.
    v.push_back({"Cu2O",
                 {a(0, 0, 0), a(0.5, 0.5, 0.5), b(0.25, 0.25, 0.25), b(0.75, 0.75, 0.25),
                  b(0.75, 0.25, 0.75), b(0.25, 0.75, 0.75)},
                 0.2,
                 0.15});
    // 4: ReO3, A at the corners, B at the middles of the edges: 1 : 3.
    v.push_back({"ReO3", {a(0, 0, 0), b(0.5, 0, 0), b(0, 0.5, 0), b(0, 0, 0.5)}, 0.2, 0.16});
    // 5: NaCl (rock salt), A on the face-centred sites, B on the edges and at the centre: 4 : 4.
    {
        Crystal c{"NaCl", fcc(Kind::A), 0.18, 0.18};
        for (const Site& s : {b(0.5, 0, 0), b(0, 0.5, 0), b(0, 0, 0.5), b(0.5, 0.5, 0.5)})
            c.motif.push_back(s);
        v.push_back(c);
    }
    return v;
}

} // namespace

std::vector<Site> Crystal::sites() const {
    // A motif atom on a face, edge or corner reappears at the opposite side(s).
    std::vector<Site> out;
    for (const Site& s : motif)
        for (int dx = 0; dx <= 1; ++dx)
            for (int dy = 0; dy <= 1; ++dy)
                for (int dz = 0; dz <= 1; ++dz) {
                    const cell::Vec3 p{s.pos.x + dx, s.pos.y + dy, s.pos.z + dz};
                    if (p.x <= 1 + 1e-9 && p.y <= 1 + 1e-9 && p.z <= 1 + 1e-9)
                        out.push_back({p, s.kind});
                }
    return out;
}

const std::vector<Crystal>& drillCrystals() {
    static const std::vector<Crystal> crystals = makeCrystals();
    return crystals;
}

int eighthsInside(cell::Vec3 p) {
    int shared = 0;
    for (double v : {p.x, p.y, p.z})
        if (onBoundary(v))
            ++shared;
    return 8 >> shared;
}

Ratio eighthsPerCell(const Crystal& c) {
    Ratio r;
    for (const Site& s : c.sites())
        (s.kind == Kind::A ? r.a : r.b) += eighthsInside(s.pos);
    return r;
}

Ratio countRatio(const Crystal& c) {
    const Ratio e = eighthsPerCell(c);
    const int g = std::gcd(e.a, e.b);
    return g ? Ratio{e.a / g, e.b / g} : e;
}

} // namespace drill
