#include "cellmodel.h"

#include <algorithm>
#include <limits>
#include <numbers>

namespace cell {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Lesson pictures (ball-and-stick and empty cell) share this size in pixels.
constexpr int kLessonWidth = 300;
constexpr int kLessonHeight = 280;
constexpr double kMargin = 14.0;

Atom corner(double x, double y, double z) {
    return {{x, y, z}, Site::Corner, 1, 8};
}
Atom face(double x, double y, double z) {
    return {{x, y, z}, Site::Face, 1, 2};
}
Atom inner(double x, double y, double z) {
    return {{x, y, z}, Site::Inner, 1, 1};
}

void addCube(Cell& c) {
    // x to the right, y to the back, z up; the cube spans [0,1] on each axis.
    c.planes = {{{1, 0, 0}, 1},  {{-1, 0, 0}, 0}, {{0, 1, 0}, 1},
                {{0, -1, 0}, 0}, {{0, 0, 1}, 1},  {{0, 0, -1}, 0}};
    for (int i = 0; i < 8; ++i)
        c.corners.push_back({double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)});
    for (int i = 0; i < 8; ++i)
        for (int bit = 1; bit < 8; bit <<= 1)
            if (!(i & bit))
                c.edges.push_back({i, i | bit});
    c.translations = {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}};
}

Cell makeBcc() {
    Cell c{Structure::Bcc, std::sqrt(3.0) / 4.0, {}, {}, {}, {}, {}};
    c.atoms = {corner(1, 1, 0), corner(0, 1, 0),      corner(0, 1, 1),
               corner(1, 1, 1), inner(0.5, 0.5, 0.5), corner(1, 0, 0),
               corner(0, 0, 0), corner(0, 0, 1),      corner(1, 0, 1)};
    addCube(c);
    return c;
}

Cell makeFcc() {
    Cell c{Structure::Fcc, std::sqrt(2.0) / 4.0, {}, {}, {}, {}, {}};
    c.atoms = {corner(1, 1, 0),   corner(1, 1, 1),   face(0.5, 1, 0.5), corner(0, 1, 0),
               corner(0, 1, 1),   face(0.5, 0.5, 0), face(1, 0.5, 0.5), face(0, 0.5, 0.5),
               face(0.5, 0.5, 1), corner(1, 0, 0),   corner(0, 0, 0),   face(0.5, 0, 0.5),
               corner(0, 0, 1),   corner(1, 0, 1)};
    addCube(c);
    return c;
}

// Ideal close packing: c/a = sqrt(8/3).
constexpr double kHcpHeight = 1.6329931618554521;

Vec3 hexCorner(int k, double z) {
    return {std::cos(60.0 * k * kDeg), std::sin(60.0 * k * kDeg), z};
}

Cell makeHcp() {
    Cell c{Structure::Hcp, 0.5, {}, {}, {}, {}, {}};
    const double h = kHcpHeight;
    auto sixth = [](Vec3 p) { return Atom{p, Site::Corner, 1, 6}; };
    // The middle layer sits over the centres of alternate triangles of the hexagon.
    const double m = 1.0 / std::sqrt(3.0);
    auto middle = [&](double deg) {
        return inner(m * std::cos(deg * kDeg), m * std::sin(deg * kDeg), h / 2);
    };
    // Hexagon corner k lies at 60k degrees: 0 right, 1 back right, 2 back left,
    // 3 left, 4 front left, 5 front right.
    c.atoms = {sixth(hexCorner(1, 0)),
               sixth(hexCorner(2, 0)),
               sixth(hexCorner(2, h)),
               sixth(hexCorner(1, h)),
               middle(30),
               middle(150),
               sixth(hexCorner(0, h)),
               sixth(hexCorner(3, h)),
               face(0, 0, 0),
               face(0, 0, h),
               sixth(hexCorner(0, 0)),
               sixth(hexCorner(3, 0)),
               middle(270),
               sixth(hexCorner(5, 0)),
               sixth(hexCorner(4, 0)),
               sixth(hexCorner(4, h)),
               sixth(hexCorner(5, h))};
    const double apothem = std::sqrt(3.0) / 2.0;
    for (int k = 0; k < 6; ++k) {
        const double a = (30.0 + 60.0 * k) * kDeg;
        c.planes.push_back({{std::cos(a), std::sin(a), 0}, apothem});
    }
    c.planes.push_back({{0, 0, 1}, h});
    c.planes.push_back({{0, 0, -1}, 0});
    for (int k = 0; k < 6; ++k)
        c.corners.push_back(hexCorner(k, 0));
    for (int k = 0; k < 6; ++k)
        c.corners.push_back(hexCorner(k, h));
    for (int k = 0; k < 6; ++k) {
        c.edges.push_back({k, (k + 1) % 6});
        c.edges.push_back({6 + k, 6 + (k + 1) % 6});
        c.edges.push_back({k, 6 + k});
    }
    // Two sides of the hexagon's rhombus and the height: the prism is three
    // primitive cells, and repeating its atoms by these fills the crystal.
    c.translations = {hexCorner(0, 0), hexCorner(1, 0), Vec3{0, 0, h}};
    return c;
}

