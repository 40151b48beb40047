#include "cellpictures.h"

#include "lettering.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

using cell::Structure;
using cell::Vec3;
using render::Ball;
using render::Rod;
using render::Scene;

namespace {

constexpr double kHcpHeight = 1.6329931618554521; // ideal c/a, as in the model
constexpr double kDeg = M_PI / 180.0;

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

// The part of atom i that lies inside the cell (the whole atom if it counts whole).
Ball pieceBall(const cell::Cell& c, int i, Vec3 shift, const QColor& surface, const QColor& cut) {
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

double azimuthOf(Structure s) {
    return cell::lessonCamera(s).azimuthDeg;
}
double elevationOf(Structure s) {
    return cell::lessonCamera(s).elevationDeg;
}

QImage toArgb(const QImage& img) {
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Yellow-and-green colouring of an ordinary piece, and the coloured roles of
// the coordination pictures.
void roleColours(CellPictures::Role role, QColor& surface, QColor& cut) {
    switch (role) {
    case CellPictures::Role::Plain:
    case CellPictures::Role::Focus:
        surface = palette::kAtomGreen;
        cut = palette::kCutYellow;
        return;
    case CellPictures::Role::Near:
        surface = palette::kCornerRed;
        cut = palette::kCornerRedCut;
        return;
    case CellPictures::Role::Side:
        surface = palette::kInnerMagenta;
        cut = palette::kInnerMagentaCut;
        return;
    case CellPictures::Role::Pale:
        surface = palette::kPaleGreen;
        cut = palette::kPaleCut;
        return;
    }
}

// A word in a white box with a pointer to a spot of the picture.
void callout(QPainter& p, const QString& text, QPointF labelCentre, QPointF target,
             const QColor& colour) {
    Lettering word(Lettering::Face::Gothic, 15, 0.06);
    word.colour(colour);
    const double w = word.advance(text) + 10, h = 22;
    const QRectF box(labelCentre.x() - w / 2, labelCentre.y() - h / 2, w, h);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The pointer starts at the box edge nearest the target.
    const QPointF from(std::clamp(target.x(), box.left() + 6, box.right() - 6),
                       target.y() > box.bottom() ? box.bottom()
                       : target.y() < box.top()  ? box.top()
                                                 : box.center().y());
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, target);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, target);
    p.setBrush(colour);
    p.setPen(QPen(Qt::white, 1));
    p.drawEllipse(target, 3.5, 3.5);
    p.setBrush(Qt::white);
    p.setPen(QPen(colour, 2));
    p.drawRoundedRect(box, 6, 6);
    p.restore();
    word.drawCentred(p, text, box);
}

// A vertical double-headed arrow with a word beside it.
void joinArrow(QPainter& p, QPointF top, QPointF bottom, const QString& text, bool wordOnLeft) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c(200, 0, 0);
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(top + QPointF(0, 6), bottom - QPointF(0, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    auto head = [&](QPointF tip, double dir) {
        QPolygonF tri;
        tri << tip << tip + QPointF(-5, -9 * dir) << tip + QPointF(5, -9 * dir);
        p.drawPolygon(tri);
    };
    head(top, -1);
    head(bottom, 1);
    p.restore();
    Lettering word(Lettering::Face::Gothic, 14, 0.06);
    word.colour(c).halo(Qt::white, 2);
    const double w = word.advance(text);
    const QPointF mid = (top + bottom) / 2;
    const QRectF box(wordOnLeft ? mid.x() - 6 - w : mid.x() + 6, mid.y() - 10, w, 20);
    word.drawCentred(p, text, box);
}

} // namespace

QImage CellPictures::card(const QImage& drawing) const {
    QImage img = drawing;
    QPainter p(&img);
    p.setPen(QPen(palette::kCardRim, m_factor));
    p.drawRect(QRectF(m_factor / 2, m_factor / 2, img.width() - m_factor, img.height() - m_factor));
    p.end();
    return toArgb(img);
}

QImage CellPictures::ballStick(Structure s) const {
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    const double px = 1.0 / cam.scale; // one logical pixel in model units
    Scene scene;
    for (std::size_t i = 0; i < c.atoms.size(); ++i) {
        Ball b;
        b.centre = c.atoms[i].pos;
        b.radius = cell::ballRadius(s);
        b.surface =
            c.atoms[i].site == cell::Site::Corner ? palette::kCornerRed : palette::kInnerMagenta;
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
    render::RenderOptions opt;
    opt.ground = palette::kCard;
    opt.outline = 0.35;
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    return card(caster.render(opt));
}

namespace {

Scene emptyCellScene(const cell::Cell& c, const cell::Camera& cam) {
    Scene scene;
    addEdges(scene, c, {}, 0.8 / cam.scale, palette::kCellLine);
    return scene;
}

} // namespace

QImage CellPictures::emptyCell(Structure s) const {
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    const Scene scene = emptyCellScene(c, cam);
    render::RenderOptions opt;
    opt.ground = palette::kCard;
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    return card(caster.render(opt));
}

QImage CellPictures::piece(Structure s, int index) const {
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    // The pieces go in one by one in index order, each over the ones before:
    // a piece leaves out what an earlier piece hides, and carries the cell
    // edges that pass in front of it, so the finished cell is drawn true.
    Scene scene = emptyCellScene(c, cam);
    for (int i = 0; i <= index; ++i)
        scene.balls.push_back(pieceBall(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
    render::RenderOptions opt;
    opt.onlyTag = index;
    const cell::Rect2 r = cell::pieceRect(s, index);
    const QRect window(int(r.left * m_factor), int(r.top * m_factor), int(r.width * m_factor),
                       int(r.height * m_factor));
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    return toArgb(caster.render(window, opt));
}

QImage CellPictures::cutaway(Structure s, QSize size) const {
    const cell::Cell& c = cell::model(s);
    const cell::Camera cam =
        render::fittedCamera(azimuthOf(s), elevationOf(s), size,
                             QRectF(3, 3, size.width() - 6, size.height() - 6), cellExtent(c));
    Scene scene;
    for (int i = 0; i < int(c.atoms.size()); ++i)
        scene.balls.push_back(pieceBall(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
    addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
    render::RenderOptions opt;
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    return toArgb(caster.render(opt));
}

QImage CellPictures::sphereBlock(Structure s, QSize size) const {
    std::vector<Vec3> centres;
    double radius = 0;
    switch (s) {
    case Structure::Bcc:
        radius = std::sqrt(3.0) / 4.0;
        for (int i = 0; i <= 2; ++i)
            for (int j = 0; j <= 2; ++j)
                for (int k = 0; k <= 2; ++k) {
                    centres.push_back({double(i), double(j), double(k)});
                    if (i < 2 && j < 2 && k < 2)
                        centres.push_back({i + 0.5, j + 0.5, k + 0.5});
                }
        break;
    case Structure::Fcc:
        radius = std::sqrt(2.0) / 4.0;
        for (int i = 0; i <= 4; ++i)
            for (int j = 0; j <= 4; ++j)
                for (int k = 0; k <= 4; ++k)
                    if ((i + j + k) % 2 == 0)
                        centres.push_back({i / 2.0, j / 2.0, k / 2.0});
        break;
    case Structure::Hcp: {
        // Close-packed layers A B A B: each layer a hexagonal patch, B over
        // every second hollow of A.
        radius = 0.5;
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
                        centres.push_back({x, y, z * layer});
                }
        }
        break;
    }
    }
    render::Extent ext;
    Scene scene;
    for (const Vec3& p : centres) {
        ext.push_back({p, radius});
        Ball b;
        b.centre = p;
        b.radius = radius;
        b.surface = palette::kAtomGreen;
        scene.balls.push_back(b);
    }
    const cell::Camera cam =
        render::fittedCamera(azimuthOf(s), elevationOf(s) + 6, size,
                             QRectF(6, 6, size.width() - 12, size.height() - 12), ext);
    render::RenderOptions opt;
    opt.ground = palette::kScreenCyan;
    opt.outline = 0.3;
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    return toArgb(caster.render(opt));
}

namespace {

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

} // namespace

QImage CellPictures::neighbourQuestion(Structure s, QSize size) const {
    const cell::Cell& c = cell::model(s);
    const int focus = focusAtom(s);
    const cell::Camera cam =
        render::fittedCamera(azimuthOf(s), elevationOf(s), size,
                             QRectF(10, 40, size.width() - 20, size.height() - 48), cellExtent(c));
    Scene scene;
    for (int i = 0; i < int(c.atoms.size()); ++i)
        scene.balls.push_back(pieceBall(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
    addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    QImage img = caster.render(render::RenderOptions());
    QPainter p(&img);
    p.scale(m_factor, m_factor);
    const cell::Point2 at = cam.project(c.atoms[focus].pos);
    callout(p, QStringLiteral("注目"), QPointF(size.width() - 40, 18), QPointF(at.x, at.y),
            QColor(210, 0, 0));
    p.end();
    return toArgb(img);
}

QImage CellPictures::neighbourAnswer(Structure s, QSize size) const {
    const cell::Cell& c = cell::model(s);
    const int focus = focusAtom(s);
    const cell::Atom& fa = c.atoms[focus];
    if (s == Structure::Bcc) {
        // The same cube as the question, its corners coloured as the neighbours.
        const cell::Camera cam = render::fittedCamera(
            azimuthOf(s), elevationOf(s), size,
            QRectF(10, 40, size.width() - 20, size.height() - 48), cellExtent(c));
        Scene scene;
        for (int i = 0; i < int(c.atoms.size()); ++i) {
            QColor surface, cut;
            roleColours(i == focus ? Role::Focus : Role::Near, surface, cut);
            scene.balls.push_back(pieceBall(c, i, {}, surface, cut));
        }
        addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
        const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
        QImage img = caster.render(render::RenderOptions());
        QPainter p(&img);
        p.scale(m_factor, m_factor);
        const cell::Point2 at = cam.project(fa.pos);
        callout(p, QStringLiteral("注目"), QPointF(size.width() - 40, 18), QPointF(at.x, at.y),
                QColor(210, 0, 0));
        p.end();
        return toArgb(img);
    }

    // Two cells one above the other, drawn apart: the lower one carries the
    // focus atom in its top face, the upper one the other half of it.
    const double top = fa.pos.z;
    const double gap = 0.55 * top;
    const Vec3 up{0, 0, top + gap};
    auto role = [&](int i, bool upper) {
        const cell::Atom& a = c.atoms[std::size_t(i)];
        const double joinZ = upper ? 0.0 : top;
        if (near(a.pos.z, joinZ) && near(a.pos.x, fa.pos.x) && near(a.pos.y, fa.pos.y))
            return Role::Focus;
        if (a.site == cell::Site::Corner && near(a.pos.z, joinZ))
            return Role::Near;
        // The face centres of the side faces (cube) or the middle layer (prism).
        if ((s == Structure::Fcc && a.site == cell::Site::Face && near(a.pos.z, top / 2)) ||
            (s == Structure::Hcp && a.site == cell::Site::Inner))
            return Role::Side;
        return Role::Pale;
    };
    render::Extent ext = cellExtent(c);
    for (const auto& e : cellExtent(c, up))
        ext.push_back(e);
    const cell::Camera cam =
        render::fittedCamera(azimuthOf(s), elevationOf(s) + 4, size,
                             QRectF(50, 8, size.width() - 100, size.height() - 16), ext);
    Scene scene;
    for (int half = 0; half < 2; ++half)
        for (int i = 0; i < int(c.atoms.size()); ++i) {
            QColor surface, cut;
            roleColours(role(i, half == 1), surface, cut);
            Ball b = pieceBall(c, i, half ? up : Vec3{}, surface, cut);
            scene.balls.push_back(b);
        }
    addEdges(scene, c, {}, 0.6 / cam.scale, palette::kCellLine);
    addEdges(scene, c, up, 0.6 / cam.scale, palette::kCellLine);
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    QImage img = caster.render(render::RenderOptions());
    QPainter p(&img);
    p.scale(m_factor, m_factor);
    // Arrows between the outermost corners of the joining faces.
    int leftmost = -1, rightmost = -1;
    for (int k = 0; k < int(c.corners.size()); ++k) {
        if (!near(c.corners[k].z, top))
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
        const Vec3 lower = c.corners[k], upper = c.corners[k] + up - Vec3{0, 0, top};
        const cell::Point2 a = cam.project(upper), b = cam.project(lower);
        joinArrow(p, QPointF(a.x + dx, a.y + 4), QPointF(b.x + dx, b.y - 4), QStringLiteral("結合"),
                  left);
    }
    const cell::Point2 at = cam.project(fa.pos);
    // Below the right arrow, pointing at the top of the lower cell.
    const cell::Point2 rightCorner = cam.project(c.corners[rightmost]);
    callout(p, QStringLiteral("注目"), QPointF(size.width() - 25, rightCorner.y + 26),
            QPointF(at.x, at.y), QColor(210, 0, 0));
    p.end();
    return toArgb(img);
}

QImage CellPictures::hint(int parts, QSize size) const {
    // The sphere's pieces, each pulled a little away from the centre so that
    // the yellow cut faces show between them.
    const double r = 1.0, gap = 0.16;
    Scene scene;
    auto add = [&](std::vector<cell::Plane> clip, Vec3 out) {
        Ball b;
        b.radius = r;
        b.centre = out * gap;
        for (cell::Plane& pl : clip)
            pl.d += pl.n.dot(b.centre);
        b.clip = std::move(clip);
        b.surface = palette::kAtomGreen;
        b.cut = palette::kCutYellow;
        scene.balls.push_back(b);
    };
    auto wedges = [&](int n, bool halves) {
        for (int k = 0; k < n; ++k) {
            const double a = 360.0 / n * k * kDeg, b = 360.0 / n * (k + 1) * kDeg;
            const double mid = (a + b) / 2;
            for (int zs = halves ? -1 : 0; zs <= (halves ? 1 : 0); zs += 2) {
                std::vector<cell::Plane> clip = {{{std::sin(a), -std::cos(a), 0}, 0},
                                                 {{-std::sin(b), std::cos(b), 0}, 0}};
                Vec3 out{std::cos(mid), std::sin(mid), 0};
                if (halves) {
                    clip.push_back({{0, 0, double(zs)}, 0});
                    out = render::normalised(Vec3{out.x, out.y, -0.8 * zs});
                }
                add(clip, out);
            }
        }
    };
    switch (parts) {
    case 1:
        add({}, {});
        break;
    case 2:
        add({{{0, 0, -1}, 0}}, {0, 0, 1.6});
        add({{{0, 0, 1}, 0}}, {0, 0, -1.6});
        break;
    case 4:
        wedges(4, false);
        break;
    case 6:
        wedges(6, false);
        break;
    default:
        wedges(4, true);
        break;
    }
    render::Extent ext;
    for (const Ball& b : scene.balls)
        ext.push_back({b.centre, r});
    const double labelRoom = 30;
    const cell::Camera cam = render::fittedCamera(
        -35, 28, size, QRectF(8, 6, size.width() - 16, size.height() - labelRoom - 8), ext);
    render::RenderOptions opt;
    opt.outline = 0.35;
    const render::RayCaster caster(scene, render::scaledCamera(cam, m_factor));
    QImage img = caster.render(opt);
    QPainter p(&img);
    p.scale(m_factor, m_factor);
    const QString label = parts == 1 ? QStringLiteral("1個") : QStringLiteral("1/%1個").arg(parts);
    Lettering word(Lettering::Face::Gothic, 17, 0.06);
    word.colour(palette::kInk);
    word.drawCentred(p, label, QRectF(0, size.height() - labelRoom, size.width(), labelRoom - 4));
    p.end();
    return toArgb(img);
}
