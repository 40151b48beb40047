#include "drillcrystal.h"

#include "crystals.h"
#include "drillmedianames.h"

#include <cmath>
#include <iterator>
#include <numeric>

namespace drill {
namespace {

Site a(double x, double y, double z) {
    return {{x, y, z}, Kind::A};
}
Site b(double x, double y, double z) {
    return {{x, y, z}, Kind::B};
}

// The cubic cells' sites (crystals.h), as atoms of one kind.
std::vector<Site> asKind(const cell::Motif& m, Kind k) {
    std::vector<Site> out;
    for (const cell::CubicSite& s : m)
        out.push_back({s.pos, k});
    return out;
}
std::vector<Site> fcc(Kind k) {
    return asKind(cell::fccSites(0), k);
}
std::vector<Site> tetrahedralHalf(Kind k) {
    return asKind(cell::tetrahedralHalf(0), k);
}
std::vector<Site> tetrahedralAll(Kind k) {
    return asKind(cell::tetrahedralAll(0), k);
}
std::vector<Site> octahedral(Kind k) {
    return asKind(cell::octahedralHoles(0), k);
}

std::vector<Site> faceCentres(Kind k) {
    return {{{0.5, 0.5, 0}, k}, {{0.5, 0, 0.5}, k}, {{0, 0.5, 0.5}, k}};
}

Crystal crystal(std::string name, std::vector<Site> motif, double ra, double rb,
                std::string picture, std::string elementA, std::string elementB) {
    return {std::move(name),     std::move(motif),   ra, rb, std::move(picture),
            std::move(elementA), std::move(elementB)};
}

std::vector<Site> join(std::vector<Site> a, const std::vector<Site>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Crystal> makeCrystals() {
    std::vector<Crystal> v;
    // 1: CsCl, A at the body centre, B at the corners: 1 : 1.
    v.push_back(crystal("CsCl", {a(0.5, 0.5, 0.5), b(0, 0, 0)}, 0.3, 0.26, kQuestionPictureFiles[0],
                        "Cs", "Cl"));
    // 2: CaF2 (fluorite), A on the face-centred sites, B in the eight small cubes: 4 : 8.
    v.push_back(crystal("CaF2", join(fcc(Kind::A), tetrahedralAll(Kind::B)), 0.2, 0.16,
                        kQuestionPictureFiles[1], "Ca", "F"));
    // 3: Cu2O (cuprite) with A = O at the corners and the centre, B = Cu inside: 2 : 4.
    v.push_back(crystal("Cu2O",
                        {a(0, 0, 0), a(0.5, 0.5, 0.5), b(0.25, 0.25, 0.25), b(0.75, 0.75, 0.25),
                         b(0.75, 0.25, 0.75), b(0.25, 0.75, 0.75)},
                        0.2, 0.15, kQuestionPictureFiles[2], "O", "Cu"));
    // 4: ReO3, A at the corners, B at the middles of the edges: 1 : 3.
    v.push_back(crystal("ReO3", {a(0, 0, 0), b(0.5, 0, 0), b(0, 0.5, 0), b(0, 0, 0.5)}, 0.2, 0.16,
                        kQuestionPictureFiles[3], "Re", "O"));
    // 5: NaCl (rock salt), A on the face-centred sites, B on the edges and at the centre: 4 : 4.
    v.push_back(crystal("NaCl", join(fcc(Kind::A), octahedral(Kind::B)), 0.18, 0.18,
                        kQuestionPictureFiles[4], "Na", "Cl"));
    return v;
}

std::vector<Crystal> makeShelf() {
    std::vector<Crystal> v;
    // Zinc blende: Zn in half the tetrahedral holes of an fcc cell of S.
    v.push_back(crystal("ZnS", join(tetrahedralHalf(Kind::A), fcc(Kind::B)), 0.17, 0.21,
                        "追加/zns.gif", "Zn", "S"));
    // Antifluorite: Li in all eight tetrahedral holes of an fcc cell of O.
    v.push_back(crystal("Li2O", join(tetrahedralAll(Kind::A), fcc(Kind::B)), 0.15, 0.2,
                        "追加/li2o.gif", "Li", "O"));
    // Cu3Au: Cu on the face centres, Au at the corners.
    v.push_back(crystal("Cu3Au", join(faceCentres(Kind::A), {b(0, 0, 0)}), 0.22, 0.26,
                        "追加/cu3au.gif", "Cu", "Au"));
    // Fluorite with its cell started at an F: F on every corner, edge, face
    // and the centre, Ca in four of the small cubes. The same crystal as
    // question 2, a harder count.
    {
        std::vector<Site> f;
        for (double x : {0.0, 0.5})
            for (double y : {0.0, 0.5})
                for (double z : {0.0, 0.5})
                    f.push_back(b(x, y, z));
        v.push_back(crystal("CaF2", join(tetrahedralHalf(Kind::A), f), 0.2, 0.15, "追加/caf2.gif",
                            "Ca", "F"));
    }
    // Cristobalite (SiO2): Si on the diamond sites, O halfway between each
    // pair of neighbouring Si.
    {
        std::vector<Site> si = join(fcc(Kind::A), tetrahedralHalf(Kind::A));
        std::vector<Site> o;
        for (const Site& s : tetrahedralHalf(Kind::A))
            for (const Site& t : si) {
                // Each tetrahedral Si has four neighbours at a quarter of a
                // body diagonal; the images of the fcc Si are tried too.
                for (int dx = 0; dx <= 1; ++dx)
                    for (int dy = 0; dy <= 1; ++dy)
                        for (int dz = 0; dz <= 1; ++dz) {
                            const cell::Vec3 p{t.pos.x + dx, t.pos.y + dy, t.pos.z + dz};
                            const cell::Vec3 d = p - s.pos;
                            if (std::abs(d.length() - std::sqrt(3.0) / 4) < 1e-9)
                                o.push_back(b((s.pos.x + p.x) / 2, (s.pos.y + p.y) / 2,
                                              (s.pos.z + p.z) / 2));
                        }
            }
        v.push_back(crystal("SiO2", join(si, o), 0.11, 0.09, "追加/sio2.gif", "Si", "O"));
    }
    // Fe3Al: Al on an fcc cell, Fe in every tetrahedral and octahedral hole.
    v.push_back(crystal("Fe3Al",
                        join(join(tetrahedralAll(Kind::A), octahedral(Kind::A)), fcc(Kind::B)),
                        0.15, 0.19, "追加/fe3al.gif", "Fe", "Al"));
    // Nb3Sn (A15): Sn at the corners and the centre, Nb in pairs on the faces.
    v.push_back(crystal("Nb3Sn",
                        {a(0.25, 0, 0.5), a(0.75, 0, 0.5), a(0.5, 0.25, 0), a(0.5, 0.75, 0),
                         a(0, 0.5, 0.25), a(0, 0.5, 0.75), b(0, 0, 0), b(0.5, 0.5, 0.5)},
                        0.17, 0.22, "追加/nb3sn.gif", "Nb", "Sn"));
    // Perovskite CaTiO3 with Ca at the corners: Ti at the centre, O on the
    // faces; Ca is not drawn.
    v.push_back(crystal("CaTiO3", join({a(0.5, 0.5, 0.5)}, faceCentres(Kind::B)), 0.2, 0.22,
                        "追加/catio3-ti-o.gif", "Ti", "O"));
    // The same cell, Ti not drawn: Ca at the corners, O on the faces.
    v.push_back(crystal("CaTiO3", join({a(0, 0, 0)}, faceCentres(Kind::B)), 0.28, 0.2,
                        "追加/catio3-ca-o.gif", "Ca", "O"));
    // Perovskite BaTiO3 with Ti at the corners: Ba at the centre, O on the
    // middles of the edges; Ti is not drawn.
    v.push_back(crystal("BaTiO3", {a(0.5, 0.5, 0.5), b(0.5, 0, 0), b(0, 0.5, 0), b(0, 0, 0.5)}, 0.3,
                        0.2, "追加/batio3-ba-o.gif", "Ba", "O"));
    return v;
}

} // namespace

std::vector<Site> Crystal::sites() const {
    cell::Motif m;
    for (const Site& s : motif)
        m.push_back({s.pos, int(s.kind)});
    std::vector<Site> out;
    for (const cell::CubicSite& s : cell::sitesTouchingCube(m))
        out.push_back({s.pos, Kind(s.species)});
    return out;
}

const std::vector<Crystal>& drillCrystals() {
    static const std::vector<Crystal> crystals = makeCrystals();
    return crystals;
}

const std::vector<Crystal>& shelfCrystals() {
    static const std::vector<Crystal> crystals = makeShelf();
    return crystals;
}

// Checked against the crystals drawn by the picture maker and the tests.
static_assert(std::size(kQuestionPictureFiles) == kShippedQuestionCount);
const ShippedQuestion kShippedQuestions[kShippedQuestionCount] = {
    {kQuestionPictureFiles[0], {1, 1}}, {kQuestionPictureFiles[1], {1, 2}},
    {kQuestionPictureFiles[2], {1, 2}}, {kQuestionPictureFiles[3], {1, 3}},
    {kQuestionPictureFiles[4], {1, 1}},
};

Ratio eighthsPerCell(const Crystal& c) {
    Ratio r;
    for (const Site& s : c.sites())
        (s.kind == Kind::A ? r.a : r.b) += cell::eighthsInside(s.pos);
    return r;
}

Ratio countRatio(const Crystal& c) {
    const Ratio e = eighthsPerCell(c);
    const int g = std::gcd(e.a, e.b);
    return g ? Ratio{e.a / g, e.b / g} : e;
}

} // namespace drill