Camera fitCamera(const Cell& c, double azimuth, double elevation) {
    Camera cam;
    cam.azimuthDeg = azimuth;
    cam.elevationDeg = elevation;
    cam.width = kLessonWidth;
    cam.height = kLessonHeight;
    double minX = std::numeric_limits<double>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (const auto& [p, r] : lessonExtent(c.structure)) {
        const double x = p.dot(cam.right()), y = -p.dot(cam.up());
        minX = std::min(minX, x - r);
        maxX = std::max(maxX, x + r);
        minY = std::min(minY, y - r);
        maxY = std::max(maxY, y + r);
    }
    const double sx = (kLessonWidth - 2 * kMargin) / (maxX - minX);
    const double sy = (kLessonHeight - 2 * kMargin) / (maxY - minY);
    cam.scale = std::min(sx, sy);
    cam.offsetX = kLessonWidth / 2.0 - cam.scale * (minX + maxX) / 2.0;
    cam.offsetY = kLessonHeight / 2.0 - cam.scale * (minY + maxY) / 2.0;
    return cam;
}

} // namespace

bool Cell::inside(Vec3 p, double eps) const {
    return std::all_of(planes.begin(), planes.end(),
                       [&](const Plane& pl) { return pl.n.dot(p) <= pl.d + eps; });
}

const Cell& model(Structure s) {
    static const std::array<Cell, 3> cells{makeBcc(), makeFcc(), makeHcp()};
    return cells[std::size_t(s)];
}

double atomsPerCell(const Cell& c) {
    double n = 0;
    for (const Atom& a : c.atoms)
        n += double(a.fractionNum) / a.fractionDen;
    return n;
}

int neighbourCount(Structure s) {
    const Cell& c = model(s);
    const Vec3 focus = c.atoms.front().pos;
    // Every atom of the cells around the focus atom's; a corner shared by
    // several cells comes more than once, so positions are told apart below.
    std::vector<Vec3> around;
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j)
            for (int k = -2; k <= 2; ++k) {
                const Vec3 shift =
                    c.translations[0] * i + c.translations[1] * j + c.translations[2] * k;
                for (const Atom& a : c.atoms)
                    around.push_back(a.pos + shift);
            }
    constexpr double eps = 1e-6;
    double nearest = std::numeric_limits<double>::max();
    for (const Vec3& p : around)
        if (const double d = (p - focus).length(); d > eps)
            nearest = std::min(nearest, d);
    std::vector<Vec3> touching;
    for (const Vec3& p : around) {
        if (std::abs((p - focus).length() - nearest) > eps)
            continue;
        if (std::none_of(touching.begin(), touching.end(),
                         [&](const Vec3& q) { return (q - p).length() < eps; }))
            touching.push_back(p);
    }
    return int(touching.size());
}

