#include "celldrawing.h"

#include "palette.h"
#include "quickcaster.h"
#include "stacking.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
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

// The words' boxes, in logical pixels: each word with room around it.
constexpr double kCalloutWidth = 40, kCalloutHeight = 22;
constexpr double kArrowWordWidth = 28, kArrowWordHeight = 20;

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

// The middle of the box around the points: the point a drawing turns about.
Vec3 middleOf(const std::vector<Vec3>& points) {
    Vec3 lo = points.front(), hi = points.front();
    for (const Vec3& p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    return (lo + hi) * 0.5;
}

std::vector<Vec3> cornersOf(const cell::Cell& c, Vec3 shift = {}) {
    std::vector<Vec3> out;
    for (const Vec3& p : c.corners)
        out.push_back(p + shift);
    return out;
}

double azimuthOf(Structure s) {
    return cell::lessonCamera(s).azimuthDeg;
}
double elevationOf(Structure s) {
    return cell::lessonCamera(s).elevationDeg;
}

// How an atom of a coordination picture is coloured.
enum class Role { Plain, Focus, Near, Side, Pale };

void roleColours(Role role, QColor& surface, QColor& cut) {
    switch (role) {
    case Role::Plain:
    case Role::Focus:
        surface = palette::kAtomGreen;
        cut = palette::kCutYellow;
        return;
    case Role::Near:
        surface = palette::kCornerRed;
        cut = palette::kCornerRedCut;
        return;
    case Role::Side:
        surface = palette::kInnerMagenta;
        cut = palette::kInnerMagentaCut;
        return;
    case Role::Pale:
        surface = palette::kPaleGreen;
        cut = palette::kPaleCut;
        return;
    }
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
    BallStick(PictureId id) : CellDrawing(id) {
        const Structure s = id.cellStructure();
        m_designed = cell::lessonCamera(s);
        m_pivot = middleOf(cornersOf(cell::model(s)));
        m_extent = cell::lessonExtent(s);
        const double m = cell::lessonMargin();
        m_room = QRectF(m, m, m_designed.width - 2 * m, m_designed.height - 2 * m);
        m_options.ground = palette::kCard;
        m_options.outline = 0.35;
        m_card = true;
    }

protected:
    Scene scene(const cell::Camera& cam) const override {
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
    BuiltCell(PictureId id) : CellDrawing(id) {
        const Structure s = id.cellStructure();
        m_designed = cell::lessonCamera(s);
        m_pivot = middleOf(cornersOf(cell::model(s)));
        m_extent = cell::lessonExtent(s);
        const double m = cell::lessonMargin();
        m_room = QRectF(m, m, m_designed.width - 2 * m, m_designed.height - 2 * m);
        m_options.ground = palette::kCard;
        m_card = true;
    }
    void setPiecesIn(const std::vector<bool>& in) override { m_in = in; }

protected:
    Scene scene(const cell::Camera& cam) const override {
        const cell::Cell& c = cell::model(structure());
        Scene scene = scenes::emptyCell(c, cam);
        for (int i = 0; i < int(c.atoms.size()) && i < int(m_in.size()); ++i)
            if (m_in[std::size_t(i)])
                scene.balls.push_back(
                    scenes::piece(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
        return scene;
    }

private:
    std::vector<bool> m_in;
};

// The parts of the atoms inside the cell, cut faces yellow.
class Cutaway : public CellDrawing {
public:
    Cutaway(PictureId id) : CellDrawing(id) {
        const Structure s = id.cellStructure();
        const QSize size = pictureSize(id);
        const cell::Cell& c = cell::model(s);
        m_room = QRectF(3, 3, size.width() - 6, size.height() - 6);
        m_extent = cellExtent(c);
        m_designed = render::fittedCamera(azimuthOf(s), elevationOf(s), size, m_room, m_extent);
        m_pivot = middleOf(cornersOf(c));
    }

protected:
    Scene scene(const cell::Camera& cam) const override {
        const cell::Cell& c = cell::model(structure());
        Scene scene;
        for (int i = 0; i < int(c.atoms.size()); ++i)
            scene.balls.push_back(
                scenes::piece(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
        addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
        return scene;
    }
};

// A block of touching hard spheres.
class Spheres : public CellDrawing {
public:
    Spheres(PictureId id) : CellDrawing(id) {
        const Structure s = id.cellStructure();
        switch (s) {
        case Structure::Bcc:
            m_radius = std::sqrt(3.0) / 4.0;
            for (int i = 0; i <= 2; ++i)
                for (int j = 0; j <= 2; ++j)
                    for (int k = 0; k <= 2; ++k) {
                        m_centres.push_back({double(i), double(j), double(k)});
                        if (i < 2 && j < 2 && k < 2)
                            m_centres.push_back({i + 0.5, j + 0.5, k + 0.5});
                    }
            break;
        case Structure::Fcc:
            m_radius = std::sqrt(2.0) / 4.0;
            for (int i = 0; i <= 4; ++i)
                for (int j = 0; j <= 4; ++j)
                    for (int k = 0; k <= 4; ++k)
                        if ((i + j + k) % 2 == 0)
                            m_centres.push_back({i / 2.0, j / 2.0, k / 2.0});
            break;
        case Structure::Hcp: {
            // Close-packed layers A B A B: each layer a hexagonal patch, B over
            // every second hollow of A.
            m_radius = 0.5;
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
                            m_centres.push_back({x, y, z * layer});
                    }
            }
            break;
        }
        }
        const QSize size = pictureSize(id);
        for (const Vec3& p : m_centres)
            m_extent.push_back({p, m_radius});
        m_room = QRectF(6, 6, size.width() - 12, size.height() - 12);
        m_designed = render::fittedCamera(azimuthOf(s), elevationOf(s) + 6, size, m_room, m_extent);
        m_pivot = middleOf(m_centres);
        m_options.ground = palette::kScreenCyan;
        m_options.outline = 0.3;
    }

protected:
    Scene scene(const cell::Camera&) const override {
        Scene scene;
        for (const Vec3& p : m_centres) {
            Ball b;
            b.centre = p;
            b.radius = m_radius;
            b.surface = palette::kAtomGreen;
            scene.balls.push_back(b);
        }
        return scene;
    }

private:
    std::vector<Vec3> m_centres;
    double m_radius = 0;
};

// The cut-away cell with the atom to look at, pointed out by a callout.
class NeighbourQuestion : public CellDrawing {
public:
    NeighbourQuestion(PictureId id) : CellDrawing(id) {
        const Structure s = id.cellStructure();
        const QSize size = pictureSize(id);
        const cell::Cell& c = cell::model(s);
        m_room = QRectF(10, 40, size.width() - 20, size.height() - 48);
        m_extent = cellExtent(c);
        m_designed = render::fittedCamera(azimuthOf(s), elevationOf(s), size, m_room, m_extent);
        m_pivot = middleOf(cornersOf(c));
        m_focus = focusAtom(s);
    }
    Overlay overlay(const cell::Camera& cam) const override {
        const cell::Point2 at = cam.project(cell::model(structure()).atoms[m_focus].pos);
        Overlay o;
        o.callout = Callout{QPointF(size().width() - 40, 18), QPointF(at.x, at.y)};
        return o;
    }

protected:
    Scene scene(const cell::Camera& cam) const override {
        const cell::Cell& c = cell::model(structure());
        Scene scene;
        for (int i = 0; i < int(c.atoms.size()); ++i)
            scene.balls.push_back(
                scenes::piece(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
        addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
        return scene;
    }
    int m_focus = 0;
};

// The answer: the cube with the focus atom's neighbours coloured (BCC), or
// two cells one above the other, drawn apart, with arrows where they join.
class NeighbourAnswer : public CellDrawing {
public:
    NeighbourAnswer(PictureId id) : CellDrawing(id) {
        const Structure s = id.cellStructure();
        const QSize size = pictureSize(id);
        const cell::Cell& c = cell::model(s);
        m_focus = focusAtom(s);
        const cell::Atom& fa = c.atoms[m_focus];
        if (s == Structure::Bcc) {
            m_room = QRectF(10, 40, size.width() - 20, size.height() - 48);
            m_extent = cellExtent(c);
            m_designed = render::fittedCamera(azimuthOf(s), elevationOf(s), size, m_room, m_extent);
            m_pivot = middleOf(cornersOf(c));
            return;
        }
        // The lower cell carries the focus atom in its top face, the upper one
        // the other half of it.
        m_top = fa.pos.z;
        const double gap = 0.55 * m_top;
        m_up = {0, 0, m_top + gap};
        m_extent = cellExtent(c);
        for (const auto& e : cellExtent(c, m_up))
            m_extent.push_back(e);
        m_room = QRectF(50, 8, size.width() - 100, size.height() - 16);
        m_designed = render::fittedCamera(azimuthOf(s), elevationOf(s) + 4, size, m_room, m_extent);
        std::vector<Vec3> corners = cornersOf(c);
        for (const Vec3& p : cornersOf(c, m_up))
            corners.push_back(p);
        m_pivot = middleOf(corners);
    }

    Overlay overlay(const cell::Camera& cam) const override {
        const cell::Cell& c = cell::model(structure());
        const cell::Point2 at = cam.project(c.atoms[m_focus].pos);
        Overlay o;
        if (structure() == Structure::Bcc) {
            o.callout = Callout{QPointF(size().width() - 40, 18), QPointF(at.x, at.y)};
            return o;
        }
        // Arrows between the outermost corners of the joining faces.
        int leftmost = -1, rightmost = -1;
        for (int k = 0; k < int(c.corners.size()); ++k) {
            if (!near(c.corners[k].z, m_top))
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
            const Vec3 lower = c.corners[k], upper = c.corners[k] + m_up - Vec3{0, 0, m_top};
            const cell::Point2 a = cam.project(upper), b = cam.project(lower);
            o.arrows.push_back({QPointF(a.x + dx, a.y + 4), QPointF(b.x + dx, b.y - 4), left});
        }
        // Below the right arrow, pointing at the top of the lower cell.
        const cell::Point2 rightCorner = cam.project(c.corners[rightmost]);
        o.callout = Callout{QPointF(size().width() - 25, rightCorner.y + 26), QPointF(at.x, at.y)};
        return o;
    }

protected:
    Scene scene(const cell::Camera& cam) const override {
        const Structure s = structure();
        const cell::Cell& c = cell::model(s);
        Scene scene;
        if (s == Structure::Bcc) {
            // The same cube as the question, its corners coloured as the neighbours.
            for (int i = 0; i < int(c.atoms.size()); ++i) {
                QColor surface, cut;
                roleColours(i == m_focus ? Role::Focus : Role::Near, surface, cut);
                scene.balls.push_back(scenes::piece(c, i, {}, surface, cut));
            }
            addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
            return scene;
        }
        const cell::Atom& fa = c.atoms[m_focus];
        auto role = [&](int i, bool upper) {
            const cell::Atom& a = c.atoms[std::size_t(i)];
            const double joinZ = upper ? 0.0 : m_top;
            if (near(a.pos.z, joinZ) && near(a.pos.x, fa.pos.x) && near(a.pos.y, fa.pos.y))
                return Role::Focus;
            if (a.site == cell::Site::Corner && near(a.pos.z, joinZ))
                return Role::Near;
            // The face centres of the side faces (cube) or the middle layer (prism).
            if ((s == Structure::Fcc && a.site == cell::Site::Face && near(a.pos.z, m_top / 2)) ||
                (s == Structure::Hcp && a.site == cell::Site::Inner))
                return Role::Side;
            return Role::Pale;
        };
        for (int half = 0; half < 2; ++half)
            for (int i = 0; i < int(c.atoms.size()); ++i) {
                QColor surface, cut;
                roleColours(role(i, half == 1), surface, cut);
                scene.balls.push_back(scenes::piece(c, i, half ? m_up : Vec3{}, surface, cut));
            }
        addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
        addEdges(scene, c, m_up, 0.6 / cam.scale, palette::kCellLine);
        return scene;
    }

private:
    int m_focus = 0;
    double m_top = 0;
    Vec3 m_up;
};

// The lesson on stacking close-packed layers: spheres of one diameter, each
// coloured by the place of its layer (A green, B blue, C orange), seen a
// little from above so that the layers show.
class StackDrawing : public CellDrawing {
public:
    std::optional<Vec3> atomPosition(int atom) const override {
        if (atom < 0 || atom >= int(m_atoms.size()))
            return std::nullopt;
        return m_atoms[std::size_t(atom)];
    }

protected:
    explicit StackDrawing(PictureId id) : CellDrawing(id) {}

    static QColor layerColour(cell::stacking::Layer l) {
        switch (l) {
        case cell::stacking::Layer::A:
            return palette::kAtomGreen;
        case cell::stacking::Layer::B:
            return palette::kLayerBlue;
        case cell::stacking::Layer::C:
            break;
        }
        return palette::kLayerOrange;
    }
    // A layer colour faded toward white, for what lies around the cell.
    static QColor faded(const QColor& c) {
        return QColor((c.red() + 2 * 255) / 3, (c.green() + 2 * 255) / 3, (c.blue() + 2 * 255) / 3);
    }
    void addBall(Vec3 centre, double radius, const QColor& surface) {
        Ball b;
        b.centre = centre;
        b.radius = radius;
        b.surface = surface;
        m_balls.push_back(b);
    }
    // The view from the given angles, with everything in the picture.
    void fit(double azimuth, double elevation) {
        const QSize size = pictureSize(picture());
        std::vector<Vec3> centres;
        for (const Ball& b : m_balls) {
            m_extent.push_back({b.centre, b.radius});
            centres.push_back(b.centre);
        }
        for (const Vec3& p : m_atoms)
            m_extent.push_back({p, 0.5});
        m_room = QRectF(8, 8, size.width() - 16, size.height() - 16);
        m_designed = render::fittedCamera(azimuth, elevation, size, m_room, m_extent);
        m_pivot = middleOf(centres);
        m_options.ground = palette::kScreenCyan;
        m_options.outline = 0.3;
    }
    Scene scene(const cell::Camera& cam) const override {
        Scene scene;
        scene.balls = m_balls;
        for (const auto& [from, to] : m_edges)
            scene.rods.push_back({from, to, 1.4 / cam.scale, palette::kEdgeBlue});
        return scene;
    }

    std::vector<Ball> m_balls;
    std::vector<Vec3> m_atoms; // places a marker can be pinned to
    std::vector<std::pair<Vec3, Vec3>> m_edges;
};

constexpr double kLayerReach = 2.7, kStackReach = 2.0, kCellReach = 1.8;

// Layer A alone; with one sphere's six neighbours; with its two kinds of hollows.
class StackLayer : public StackDrawing {
public:
    StackLayer(PictureId id) : StackDrawing(id) {
        using namespace cell::stacking;
        const std::vector<Vec3> sites = layerSites(Layer::A, 0, kLayerReach);
        const std::vector<Vec3> six = touching(sites, {});
        for (const Vec3& p : sites) {
            QColor c = palette::kAtomGreen;
            if (id.number == 1 && p.length() > 1e-6)
                c = std::any_of(six.begin(), six.end(),
                                [&](const Vec3& q) { return (q - p).length() < 1e-6; })
                        ? palette::kCornerRed
                        : palette::kPaleGreen;
            addBall(p, 0.5, c);
        }
        if (id.number == 2)
            // A small bead in each hollow, high enough to be seen between the spheres.
            for (Layer l : {Layer::B, Layer::C})
                for (const Vec3& p : layerSites(l, 0.42, kLayerReach - 0.7))
                    addBall(p, 0.11, layerColour(l));
        fit(-12, 42);
    }
};

// Layer B over half of A's hollows, and the two places a sphere of the
// third layer can take: atom 0 over a sphere of A, atom 1 over a hollow that
// neither layer uses (C).
class StackChoice : public StackDrawing {
public:
    StackChoice(PictureId id) : StackDrawing(id) {
        using namespace cell::stacking;
        const double h = layerSpacing();
        for (const Vec3& p : layerSites(Layer::A, 0, kLayerReach))
            addBall(p, 0.5, palette::kAtomGreen);
        for (const Vec3& p : layerSites(Layer::B, h, kLayerReach - 0.5))
            addBall(p, 0.5, palette::kLayerBlue);
        // Near the middle, apart enough to tell: over the A sphere at (1, 0),
        // and over the C hollow one step back from C's own offset.
        const Vec3 up{0, 0, 2 * h}, a1{1, 0, 0}, a2{0.5, std::sqrt(3.0) / 2.0, 0};
        m_atoms = {a1 + up, layerOffset(Layer::C) - a1 - a2 + up};
        // Steeper than layer A alone, so that the gaps of B show what lies
        // under them: a sphere of A, or the ground through both layers.
        fit(-12, 55);
    }
};

// The stack of four layers, ABAB (HCP) or ABCA (FCC).
class Stack : public StackDrawing {
public:
    Stack(PictureId id) : StackDrawing(id) {
        using namespace cell::stacking;
        const Structure s = id.cellStructure();
        for (int k = 0; k < 4; ++k)
            for (const Vec3& p : layerSites(stackLayer(s, k), k * layerSpacing(), kStackReach))
                addBall(p, 0.5, layerColour(stackLayer(s, k)));
        fit(-12, 24);
    }
};

// The stack with the structure's cell inside: the spheres small so that the
// cell shows, those of the cell larger, its edges drawn.
class StackCell : public StackDrawing {
public:
    StackCell(PictureId id) : StackDrawing(id) {
        using namespace cell::stacking;
        const Structure s = id.cellStructure();
        const cell::Cell& c = cell::model(s);
        std::vector<Vec3> cellAtoms;
        for (const cell::Atom& a : c.atoms)
            cellAtoms.push_back(inStack(s, a.pos));
        for (int k = 0; k < 4; ++k)
            for (const Vec3& p : layerSites(stackLayer(s, k), k * layerSpacing(), kCellReach)) {
                const bool inCell = std::any_of(cellAtoms.begin(), cellAtoms.end(),
                                                [&](Vec3 q) { return (q - p).length() < 1e-6; });
                const QColor colour = layerColour(stackLayer(s, k));
                addBall(p, inCell ? 0.28 : 0.1, inCell ? colour : faded(colour));
            }
        for (const auto& e : c.edges)
            m_edges.push_back({inStack(s, c.corners[e[0]]), inStack(s, c.corners[e[1]])});
        fit(-12, s == Structure::Fcc ? 12 : 16);
    }
};

// One sphere of a middle layer and the twelve that touch it, the three
// layers drawn apart: six in its layer, three above and three below.
class StackNeighbours : public StackDrawing {
public:
    StackNeighbours(PictureId id) : StackDrawing(id) {
        using namespace cell::stacking;
        const Structure s = id.cellStructure();
        const double h = layerSpacing(), apart = 1.4;
        const std::vector<Vec3> spheres = stack(s, 3, kStackReach);
        const Vec3 focus = layerOffset(stackLayer(s, 1)) + Vec3{0, 0, h};
        addBall(focus, 0.5, palette::kAtomGreen);
        for (const Vec3& p : touching(spheres, focus)) {
            const int layer = int(std::lround(p.z / h)) - 1; // -1 below, 0 its own, 1 above
            addBall(p + Vec3{0, 0, layer * apart}, 0.5,
                    layer == 0 ? palette::kCornerRed : palette::kInnerMagenta);
        }
        fit(-12, 40);
    }
};

// Each kind of turning drawing by the kind of its pictures. A new kind
// is a class like those above (its scene, its designed camera, what turns
// with it) and a row here; its pictures go into the catalog as any other.
// Its pictures: one per structure, one per close-packed structure, or a
// number of them.
struct Kind {
    PictureKind kind;
    std::unique_ptr<CellDrawing> (*make)(PictureId id);
    std::vector<PictureId> (*pictures)(PictureKind kind);
};

template <class T> std::unique_ptr<CellDrawing> make(PictureId id) {
    return std::make_unique<T>(id);
}

std::vector<PictureId> perStructure(PictureKind kind) {
    std::vector<PictureId> ids;
    for (Structure s : cell::kAllStructures)
        ids.push_back(pictures::of(kind, s));
    return ids;
}
std::vector<PictureId> closePacked(PictureKind kind) {
    return {pictures::of(kind, Structure::Hcp), pictures::of(kind, Structure::Fcc)};
}
std::vector<PictureId> single(PictureKind kind) {
    return {PictureId{kind}};
}
std::vector<PictureId> layerVariants(PictureKind) {
    return {pictures::stackLayer(0), pictures::stackLayer(1), pictures::stackLayer(2)};
}

const Kind kKinds[] = {
    {PictureKind::BallStick, make<BallStick>, perStructure},
    {PictureKind::EmptyCell, make<BuiltCell>, perStructure},
    {PictureKind::Cutaway, make<Cutaway>, perStructure},
    {PictureKind::Spheres, make<Spheres>, perStructure},
    {PictureKind::NeighbourQuestion, make<NeighbourQuestion>, perStructure},
    {PictureKind::NeighbourAnswer, make<NeighbourAnswer>, perStructure},
    {PictureKind::StackLayer, make<StackLayer>, layerVariants},
    {PictureKind::StackChoice, make<StackChoice>, single},
    {PictureKind::Stack, make<Stack>, closePacked},
    {PictureKind::StackCell, make<StackCell>, closePacked},
    {PictureKind::StackNeighbours, make<StackNeighbours>, closePacked},
};

// The word's picture, or a null image where the drawing has no such word.
QRectF wordBox(const Overlay& o, WordPicture w) {
    switch (w) {
    case WordPicture::Focus:
        return o.callout ? calloutBox(*o.callout) : QRectF();
    case WordPicture::JoinLeft:
    case WordPicture::JoinRight:
        break;
    }
    for (const JoinArrow& a : o.arrows)
        if (a.wordOnLeft == (w == WordPicture::JoinLeft))
            return arrowWordBox(a);
    return {};
}

// Sets a word's picture where its box has gone: moved by whole device pixels
// from where the build drew it, so at the designed view it is that drawing.
void setWord(QPainter& p, const QImage& word, const QRectF& designedBox, const QRectF& box,
             WordPicture w, double factor) {
    if (word.isNull() || designedBox.isEmpty())
        return;
    const QRect frame = wordPictureFrame(designedBox, w);
    const QPointF shift = (box.topLeft() - designedBox.topLeft()) * factor;
    const QPointF at(std::round(frame.left() * factor + shift.x()),
                     std::round(frame.top() * factor + shift.y()));
    QImage pixels = word;
    pixels.setDevicePixelRatio(1);
    const QSizeF size = QSizeF(frame.size()) * factor;
    if (pixels.size() == size.toSize())
        p.drawImage(at, pixels);
    else
        p.drawImage(QRectF(at, size), pixels);
}

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

QRectF calloutBox(const Callout& c) {
    return QRectF(c.label.x() - kCalloutWidth / 2, c.label.y() - kCalloutHeight / 2, kCalloutWidth,
                  kCalloutHeight);
}

QRectF arrowWordBox(const JoinArrow& a) {
    const QPointF mid = (a.top + a.bottom) / 2;
    return QRectF(a.wordOnLeft ? mid.x() - 6 - kArrowWordWidth : mid.x() + 6,
                  mid.y() - kArrowWordHeight / 2, kArrowWordWidth, kArrowWordHeight);
}

void paintCalloutPointer(QPainter& p, const Callout& c) {
    const QRectF box = calloutBox(c);
    const QPointF target = c.target;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The pointer starts at the box edge nearest the target.
    const QPointF from(std::clamp(target.x(), box.left() + 6, box.right() - 6),
                       target.y() > box.bottom() ? box.bottom()
                       : target.y() < box.top()  ? box.top()
                                                 : box.center().y());
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, target);
    p.setPen(QPen(kCalloutColour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, target);
    p.setBrush(kCalloutColour);
    p.setPen(QPen(Qt::white, 1));
    p.drawEllipse(target, 3.5, 3.5);
    p.restore();
}

void paintCalloutBox(QPainter& p, const Callout& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::white);
    p.setPen(QPen(kCalloutColour, 2));
    p.drawRoundedRect(calloutBox(c), 6, 6);
    p.restore();
}

void paintJoinArrow(QPainter& p, const JoinArrow& a) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kArrowColour, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a.top + QPointF(0, 6), a.bottom - QPointF(0, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kArrowColour);
    auto head = [&](QPointF tip, double dir) {
        QPolygonF tri;
        tri << tip << tip + QPointF(-5, -9 * dir) << tip + QPointF(5, -9 * dir);
        p.drawPolygon(tri);
    };
    head(a.top, -1);
    head(a.bottom, 1);
    p.restore();
}

cell::Camera CellDrawing::camera(Turn t) const {
    if (t.isDesigned())
        return m_designed;
    cell::Camera c = m_designed;
    c.azimuthDeg = m_designed.azimuthDeg - t.right;
    c.elevationDeg = std::clamp(m_designed.elevationDeg - t.up, -kMaxElevation, kMaxElevation);
    // How far the drawing reaches from its pivot at the designed scale, on
    // each side, against the room it has there.
    const Vec3 right = c.right(), up = c.up();
    double toRight = 0, toLeft = 0, toTop = 0, toBottom = 0;
    for (const auto& [p, r] : m_extent) {
        const double x = (p - m_pivot).dot(right), y = (p - m_pivot).dot(up);
        toRight = std::max(toRight, x + r);
        toLeft = std::max(toLeft, r - x);
        toTop = std::max(toTop, y + r);
        toBottom = std::max(toBottom, r - y);
    }
    const cell::Point2 pivot = m_designed.project(m_pivot);
    const double s = m_designed.scale;
    double k = 1;
    auto fit = [&](double room, double reach) {
        if (reach > 0)
            k = std::min(k, room / (s * reach));
    };
    fit(m_room.right() - pivot.x, toRight);
    fit(pivot.x - m_room.left(), toLeft);
    fit(pivot.y - m_room.top(), toTop);
    fit(m_room.bottom() - pivot.y, toBottom);
    c.scale = s * k;
    c.offsetX = pivot.x - c.scale * m_pivot.dot(right);
    c.offsetY = pivot.y + c.scale * m_pivot.dot(up);
    return c;
}

double CellDrawing::drawnFactor(double factor, Finish f) {
    // While it turns, a high-DPI picture is drawn at half its pixels: a
    // quarter of the rays.
    return f == Finish::Moving && factor >= 2 ? factor / 2 : factor;
}

QImage CellDrawing::drawBodies(Turn t, double factor, Finish f) const {
    factor = drawnFactor(factor, f);
    const cell::Camera cam = camera(t);
    const Scene bodies = scene(cam);
    const cell::Camera pixels = render::scaledCamera(cam, factor);
    QImage img =
        f == Finish::Build
            ? render::RayCaster(bodies, pixels).render(m_options)
            : render::QuickCaster(bodies, pixels).render(m_options, f == Finish::Moving ? 1 : 3);
    if (m_card) {
        QPainter p(&img);
        p.setPen(QPen(palette::kCardRim, factor));
        p.drawRect(QRectF(factor / 2, factor / 2, img.width() - factor, img.height() - factor));
    }
    img.setDevicePixelRatio(factor);
    return img;
}

QImage CellDrawing::draw(Turn t, double factor, Finish f, const WordPictures& words) const {
    QImage img = drawBodies(t, factor, f);
    factor = drawnFactor(factor, f);
    const cell::Camera cam = camera(t);
    const Overlay o = overlay(cam);
    if (!o.callout && o.arrows.empty())
        return img;
    const Overlay designed = overlay(m_designed);
    img.setDevicePixelRatio(1); // painted in device pixels
    QPainter p(&img);
    p.scale(factor, factor);
    for (const JoinArrow& a : o.arrows) {
        paintJoinArrow(p, a);
        const WordPicture w = a.wordOnLeft ? WordPicture::JoinLeft : WordPicture::JoinRight;
        p.save();
        p.resetTransform();
        setWord(p, words(pictures::wordOn(m_picture, w)), wordBox(designed, w), arrowWordBox(a), w,
                factor);
        p.restore();
    }
    if (o.callout) {
        paintCalloutPointer(p, *o.callout);
        p.resetTransform();
        setWord(p, words(pictures::wordOn(m_picture, WordPicture::Focus)),
                wordBox(designed, WordPicture::Focus), calloutBox(*o.callout), WordPicture::Focus,
                factor);
    }
    p.end();
    img.setDevicePixelRatio(factor);
    return img;
}

namespace {

const Kind* kindOf(PictureId picture) {
    for (const Kind& kind : kKinds)
        if (kind.kind == picture.kind)
            return &kind;
    return nullptr;
}

} // namespace

std::unique_ptr<CellDrawing> cellDrawing(PictureId picture) {
    const Kind* kind = kindOf(picture);
    return kind ? kind->make(picture) : nullptr;
}

std::unique_ptr<CellDrawing> fixedCutaway(PictureId picture) {
    return std::make_unique<Cutaway>(picture);
}

bool turns(PictureId picture) {
    return kindOf(picture) != nullptr;
}

std::vector<PictureId> turningPictures() {
    std::vector<PictureId> ids;
    for (const Kind& kind : kKinds)
        for (PictureId id : kind.pictures(kind.kind))
            ids.push_back(id);
    return ids;
}

std::optional<Vec3> CellDrawing::atomPosition(int atom) const {
    const cell::Cell& c = cell::model(structure());
    if (atom < 0 || atom >= int(c.atoms.size()))
        return std::nullopt;
    return c.atoms[std::size_t(atom)].pos;
}

cell::Point2 designedAtomCentre(PictureId picture, int atom) {
    const auto d = cellDrawing(picture);
    return d->designedCamera().project(d->atomPosition(atom).value());
}

QRect wordPictureFrame(const QRectF& box, WordPicture w) {
    // Room for the box's outline, or for the halo around the word's letters.
    const int pad = w == WordPicture::Focus ? 2 : 5;
    return QRect(QPoint(int(std::floor(box.left())) - pad, int(std::floor(box.top())) - pad),
                 wordPictureSize(w));
}

QRectF designedWordBox(const CellDrawing& d, WordPicture w) {
    return wordBox(d.overlay(d.designedCamera()), w);
}

} // namespace celldrawing
