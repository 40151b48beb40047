// The family of the stacks: the lesson on stacking close-packed layers.
// Spheres of one diameter, each coloured by the place of its layer (A green,
// B blue, C orange), seen a little from above so that the layers show. Each
// kind is what it lays out (its Spheres), drawn by one drawing.

#include "families.h"
#include "palette.h"
#include "stacking.h"

#include <algorithm>
#include <cmath>

namespace celldrawing {

using cell::Structure;
using cell::Vec3;
using namespace cell::stacking;
using render::Ball;
using render::Scene;

namespace {

constexpr double kLayerReach = 2.7, kStackReach = 2.0, kCellReach = 1.8;
// The view of every stack from the side: the front turned a little left.
constexpr double kAzimuth = -12;

QColor layerColour(Layer l) {
    switch (l) {
    case Layer::A:
        return palette::kAtomGreen;
    case Layer::B:
        return palette::kLayerBlue;
    case Layer::C:
        break;
    }
    return palette::kLayerOrange;
}

// A layer colour faded toward white, for what lies around the cell.
QColor faded(const QColor& c) {
    return QColor((c.red() + 2 * 255) / 3, (c.green() + 2 * 255) / 3, (c.blue() + 2 * 255) / 3);
}

// A layer colour a little toward white, for the layers under the one looked at.
QColor paler(const QColor& c) {
    return QColor((2 * c.red() + 255) / 3, (2 * c.green() + 255) / 3, (2 * c.blue() + 255) / 3);
}

bool among(const std::vector<Vec3>& points, Vec3 p) {
    return std::any_of(points.begin(), points.end(),
                       [&](const Vec3& q) { return (q - p).length() < 1e-6; });
}

// What a kind of the family lays out, and how steeply it is seen.
struct Spheres {
    std::vector<Ball> balls;
    std::vector<Vec3> atoms; // places a marker can be pinned to
    std::vector<std::pair<Vec3, Vec3>> edges;
    double elevation = 0;

    void add(Vec3 centre, double radius, const QColor& surface) {
        Ball b;
        b.centre = centre;
        b.radius = radius;
        b.surface = surface;
        balls.push_back(b);
    }
};

class StackDrawing : public CellDrawing {
public:
    StackDrawing(PictureId id, Spheres spheres)
        : CellDrawing(id, layoutOf(id, spheres)), m_spheres(std::move(spheres)) {}

    std::optional<Vec3> atomPosition(int atom) const override {
        if (atom < 0 || atom >= int(m_spheres.atoms.size()))
            return std::nullopt;
        return m_spheres.atoms[std::size_t(atom)];
    }

protected:
    Scene scene(const cell::Camera& cam, const View&) const override {
        Scene scene;
        scene.balls = m_spheres.balls;
        for (const auto& [from, to] : m_spheres.edges)
            scene.rods.push_back({from, to, 1.4 / cam.scale, palette::kEdgeBlue});
        return scene;
    }

private:
    // The view from the kind's angles, with everything in the picture.
    static Layout layoutOf(PictureId id, const Spheres& s) {
        const QSize size = pictureSize(id);
        Layout l;
        std::vector<Vec3> centres;
        for (const Ball& b : s.balls) {
            l.extent.push_back({b.centre, b.radius});
            centres.push_back(b.centre);
        }
        for (const Vec3& p : s.atoms)
            l.extent.push_back({p, 0.5});
        l.room = QRectF(8, 8, size.width() - 16, size.height() - 16);
        l.designed = render::fittedCamera(kAzimuth, s.elevation, size, l.room, l.extent);
        l.pivot = middleOf(centres);
        l.options.ground = palette::kScreenCyan;
        l.options.outline = 0.3;
        return l;
    }