Vec3 Camera::right() const {
    const double f = azimuthDeg * kDeg;
    return {std::cos(f), std::sin(f), 0};
}

Vec3 Camera::up() const {
    const double f = azimuthDeg * kDeg, e = elevationDeg * kDeg;
    return {-std::sin(e) * std::sin(f), std::sin(e) * std::cos(f), std::cos(e)};
}

Vec3 Camera::towardViewer() const {
    const double f = azimuthDeg * kDeg, e = elevationDeg * kDeg;
    return {std::sin(f) * std::cos(e), -std::cos(f) * std::cos(e), std::sin(e)};
}

Point2 Camera::project(Vec3 p) const {
    return {offsetX + scale * p.dot(right()), offsetY - scale * p.dot(up())};
}

double Camera::depth(Vec3 p) const {
    return p.dot(towardViewer());
}

Vec3 Camera::unproject(Point2 px, double d) const {
    const double u = (px.x - offsetX) / scale;
    const double v = (offsetY - px.y) / scale;
    return right() * u + up() * v + towardViewer() * d;
}

const Camera& lessonCamera(Structure s) {
    // The back of a cube is drawn above and to the left of its front; the
    // hexagonal prism is seen straight from the front, a little from above.
    // At these angles no ball of the ball-and-stick drawing hides another.
    static const std::array<Camera, 3> cameras{fitCamera(model(Structure::Bcc), -14, 18),
                                               fitCamera(model(Structure::Fcc), -14, 18),
                                               fitCamera(model(Structure::Hcp), -8, 22)};
    return cameras[std::size_t(s)];
}

std::vector<std::pair<Vec3, double>> lessonExtent(Structure s) {
    // The cell, every ball of the ball-and-stick drawing and any whole atom
    // that stands out of the cell.
    const Cell& c = model(s);
    std::vector<std::pair<Vec3, double>> points;
    for (const Vec3& p : c.corners)
        points.push_back({p, 0.0});
    for (const Atom& a : c.atoms)
        points.push_back(
            {a.pos, a.site == Site::Inner ? std::max(c.radius, ballRadius(s)) : ballRadius(s)});
    return points;
}

double lessonMargin() {
    return kMargin;
}

double ballRadius(Structure s) {
    // About 16 pixels in the lesson pictures: a marker (17 px) fits on every ball.
    return s == Structure::Hcp ? 0.14 : 0.09;
}

int pieceCount(Structure s) {
    return int(model(s).atoms.size());
}

Point2 atomCentre(Structure s, int index) {
    return lessonCamera(s).project(model(s).atoms.at(std::size_t(index)).pos);
}

Rect2 pieceRect(Structure s, int index) {
    const Cell& c = model(s);
    const Camera& cam = lessonCamera(s);
    const Point2 centre = atomCentre(s, index);
    const double r = c.radius * cam.scale;
    double left = centre.x - r, right = centre.x + r, top = centre.y - r, bottom = centre.y + r;
    if (c.atoms.at(std::size_t(index)).site != Site::Inner) {
        // A cut piece never reaches past the outline of the cell.
        double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
        for (const Vec3& p : c.corners) {
            const Point2 q = cam.project(p);
            minX = std::min(minX, q.x);
            maxX = std::max(maxX, q.x);
            minY = std::min(minY, q.y);
            maxY = std::max(maxY, q.y);
        }
        left = std::max(left, minX);
        right = std::min(right, maxX);
        top = std::max(top, minY);
        bottom = std::min(bottom, maxY);
    }
    const int l = int(std::floor(left)) - 1, t = int(std::floor(top)) - 1;
    const int rr = int(std::ceil(right)) + 1, b = int(std::ceil(bottom)) + 1;
    return {l, t, rr - l, b - t};
}

std::string structureKey(Structure s) {
    switch (s) {
    case Structure::Bcc:
        return "bcc";
    case Structure::Fcc:
        return "fcc";
    case Structure::Hcp:
        break;
    }
    return "hcp";
}

} // namespace cell
