// The family of the crystals of two kinds of particle: the cubic cells of
// the ionic crystals and of diamond, drawn from their motifs
// (cellmodel/crystals.h), and graphite's layers. Anions green and large,
// cations violet and small, carbon grey; the cube's edge is one model unit.

#include "crystals.h"
#include "families.h"
#include "palette.h"

#include <algorithm>
#include <cmath>

namespace celldrawing {

using cell::CrystalType;
using cell::CubicSite;
using cell::Vec3;
using render::Ball;
using render::Rod;
using render::Scene;

namespace {

const QColor kCation{150, 80, 220};
const QColor kCarbon{95, 100, 110};
const QColor kBond{150, 150, 160};

// Seen from above the left, at angles where no small ball hides another.
constexpr double kAzimuth = -14, kElevation = 30;
constexpr double kSmallCation = 0.075, kSmallAnion = 0.12, kSmallCarbon = 0.085;

const cell::Crystal& crystalOf(PictureId id) {
    return cell::crystal(CrystalType(id.number));
}

bool isCarbon(const cell::Crystal& c) {
    return c.type == CrystalType::Diamond;
}

QColor colourOf(const cell::Crystal& c, int species) {
    if (isCarbon(c))
        return kCarbon;
    return species == 0 ? kCation : palette::kAtomGreen;
}

double smallRadius(const cell::Crystal& c, int species) {
    if (isCarbon(c))
        return kSmallCarbon;
    return species == 0 ? kSmallCation : kSmallAnion;
}

// A colour faded toward white: the particles that are not looked at.
QColor faded(const QColor& c) {
    return QColor((c.red() + 2 * 255) / 3, (c.green() + 2 * 255) / 3, (c.blue() + 2 * 255) / 3);
}

// The frame's particles: the anions of an ionic crystal, the atoms on the
// face-centred sites of diamond (every coordinate a multiple of one half).
bool onFrame(const cell::Crystal& c, const CubicSite& s) {
    if (!isCarbon(c))
        return s.species == 1;
    const auto half = [](double x) { return std::abs(x * 2 - std::round(x * 2)) < 1e-9; };
    return half(s.pos.x) && half(s.pos.y) && half(s.pos.z);
}

bool bonded(const cell::Crystal& c, const CubicSite& a, const CubicSite& b) {
    const bool partners = isCarbon(c) || a.species != b.species;
    return partners && std::abs((a.pos - b.pos).length() - cell::contactOverEdge(c)) < 1e-9;
}

// What a kind of the family lays out.
struct Particles {
    std::vector<Ball> balls;
    std::vector<Rod> rods; // bonds, in model units
    bool cubeEdges = true;
    std::vector<Vec3> atoms; // places a marker can be pinned to
    double azimuth = kAzimuth, elevation = kElevation;

    void add(Vec3 centre, double radius, const QColor& surface,
             const std::vector<cell::Plane>& clip = {}) {
        Ball b;
        b.centre = centre;
        b.radius = radius;
        b.surface = surface;
        b.cut = surface.lighter(130);
        b.clip = clip;
        balls.push_back(b);
    }
};

const cell::Cell& cube() {
    return cell::model(cell::Structure::Fcc);
}

class CrystalDrawing : public CellDrawing {
public:
    CrystalDrawing(PictureId id, Particles layout)
        : CellDrawing(id, layoutOf(id, layout)), m_layout(std::move(layout)) {}

    std::optional<Vec3> atomPosition(int atom) const override {
        if (atom < 0 || atom >= int(m_layout.atoms.size()))
            return std::nullopt;
        return m_layout.atoms[std::size_t(atom)];
    }

protected:
    Scene scene(const cell::Camera& cam, const View&) const override {
        Scene scene;
        scene.balls = m_layout.balls;
        scene.rods = m_layout.rods;
        if (m_layout.cubeEdges)
            for (const auto& e : cube().edges)
                scene.rods.push_back({cube().corners[e[0]], cube().corners[e[1]], 0.7 / cam.scale,
                                      palette::kCellLine});
        return scene;
    }

private:
    static CellDrawing::Layout layoutOf(PictureId id, const Particles& s) {
        const QSize size = pictureSize(id);
        CellDrawing::Layout l;
        std::vector<Vec3> centres;
        for (const Ball& b : s.balls) {
            // A clipped ball stays within the cube: its centre marks its place.
            l.extent.push_back({b.centre, b.clip.empty() ? b.radius : 0.0});
            centres.push_back(b.centre);
        }
        if (s.cubeEdges)
            for (const Vec3& p : cube().corners) {
                l.extent.push_back({p, 0.0});
                centres.push_back(p);
            }
        l.room = QRectF(10, 10, size.width() - 20, size.height() - 20);
        l.designed = render::fittedCamera(s.azimuth, s.elevation, size, l.room, l.extent);
        l.pivot = middleOf(centres);
        l.options.ground = palette::kScreenCyan;
        l.options.outline = 0.3;
        return l;
    }

