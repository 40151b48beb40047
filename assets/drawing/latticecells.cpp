// The family of the lattice cells: the unit cells of the three structures
// as ball-and-stick, cut away, as touching spheres, and built piece by piece,
// and the coordination pictures.

#include "families.h"
#include "palette.h"

#include <cmath>
#include <numbers>

namespace celldrawing {

using cell::Structure;
using cell::Vec3;
using render::Ball;
using render::Scene;

namespace {

constexpr double kHcpHeight = 1.6329931618554521; // ideal c/a, as in the model
constexpr double kDeg = std::numbers::pi / 180.0;

bool near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

int findAtom(const cell::Cell& c, Vec3 p) {
    for (std::size_t i = 0; i < c.atoms.size(); ++i)
        if ((c.atoms[i].pos - p).length() < 1e-6)
            return int(i);
    return -1;
}

std::vector<cell::Plane> shifted(const std::vector<cell::Plane>& planes, Vec3 shift) {
    std::vector<cell::Plane> out = planes;
    for (cell::Plane& p : out)
        p.d += p.n.dot(shift);
    return out;
}

void addEdges(Scene& scene, const cell::Cell& c, Vec3 shift, double radius, const QColor& colour) {
    for (const auto& e : c.edges)
        scene.rods.push_back({c.corners[e[0]] + shift, c.corners[e[1]] + shift, radius, colour});
}

render::Extent cellExtent(const cell::Cell& c, Vec3 shift = {}) {
    render::Extent ext;
    for (const Vec3& p : c.corners)
        ext.push_back({p + shift, 0.0});
    for (const cell::Atom& a : c.atoms)
        if (a.site == cell::Site::Inner)
            ext.push_back({a.pos + shift, c.radius});
    return ext;
}

std::vector<Vec3> cornersOf(const cell::Cell& c, Vec3 shift = {}) {
    std::vector<Vec3> out;
    for (const Vec3& p : c.corners)
        out.push_back(p + shift);
    return out;
}

// The interior viewer's two drawings: the lesson camera, on a card.
CellDrawing::Layout lessonLayout(Structure s, double outline) {
    CellDrawing::Layout l;
    l.designed = cell::lessonCamera(s);
    l.pivot = middleOf(cornersOf(cell::model(s)));
    l.extent = cell::lessonExtent(s);
    const double m = cell::lessonMargin();
    l.room = QRectF(m, m, l.designed.width - 2 * m, l.designed.height - 2 * m);
    l.options.ground = palette::kCard;
    l.options.outline = outline;
    l.card = true;
    return l;
}

// The cell seen from its structure's lesson angles, tilted further down by
// tilt degrees, fitted to the picture within the margins.
CellDrawing::Layout fitted(PictureId id, QMargins margins, render::Extent extent, Vec3 pivot,
                           double tilt = 0) {
    const cell::Camera& lesson = cell::lessonCamera(id.cellStructure());
    const QSize size = pictureSize(id);
    CellDrawing::Layout l;
    l.room = QRectF(QRect(QPoint(), size).marginsRemoved(margins));
    l.extent = std::move(extent);
    l.designed =
        render::fittedCamera(lesson.azimuthDeg, lesson.elevationDeg + tilt, size, l.room, l.extent);
    l.pivot = pivot;
    return l;
}

// The cell's own box and atoms, fitted within the margins.
CellDrawing::Layout fittedCell(PictureId id, QMargins margins) {
    const cell::Cell& c = cell::model(id.cellStructure());
    return fitted(id, margins, cellExtent(c), middleOf(cornersOf(c)));
}

// The parts of the atoms inside the cell, coloured by colour(i), and its edges.
template <class Colours> Scene cutawayScene(const cell::Camera& cam, Structure s, Colours colour) {
    const cell::Cell& c = cell::model(s);
    Scene scene;
    for (int i = 0; i < int(c.atoms.size()); ++i) {
        const auto [surface, cut] = colour(i);
        scene.balls.push_back(scenes::piece(c, i, {}, surface, cut));
    }
    addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
    return scene;
}

std::pair<QColor, QColor> green(int) {
    return {palette::kAtomGreen, palette::kCutYellow};
}

// How an atom of a coordination picture is coloured.
enum class Role { Plain, Focus, Near, Side, Pale };

std::pair<QColor, QColor> roleColours(Role role) {
    switch (role) {
    case Role::Plain:
    case Role::Focus:
        break;
    case Role::Near:
        return {palette::kCornerRed, palette::kCornerRedCut};
    case Role::Side:
        return {palette::kInnerMagenta, palette::kInnerMagentaCut};
    case Role::Pale:
        return {palette::kPaleGreen, palette::kPaleCut};
    }
    return {palette::kAtomGreen, palette::kCutYellow};
}

// The index of the atom that the coordination pictures look at.
int focusAtom(Structure s) {
    const cell::Cell& c = cell::model(s);
    switch (s) {
    case Structure::Bcc:
        return findAtom(c, {0.5, 0.5, 0.5});
    case Structure::Fcc:
        return findAtom(c, {0.5, 0.5, 1});
    case Structure::Hcp:
        break;
    }
    return findAtom(c, {0, 0, kHcpHeight});
}

// The ball-and-stick cell: red corners, magenta inner atoms, blue edges and
// yellow guide lines.
class BallStick : public CellDrawing {
public:
    explicit BallStick(PictureId id) : CellDrawing(id, lessonLayout(id.cellStructure(), 0.35)) {}

protected:
    Scene scene(const cell::Camera& cam, const View&) const override {
        const Structure s = structure();
        const cell::Cell& c = cell::model(s);
        const double px = 1.0 / cam.scale; // one logical pixel in model units
        Scene scene;
        for (std::size_t i = 0; i < c.atoms.size(); ++i) {
            Ball b;
            b.centre = c.atoms[i].pos;
            b.radius = cell::ballRadius(s);
            b.surface = c.atoms[i].site == cell::Site::Corner ? palette::kCornerRed
                                                              : palette::kInnerMagenta;
            b.tag = int(i);
            scene.balls.push_back(b);
        }
        addEdges(scene, c, {}, 1.4 * px, palette::kEdgeBlue);
        auto guide = [&](Vec3 a, Vec3 b) {
            scene.rods.push_back({a, b, 0.65 * px, palette::kGuideYellow});
        };
        switch (s) {
        case Structure::Bcc:
            for (const Vec3& corner : c.corners)
                guide({0.5, 0.5, 0.5}, corner);
            break;
        case Structure::Fcc:
            guide({0.5, 0.5, 0}, {0.5, 0.5, 1});
            guide({0, 0.5, 0.5}, {1, 0.5, 0.5});
            guide({0.5, 0, 0.5}, {0.5, 1, 0.5});
            break;
        case Structure::Hcp: {
            // Spokes of both hexagons, and the triangle of the middle layer over them.
            for (int k = 0; k < 6; ++k) {
                guide({0, 0, 0}, c.corners[k]);
                guide({0, 0, kHcpHeight}, c.corners[6 + k]);
            }
            std::vector<Vec3> middle;
            for (const cell::Atom& a : c.atoms)
                if (a.site == cell::Site::Inner)
                    middle.push_back(a.pos);
            for (std::size_t k = 0; k < middle.size(); ++k)
                guide(middle[k], middle[(k + 1) % middle.size()]);
            break;
        }
        }
        return scene;
    }
};

// The empty cell, and the pieces the learner has put into it. The pieces
// are drawn together, so that a nearer one covers a farther one from every
// side.
class BuiltCell : public CellDrawing {
public:
    explicit BuiltCell(PictureId id)
        : CellDrawing(id, lessonLayout(id.cellStructure(), render::RenderOptions{}.outline)) {}

protected:
    Scene scene(const cell::Camera& cam, const View& v) const override {
        const cell::Cell& c = cell::model(structure());
        Scene scene = scenes::emptyCell(c, cam);
        for (int i = 0; i < int(c.atoms.size()) && i < int(v.piecesIn.size()); ++i)
            if (v.piecesIn[std::size_t(i)])
                scene.balls.push_back(
                    scenes::piece(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
        return scene;
    }
};

// The parts of the atoms inside the cell, cut faces yellow.
class Cutaway : public CellDrawing {
public:
    explicit Cutaway(PictureId id) : CellDrawing(id, fittedCell(id, QMargins(3, 3, 3, 3))) {}

protected:
    Scene scene(const cell::Camera& cam, const View&) const override {
        return cutawayScene(cam, structure(), green);
    }
};

// A block of touching hard spheres.
class Spheres : public CellDrawing {
public:
    explicit Spheres(PictureId id) : Spheres(id, blockOf(id.cellStructure())) {}

protected:
    Scene scene(const cell::Camera&, const View&) const override {
        Scene scene;
        for (const Vec3& p : m_block.centres) {
            Ball b;
            b.centre = p;
            b.radius = m_block.radius;
            b.surface = palette::kAtomGreen;
            scene.balls.push_back(b);
        }
        return scene;
    }

private:
    struct Block {
        std::vector<Vec3> centres;
        double radius = 0;
    };

    Spheres(PictureId id, Block block)
        : CellDrawing(id, layoutOf(id, block)), m_block(std::move(block)) {}

    static Block blockOf(Structure s) {
        Block b;
        switch (s) {
        case Structure::Bcc:
            b.radius = std::sqrt(3.0) / 4.0;
            for (int i = 0; i <= 2; ++i)
                for (int j = 0; j <= 2; ++j)
                    for (int k = 0; k <= 2; ++k) {
                        b.centres.push_back({double(i), double(j), double(k)});
                        if (i < 2 && j < 2 && k < 2)
                            b.centres.push_back({i + 0.5, j + 0.5, k + 0.5});
                    }
            break;
        case Structure::Fcc:
            b.radius = std::sqrt(2.0) / 4.0;
            for (int i = 0; i <= 4; ++i)
                for (int j = 0; j <= 4; ++j)
                    for (int k = 0; k <= 4; ++k)
                        if ((i + j + k) % 2 == 0)
                            b.centres.push_back({i / 2.0, j / 2.0, k / 2.0});
            break;
        case Structure::Hcp: {
            // Close-packed layers A B A B: each layer a hexagonal patch, B over
            // every second hollow of A.
            b.radius = 0.5;
            const double layer = kHcpHeight / 2.0;
            for (int z = 0; z < 4; ++z) {
                const double ox = z % 2 ? 0.5 : 0.0, oy = z % 2 ? std::sqrt(3.0) / 6.0 : 0.0;
                for (int u = -4; u <= 4; ++u)
                    for (int v = -4; v <= 4; ++v) {
                        const double x = u + v * 0.5 + ox, y = v * std::sqrt(3.0) / 2.0 + oy;
                        // A hexagonal patch of circumradius 2 around the axis.
                        bool inside = true;
                        for (int k = 0; k < 6; ++k) {
                            const double a = (30.0 + 60.0 * k) * kDeg;
                            if (x * std::cos(a) + y * std::sin(a) > std::sqrt(3.0) + 1e-6)
                                inside = false;
                        }
                        if (inside)
                            b.centres.push_back({x, y, z * layer});
                    }
            }
            break;
        }
        }
        return b;
    }

    static Layout layoutOf(PictureId id, const Block& b) {
        render::Extent extent;
        for (const Vec3& p : b.centres)
            extent.push_back({p, b.radius});
        Layout l = fitted(id, QMargins(6, 6, 6, 6), std::move(extent), middleOf(b.centres), 6);
        l.options.ground = palette::kScreenCyan;
        l.options.outline = 0.3;
        return l;
    }

    Block m_block;
};

// The cut-away cell with the atom to look at, pointed out by a callout.
class NeighbourQuestion : public CellDrawing {
public:
    explicit NeighbourQuestion(PictureId id)
        : NeighbourQuestion(id, fittedCell(id, QMargins(10, 40, 10, 8))) {}
    Overlay overlay(const cell::Camera& cam) const override {
        const cell::Point2 at = cam.project(cell::model(structure()).atoms[m_focus].pos);
        Overlay o;
        o.callout = Callout{QPointF(size().width() - 40, 18), QPointF(at.x, at.y)};
        return o;
    }

protected:
    NeighbourQuestion(PictureId id, Layout layout)
        : CellDrawing(id, std::move(layout)), m_focus(focusAtom(id.cellStructure())) {}
    Scene scene(const cell::Camera& cam, const View&) const override {
        return cutawayScene(cam, structure(), green);
    }
    int m_focus = 0;
};

// The answer: the cube with the focus atom's neighbours coloured (BCC), or
// two cells one above the other, drawn apart, with arrows where they join.
class NeighbourAnswer : public NeighbourQuestion {
public:
    explicit NeighbourAnswer(PictureId id) : NeighbourAnswer(id, joinOf(id.cellStructure())) {}

    Overlay overlay(const cell::Camera& cam) const override {
        if (structure() == Structure::Bcc)
            return NeighbourQuestion::overlay(cam);
        const cell::Cell& c = cell::model(structure());
        const cell::Point2 at = cam.project(c.atoms[m_focus].pos);
        Overlay o;
        // Arrows between the outermost corners of the joining faces.
        int leftmost = -1, rightmost = -1;
        for (int k = 0; k < int(c.corners.size()); ++k) {
            if (!near(c.corners[k].z, m_join.top))
                continue;
            const double x = cam.project(c.corners[k]).x;
            if (leftmost < 0 || x < cam.project(c.corners[leftmost]).x)
                leftmost = k;
            if (rightmost < 0 || x > cam.project(c.corners[rightmost]).x)
                rightmost = k;
        }
        for (int k : {leftmost, rightmost}) {
            const bool left = k == leftmost;
            const double dx = left ? -9 : 9;
            const Vec3 lower = c.corners[k],
                       upper = c.corners[k] + m_join.up - Vec3{0, 0, m_join.top};
            const cell::Point2 a = cam.project(upper), b = cam.project(lower);
            o.arrows.push_back({QPointF(a.x + dx, a.y + 4), QPointF(b.x + dx, b.y - 4), left});
        }
        // Below the right arrow, pointing at the top of the lower cell.
        const cell::Point2 rightCorner = cam.project(c.corners[rightmost]);
        o.callout = Callout{QPointF(size().width() - 25, rightCorner.y + 26), QPointF(at.x, at.y)};
        return o;
    }

protected:
    Scene scene(const cell::Camera& cam, const View&) const override {
        const Structure s = structure();
        const cell::Cell& c = cell::model(s);
        if (s == Structure::Bcc)
            // The same cube as the question, its corners coloured as the neighbours.
            return cutawayScene(cam, s, [&](int i) {
                return roleColours(i == m_focus ? Role::Focus : Role::Near);
            });
        const cell::Atom& fa = c.atoms[m_focus];
        auto role = [&](int i, bool upper) {
            const cell::Atom& a = c.atoms[std::size_t(i)];
            const double joinZ = upper ? 0.0 : m_join.top;
            if (near(a.pos.z, joinZ) && near(a.pos.x, fa.pos.x) && near(a.pos.y, fa.pos.y))
                return Role::Focus;
            if (a.site == cell::Site::Corner && near(a.pos.z, joinZ))
                return Role::Near;
            // The face centres of the side faces (cube) or the middle layer (prism).
            if ((s == Structure::Fcc && a.site == cell::Site::Face &&
                 near(a.pos.z, m_join.top / 2)) ||
                (s == Structure::Hcp && a.site == cell::Site::Inner))
                return Role::Side;
            return Role::Pale;
        };
        Scene scene;
        for (int half = 0; half < 2; ++half)
            for (int i = 0; i < int(c.atoms.size()); ++i) {
                const auto [surface, cut] = roleColours(role(i, half == 1));
                scene.balls.push_back(scenes::piece(c, i, half ? m_join.up : Vec3{}, surface, cut));
            }
        addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
        addEdges(scene, c, m_join.up, 0.6 / cam.scale, palette::kCellLine);
        return scene;
    }

private:
    // The two cells of the close-packed structures: the lower one carries the
    // focus atom in its top face, the upper one, this far up, the other half
    // of it.
    struct Join {
        double top = 0;
        Vec3 up;
    };

    NeighbourAnswer(PictureId id, Join join)
        : NeighbourQuestion(id, layoutOf(id, join)), m_join(join) {}

    static Join joinOf(Structure s) {
        if (s == Structure::Bcc)
            return {};
        const double top = cell::model(s).atoms[std::size_t(focusAtom(s))].pos.z;
        const double gap = 0.55 * top;
        return {top, {0, 0, top + gap}};
    }

    static Layout layoutOf(PictureId id, const Join& join) {
        if (id.cellStructure() == Structure::Bcc)
            return fittedCell(id, QMargins(10, 40, 10, 8));
        const cell::Cell& c = cell::model(id.cellStructure());
        render::Extent extent = cellExtent(c);
        for (const auto& e : cellExtent(c, join.up))
            extent.push_back(e);
        std::vector<Vec3> corners = cornersOf(c);
        for (const Vec3& p : cornersOf(c, join.up))
            corners.push_back(p);
        return fitted(id, QMargins(50, 8, 50, 8), std::move(extent), middleOf(corners), 4);
    }

    Join m_join;
};

template <class Drawing> std::unique_ptr<CellDrawing> make(PictureId picture) {
    return std::make_unique<Drawing>(picture);
}

// The kinds of the family, each by its drawing.
constexpr struct {
    PictureKind kind;
    std::unique_ptr<CellDrawing> (*make)(PictureId);
} kKinds[] = {
    {PictureKind::BallStick, make<BallStick>},
    {PictureKind::EmptyCell, make<BuiltCell>},
    {PictureKind::Cutaway, make<Cutaway>},
    {PictureKind::Spheres, make<Spheres>},
    {PictureKind::NeighbourQuestion, make<NeighbourQuestion>},
    {PictureKind::NeighbourAnswer, make<NeighbourAnswer>},
};

} // namespace

namespace scenes {

Scene emptyCell(const cell::Cell& c, const cell::Camera& cam) {
    Scene scene;
    addEdges(scene, c, {}, 0.8 / cam.scale, palette::kCellLine);
    return scene;
}

// The part of atom i that lies inside the cell (the whole atom if it counts whole).
Ball piece(const cell::Cell& c, int i, Vec3 shift, const QColor& surface, const QColor& cut) {
    const cell::Atom& a = c.atoms.at(std::size_t(i));
    Ball b;
    b.centre = a.pos + shift;
    b.radius = c.radius;
    if (a.site != cell::Site::Inner)
        b.clip = shifted(c.planes, shift);
    b.surface = surface;
    b.cut = cut;
    b.tag = i;
    return b;
}

} // namespace scenes

std::unique_ptr<CellDrawing> latticeCell(PictureId picture) {
    for (const auto& k : kKinds)
        if (k.kind == picture.kind)
            return k.make(picture);
    return nullptr;
}

std::unique_ptr<CellDrawing> fixedCutaway(PictureId picture) {
    return std::make_unique<Cutaway>(picture);
}

} // namespace celldrawing