    Spheres m_spheres;
};

// Layer A alone (variant 0); with one sphere's six neighbours (1); with its
// two kinds of hollows (2).
Spheres layerA(PictureId id) {
    Spheres out;
    const std::vector<Vec3> sites = layerSites(Layer::A, 0, kLayerReach);
    const std::vector<Vec3> six = touching(sites, {});
    for (const Vec3& p : sites) {
        QColor c = palette::kAtomGreen;
        if (id.number == 1 && p.length() > 1e-6)
            c = among(six, p) ? palette::kCornerRed : palette::kPaleGreen;
        out.add(p, 0.5, c);
    }
    if (id.number == 2)
        // A small bead in each hollow, high enough to be seen between the spheres.
        for (Layer l : {Layer::B, Layer::C})
            for (const Vec3& p : layerSites(l, 0.42, kLayerReach - 0.7))
                out.add(p, 0.11, layerColour(l));
    out.elevation = 42;
    return out;
}

// Layer B over half of A's hollows, and the two places a sphere of the
// third layer can take: atom 0 over a sphere of A, atom 1 over a hollow that
// neither layer uses (C). Seen from nearly above, with B's spheres drawn
// smaller, so that each of B's hollows shows what lies under it: the top of
// a sphere of A, or a small orange bead where both layers leave the ground
// open (C's places).
Spheres choice(PictureId) {
    Spheres out;
    const double h = layerSpacing();
    for (const Vec3& p : layerSites(Layer::A, 0, kLayerReach))
        out.add(p, 0.5, palette::kAtomGreen);
    // The beads lie in A's hollows, up where they show between the spheres.
    for (const Vec3& p : layerSites(Layer::C, 0.42, kLayerReach - 0.3))
        out.add(p, 0.14, layerColour(Layer::C));
    for (const Vec3& p : layerSites(Layer::B, h, kLayerReach - 0.5))
        out.add(p, 0.36, palette::kLayerBlue);
    // Near the middle, side by side, apart enough for their names: over the
    // A sphere at (-1, 0), and over C's hollow at its own offset.
    const Vec3 up{0, 0, 2 * h};
    out.atoms = {Vec3{-1, 0, 0} + up, layerOffset(Layer::C) + up};
    out.elevation = kMaxElevation;
    return out;
}

// The first three layers of a stack, ABA (HCP) or ABC (FCC): the third, the
// one the choice placed, on top in its colour, the two under it paler.
Spheres threeLayers(PictureId id) {
    Spheres out;
    const Structure s = id.cellStructure();
    for (int k = 0; k < 3; ++k) {
        const QColor c = layerColour(stackLayer(s, k));
        for (const Vec3& p : layerSites(stackLayer(s, k), k * layerSpacing(), kStackReach))
            out.add(p, 0.5, k == 2 ? c : paler(c));
    }
    out.elevation = 30;
    return out;
}

// The stack with the structure's cell inside: the spheres small so that the
// cell shows, those of the cell larger, its edges drawn.
Spheres withCell(PictureId id) {
    Spheres out;
    const Structure s = id.cellStructure();
    const cell::Cell& c = cell::model(s);
    std::vector<Vec3> cellAtoms;
    for (const cell::Atom& a : c.atoms)
        cellAtoms.push_back(inStack(s, a.pos));
    for (int k = 0; k < 4; ++k)
        for (const Vec3& p : layerSites(stackLayer(s, k), k * layerSpacing(), kCellReach)) {
            const bool inCell = among(cellAtoms, p);
            const QColor colour = layerColour(stackLayer(s, k));
            out.add(p, inCell ? 0.28 : 0.1, inCell ? colour : faded(colour));
        }
    for (const auto& e : c.edges)
        out.edges.push_back({inStack(s, c.corners[e[0]]), inStack(s, c.corners[e[1]])});
    out.elevation = s == Structure::Fcc ? 12 : 16;
    return out;
}

// One sphere of a middle layer and the twelve that touch it, the three
// layers drawn apart: six in its layer, three above and three below.
Spheres neighbours(PictureId id) {
    Spheres out;
    const Structure s = id.cellStructure();
    const double h = layerSpacing(), apart = 1.4;
    const std::vector<Vec3> spheres = stack(s, 3, kStackReach);
    const Vec3 focus = layerOffset(stackLayer(s, 1)) + Vec3{0, 0, h};
    out.add(focus, 0.5, palette::kAtomGreen);
    for (const Vec3& p : touching(spheres, focus)) {
        const int layer = int(std::lround(p.z / h)) - 1; // -1 below, 0 its own, 1 above
        out.add(p + Vec3{0, 0, layer * apart}, 0.5,
                layer == 0 ? palette::kCornerRed : palette::kInnerMagenta);
    }
    out.elevation = 40;
    return out;
}

// The kinds of the family, each by what it lays out.
constexpr struct {
    PictureKind kind;
    Spheres (*layout)(PictureId);
} kKinds[] = {
    {PictureKind::StackLayer, layerA},          {PictureKind::StackChoice, choice},
    {PictureKind::Stack, threeLayers},           {PictureKind::StackCell, withCell},
    {PictureKind::StackNeighbours, neighbours},
};

} // namespace

std::unique_ptr<CellDrawing> stackDrawing(PictureId picture) {
    for (const auto& k : kKinds)
        if (k.kind == picture.kind)
            return std::make_unique<StackDrawing>(picture, k.layout(picture));
    return nullptr;
}

} // namespace celldrawing