    Particles m_layout;
};

// The cell with small balls and its bonds: the cation–anion contacts, or
// diamond's covalent bonds.
Particles smallBalls(PictureId id) {
    const cell::Crystal& c = crystalOf(id);
    const cell::Motif sites = cell::sitesTouchingCube(c.motif);
    Particles out;
    for (const CubicSite& s : sites)
        out.add(s.pos, smallRadius(c, s.species), colourOf(c, s.species));
    for (std::size_t i = 0; i < sites.size(); ++i)
        for (std::size_t j = i + 1; j < sites.size(); ++j)
            if (bonded(c, sites[i], sites[j]))
                out.rods.push_back({sites[i].pos, sites[j].pos, isCarbon(c) ? 0.028 : 0.014,
                                    isCarbon(c) ? kCarbon.lighter(140) : kBond});
    return out;
}

// The particles at their sizes, touching, cut at the cube's faces: what the
// cell holds, and how much of it is empty.
Particles packed(PictureId id) {
    const cell::Crystal& c = crystalOf(id);
    const cell::Substance& sub = cell::substanceOf(c.type);
    // Radii in proportion to the ions', scaled so that partners touch.
    double radius[2];
    if (isCarbon(c)) {
        radius[0] = radius[1] = cell::contactOverEdge(c) / 2;
    } else {
        const double k = cell::contactOverEdge(c) / (sub.cationRadiusNm + sub.anionRadiusNm);
        radius[0] = sub.cationRadiusNm * k;
        radius[1] = sub.anionRadiusNm * k;
    }
    Particles out;
    for (const CubicSite& s : cell::sitesTouchingCube(c.motif))
        out.add(s.pos, radius[s.species], colourOf(c, s.species), cube().planes);
    return out;
}

// The particle nearest the middle of the cell of species 0 (a cation, or an
// inner atom of diamond) and the particles bonded to it, lit; the rest pale.
Particles neighbours(PictureId id) {
    const cell::Crystal& c = crystalOf(id);
    const cell::Motif sites = cell::sitesTouchingCube(c.motif);
    const Vec3 middle{0.5, 0.5, 0.5};
    const CubicSite* focus = nullptr;
    for (const CubicSite& s : sites)
        if (s.species == 0 && !onFrame(c, s) &&
            (!focus || (s.pos - middle).length() < (focus->pos - middle).length() - 1e-9))
            focus = &s;
    Particles out;
    for (const CubicSite& s : sites) {
        const bool lit = &s == focus || bonded(c, *focus, s);
        const QColor colour = colourOf(c, s.species);
        out.add(s.pos, smallRadius(c, s.species) * (lit ? 1.25 : 1.0),
                lit ? (&s == focus ? colour.darker(115) : colour) : faded(colour));
        if (lit && &s != focus)
            out.rods.push_back({focus->pos, s.pos, 0.02, palette::kLineRed});
    }
    out.atoms = {focus->pos};
    return out;
}

// The frame with small beads where the other particles go. Where they take
// every other tetrahedral hole (zinc blende, diamond), the holes left empty
// show as white beads, so that "every other" can be seen.
Particles frame(PictureId id) {
    const cell::Crystal& c = crystalOf(id);
    Particles out;
    std::vector<Vec3> taken;
    for (const CubicSite& s : cell::sitesTouchingCube(c.motif)) {
        if (onFrame(c, s)) {
            out.add(s.pos, smallRadius(c, s.species), colourOf(c, s.species));
        } else {
            out.add(s.pos, 0.05, isCarbon(c) ? kCarbon.lighter(150) : kCation);
            out.atoms.push_back(s.pos);
            taken.push_back(s.pos);
        }
    }
    const bool tetrahedral = c.type == CrystalType::ZnS || c.type == CrystalType::Diamond;
    if (tetrahedral)
        for (const CubicSite& hole : cell::tetrahedralAll(0))
            if (std::none_of(taken.begin(), taken.end(),
                             [&](const Vec3& p) { return (p - hole.pos).length() < 1e-9; }))
                out.add(hole.pos, 0.04, palette::kCard);
    return out;
}

// Three layers of graphite, ABA, a C–C bond long one model unit: hexagons
// in each layer, every atom bonded to three; half of the next layer's atoms
// lie over the hexagons' centres.
Particles graphiteLayers(PictureId) {
    const cell::Graphite& g = cell::graphite();
    const double spacing = g.layerNm / g.bondNm, reach = 2.9;
    const double s3 = std::sqrt(3.0);
    Particles out;
    out.cubeEdges = false;
    out.azimuth = -20;
    out.elevation = 18;
    for (int layer = 0; layer < 3; ++layer) {
        // Layer B is layer A moved by one bond along x.
        const Vec3 shift{layer == 1 ? 1.0 : 0.0, 0, layer * spacing};
        std::vector<Vec3> atoms;
        for (int i = -5; i <= 5; ++i)
            for (int j = -5; j <= 5; ++j)
                // The two atoms of the honeycomb's cell (lattice vectors of length √3).
                for (const Vec3& base : {Vec3{0, 0, 0}, Vec3{1, 0, 0}}) {
                    const Vec3 p = base + Vec3{1.5 * (i + j), s3 / 2 * (i - j), 0};
                    if (std::hypot(p.x - 0.5, p.y) <= reach)
                        atoms.push_back(p + shift);
                }
        for (const Vec3& p : atoms)
            out.add(p, 0.17, kCarbon);
        for (std::size_t a = 0; a < atoms.size(); ++a)
            for (std::size_t b = a + 1; b < atoms.size(); ++b)
                if (std::abs((atoms[a] - atoms[b]).length() - 1.0) < 1e-6)
                    out.rods.push_back({atoms[a], atoms[b], 0.06, kCarbon.lighter(150)});
    }
    return out;
}

constexpr struct {
    PictureKind kind;
    Particles (*layout)(PictureId);
} kKinds[] = {
    {PictureKind::CrystalCell, smallBalls},       {PictureKind::CrystalPacked, packed},
    {PictureKind::CrystalNeighbours, neighbours}, {PictureKind::CrystalFrame, frame},
    {PictureKind::Graphite, graphiteLayers},
};

} // namespace

std::unique_ptr<CellDrawing> crystalDrawing(PictureId picture) {
    for (const auto& k : kKinds)
        if (k.kind == picture.kind)
            return std::make_unique<CrystalDrawing>(picture, k.layout(picture));
    return nullptr;
}

} // namespace celldrawing
