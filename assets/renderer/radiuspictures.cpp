#include "lettering.h"
#include "palette.h"
#include "picturebook.h"
#include "raycaster.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

using Face = Lettering::Face;
using cell::Vec3;

QImage blank(QSize size, double factor, const QColor& ground) {
    QImage img(size * factor, QImage::Format_ARGB32_Premultiplied);
    img.fill(ground);
    return img;
}

// A white card with a rim, painted in logical pixels.
class Card {
public:
    Card(QSize size, double factor) : m_image(blank(size, factor, palette::kCard)), m_p(&m_image) {
        m_p.scale(factor, factor);
        m_p.save();
        m_p.setPen(QPen(palette::kCardRim, 1));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
        m_p.restore();
    }
    QPainter& painter() { return m_p; }
    QImage done() {
        m_p.end();
        return m_image.convertToFormat(QImage::Format_ARGB32);
    }

private:
    QImage m_image;
    QPainter m_p;
};

// Light blue diagonal hatching over the given area.
void hatch(QPainter& p, const QPainterPath& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(area);
    p.fillPath(area, QColor(235, 245, 255));
    p.setPen(QPen(palette::kHatchBlue, 1.3));
    const QRectF b = area.boundingRect();
    for (double x = b.left() - b.height(); x < b.right(); x += 7)
        p.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()));
    p.restore();
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& c, double width,
          Qt::PenStyle style = Qt::SolidLine) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, width, style, Qt::RoundCap));
    p.drawLine(a, b);
    p.restore();
}

// A letter beside a point, in a white-haloed bold face.
void letter(QPainter& p, const QString& text, QPointF centre, const QColor& c, double size = 18,
            Face face = Face::Mincho) {
    Lettering l(face, size, 0.06);
    l.colour(c).halo(Qt::white, 2.2);
    l.drawCentred(p, text, QRectF(centre.x() - 20, centre.y() - 15, 40, 30));
}

// Ticks across segment a-b dividing it into n equal parts, with a word beside each part.
void markParts(QPainter& p, QPointF a, QPointF b, int n, const QString& word, const QColor& c,
               double side, double size = 17) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF along = d / len, normal(-along.y(), along.x());
    for (int k = 0; k <= n; ++k) {
        const QPointF q = a + d * (double(k) / n);
        line(p, q - normal * 5, q + normal * 5, c, 1.8);
    }
    for (int k = 0; k < n; ++k) {
        const QPointF q = a + d * ((k + 0.5) / n);
        letter(p, word, q + normal * side, c, size);
    }
}

// A horizontal double arrow.
void spanArrow(QPainter& p, QPointF a, QPointF b, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, 1.8));
    p.drawLine(a + QPointF(4, 0), b - QPointF(4, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int s : {1, -1}) {
        const QPointF tip = s > 0 ? a : b;
        QPolygonF head;
        head << tip << tip + QPointF(9 * s, -4.5) << tip + QPointF(9 * s, 4.5);
        p.drawPolygon(head);
    }
    p.restore();
}

QImage radiusAtom(QSize size, double f) {
    Card card(size, f);
    QPainter& p = card.painter();
    const QPointF c(size.width() / 2.0, 84);
    const double r = 66;
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.4);
    g.setColorAt(0, QColor(150, 240, 150));
    g.setColorAt(0.5, palette::kAtomGreen);
    g.setColorAt(1, QColor(20, 120, 40));
    p.setPen(QPen(QColor(10, 90, 30), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    Lettering word(Face::Mincho, 22, 0.07);
    word.colour(Qt::white).halo(QColor(0, 80, 20), 1.5);
    word.drawCentred(p, QStringLiteral("原子"), QRectF(c.x() - 52, c.y() - 52, 80, 30));
    // The radius from the centre to the right.
    const QPointF edge = c + QPointF(r, 0);
    line(p, c, edge, palette::kLineRed, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kLineRed);
    p.drawEllipse(c, 3.5, 3.5);
    letter(p, QStringLiteral("r"), (c + edge) / 2 - QPointF(0, 13), palette::kLineRed, 22,
           Face::Gothic);
    // The span under it.
    const double y = c.y() + r + 16;
    line(p, c, QPointF(c.x(), y + 6), QColor(90, 90, 90), 1, Qt::DashLine);
    line(p, edge, QPointF(edge.x(), y + 6), QColor(90, 90, 90), 1, Qt::DashLine);
    spanArrow(p, QPointF(c.x(), y), QPointF(edge.x(), y), palette::kInk);
    Lettering span(Face::Mincho, 17, 0.06);
    span.colour(palette::kInk);
    span.drawCentred(p, QStringLiteral("原子半径"), QRectF(c.x() - 20, y + 4, r + 40, 24));
    return card.done();
}

// One face of the face-centred cube: quarter discs in the corners and a whole
// disc in the centre, touching along the diagonals.
struct FccFace {
    QRectF square;
    double radius() const { return square.width() * std::sqrt(2.0) / 4.0; }
    QPointF a() const { return square.bottomLeft(); }
    QPointF o() const { return square.bottomRight(); }
    QPointF b() const { return square.topRight(); }
};

QImage radiusFccFace(QSize size, double f, bool labelled) {
    Card card(size, f);
    QPainter& p = card.painter();
    p.setRenderHint(QPainter::Antialiasing);
    const FccFace face{labelled ? QRectF(38, 34, 180, 180) : QRectF(30, 30, 200, 200)};
    const QRectF& sq = face.square;
    const double r = face.radius();
    const QPointF corners[] = {sq.topLeft(), sq.topRight(), sq.bottomLeft(), sq.bottomRight()};
    QPainterPath discs;
    for (const QPointF& c : corners)
        discs.addEllipse(c, r, r);
    discs.addEllipse(sq.center(), r, r);
    QPainterPath square;
    square.addRect(sq);
    if (!labelled) {
        hatch(p, square.subtracted(discs));
        p.save();
        p.setClipPath(square);
        p.setPen(QPen(QColor(150, 120, 0), 1.5));
        p.setBrush(palette::kCutYellow);
        p.drawPath(discs);
        p.restore();
        p.setPen(QPen(palette::kCellLine, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(sq);
        return card.done();
    }
    // In outline: the discs faint, the diagonal and sides marked.
    p.save();
    p.setClipPath(square);
    p.setPen(QPen(QColor(170, 170, 170), 1.2));
    p.setBrush(QColor(255, 248, 200));
    p.drawPath(discs);
    p.restore();
    p.setPen(QPen(palette::kCellLine, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sq);
    line(p, face.a(), face.b(), palette::kLineRed, 3);
    markParts(p, face.a(), face.b(), 4, QStringLiteral("r"), palette::kLineRed, -13);
    letter(p, QStringLiteral("A"), face.a() + QPointF(-13, 12), palette::kInk, 20, Face::Gothic);
    letter(p, QStringLiteral("O"), face.o() + QPointF(13, 12), palette::kInk, 20, Face::Gothic);
    letter(p, QStringLiteral("B"), face.b() + QPointF(13, -12), palette::kInk, 20, Face::Gothic);
    letter(p, QStringLiteral("a"), QPointF(sq.center().x(), sq.bottom() + 17), palette::kInk, 21,
           Face::Gothic);
    letter(p, QStringLiteral("a"), QPointF(sq.right() + 16, sq.center().y()), palette::kInk, 21,
           Face::Gothic);
    return card.done();
}

// The body-centred cube seen so that its outline is a hexagon. O is the
// corner nearest the viewer at the bottom; A = O + y lies left, B = O + x
// right, C = B + z upper right; A and C end one body diagonal.
struct BccView {
    cell::Camera cam;
    static constexpr Vec3 kO{0, 0, 0}, kA{0, 1, 0}, kB{1, 0, 0}, kC{1, 0, 1};
    QPointF at(Vec3 p) const {
        const cell::Point2 q = cam.project(p);
        return {q.x, q.y};
    }
};

BccView bccView(QSize size, double margin) {
    render::Extent ext;
    for (int i = 0; i < 8; ++i)
        ext.push_back({{double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)}, 0.0});
    return {render::fittedCamera(
        -40, 24, size,
        QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin), ext)};
}

// The centre atom and the two corner parts on the diagonal AC, ray cast.
QImage bccAtoms(const BccView& view, double f, bool pale) {
    const double r = std::sqrt(3.0) / 4.0;
    const std::vector<cell::Plane> cube = {{{1, 0, 0}, 1},  {{-1, 0, 0}, 0}, {{0, 1, 0}, 1},
                                           {{0, -1, 0}, 0}, {{0, 0, 1}, 1},  {{0, 0, -1}, 0}};
    render::Scene scene;
    auto add = [&](Vec3 c, bool whole) {
        render::Ball b;
        b.centre = c;
        b.radius = r;
        if (!whole)
            b.clip = cube;
        b.surface = pale ? QColor(200, 235, 200) : palette::kAtomGreen;
        b.cut = pale ? QColor(255, 245, 190) : palette::kCutYellow;
        scene.balls.push_back(b);
    };
    add({0.5, 0.5, 0.5}, true);
    add(BccView::kA, false);
    add(BccView::kC, false);
    render::RenderOptions opt;
    opt.outline = pale ? 0.15 : 0.35;
    return render::RayCaster(scene, render::scaledCamera(view.cam, f)).render(opt);
}

QPainterPath hexOutline(const BccView& v) {
    // The outline of a convex body's projection: the hull of its corners.
    std::vector<QPointF> pts;
    for (int i = 0; i < 8; ++i)
        pts.push_back(v.at({double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)}));
    std::sort(pts.begin(), pts.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto crossZ = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull;
    for (int pass = 0; pass < 2; ++pass) {
        const std::size_t start = hull.size();
        for (const QPointF& q : pts) {
            while (hull.size() >= start + 2 && crossZ(hull[hull.size() - 2], hull.back(), q) <= 0)
                hull.pop_back();
            hull.push_back(q);
        }
        hull.pop_back();
        std::reverse(pts.begin(), pts.end());
    }
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(hull.begin(), hull.end())));
    path.closeSubpath();
    return path;
}

// The edges at the back bottom corner, hidden behind the cube, are dashed.
void bccEdges(QPainter& p, const BccView& v, double width, bool back) {
    const Vec3 hidden{1, 1, 0}; // the back bottom corner, hidden behind the cube
    for (int i = 0; i < 8; ++i)
        for (int bit = 1; bit < 8; bit <<= 1)
            if (!(i & bit)) {
                const Vec3 a{double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)};
                const int j = i | bit;
                const Vec3 b{double(j & 1), double((j >> 1) & 1), double((j >> 2) & 1)};
                const bool hiddenEdge =
                    (a - hidden).length() < 1e-9 || (b - hidden).length() < 1e-9;
                if (hiddenEdge == back)
                    line(p, v.at(a), v.at(b), palette::kCellLine, back ? width * 0.7 : width,
                         back ? Qt::DashLine : Qt::SolidLine);
            }
}

// The cube with its atoms, the hidden edges under them and the others over.
void bccCube(QPainter& p, const BccView& v, QSize size, double f, double width, bool pale) {
    bccEdges(p, v, width, true);
    p.drawImage(QRectF(0, 0, size.width(), size.height()), bccAtoms(v, f, pale));
    bccEdges(p, v, width, false);
}

QImage radiusBccHexagon(QSize size, double f) {
    Card card(size, f);
    QPainter& p = card.painter();
    const BccView v = bccView(size, 22);
    hatch(p, hexOutline(v));
    bccCube(p, v, size, f, 2.2, false);
    return card.done();
}

QImage radiusBccLabelled(QSize size, double f) {
    Card card(size, f);
    QPainter& p = card.painter();
    const BccView v = bccView(size, 30);
    bccCube(p, v, size, f, 1.8, true);
    const QPointF o = v.at(BccView::kO), a = v.at(BccView::kA), b = v.at(BccView::kB),
                  c = v.at(BccView::kC);
    line(p, o, a, palette::kLineMagenta, 3.2);
    line(p, o, b, palette::kLineMagenta, 3.2);
    line(p, a, b, palette::kLineRed, 3);
    line(p, a, c, palette::kLineRed, 3);
    markParts(p, a, c, 4, QStringLiteral("r"), palette::kLineRed, -13);
    letter(p, QStringLiteral("a"), (o + a) / 2 + QPointF(-10, 12), palette::kLineMagenta, 21,
           Face::Gothic);
    letter(p, QStringLiteral("a"), (o + b) / 2 + QPointF(10, 12), palette::kLineMagenta, 21,
           Face::Gothic);
    letter(p, QStringLiteral("a"), (b + c) / 2 + QPointF(15, 0), palette::kInk, 21, Face::Gothic);
    letter(p, QStringLiteral("A"), a + QPointF(-15, 0), palette::kInk, 20, Face::Gothic);
    letter(p, QStringLiteral("B"), b + QPointF(15, 4), palette::kInk, 20, Face::Gothic);
    letter(p, QStringLiteral("C"), c + QPointF(14, -10), palette::kInk, 20, Face::Gothic);
    letter(p, QStringLiteral("O"), o + QPointF(0, 15), palette::kInk, 20, Face::Gothic);
    return card.done();
}

// A derivation on dark blue: words in white, formulas in yellow with their
// equals signs in one column.
struct Step {
    enum Kind { Words, Formula, Lead, Gap } kind;
    QString text;
};

QImage derivation(QSize size, double f, const std::vector<Step>& steps, double lineHeight) {
    QImage img = blank(size, f, palette::kDarkBlue);
    QPainter p(&img);
    p.scale(f, f);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 110, 200), 2));
    p.drawRect(QRectF(3, 3, size.width() - 6, size.height() - 6));
    Lettering words(Face::Mincho, 18, 0.05);
    words.colour(Qt::white);
    Lettering formula(Face::Gothic, 21, 0.035);
    formula.colour(QColor(255, 235, 60));
    const double equalsX = 175;
    double y = 14 + lineHeight * 0.75;
    for (const Step& s : steps) {
        if (s.kind == Step::Gap) {
            y += lineHeight * 0.35;
            continue;
        }
        if (s.kind == Step::Words) {
            words.draw(p, s.text, QPointF(22, y));
        } else if (s.kind == Step::Lead) {
            // Words, then a formula on the same line: "対角線|AC = 4r".
            const QStringList parts = s.text.split('|');
            const double x = 22 + words.draw(p, parts[0], QPointF(22, y)) + 10;
            formula.drawFormula(p, parts[1], QPointF(x, y));
        } else {
            const int eq = s.text.indexOf('=');
            const QString left = s.text.left(eq).trimmed(), right = s.text.mid(eq + 1).trimmed();
            formula.drawFormula(p, left, QPointF(equalsX - 12 - formula.formulaAdvance(left), y));
            formula.draw(p, QStringLiteral("="), QPointF(equalsX - formula.advance("=") / 2, y));
            formula.drawFormula(p, right, QPointF(equalsX + 12, y));
        }
        y += lineHeight;
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage radiusFigure(const PictureEntry& e, double f) {
    const QSize size = e.size;
    using S = Step;
    switch (e.id.kind) {
    case PictureKind::RadiusAtom:
        return radiusAtom(size, f);
    case PictureKind::RadiusFccFace:
        return radiusFccFace(size, f, false);
    case PictureKind::RadiusFccLabelled:
        return radiusFccFace(size, f, true);
    case PictureKind::RadiusBccHexagon:
        return radiusBccHexagon(size, f);
    case PictureKind::RadiusBccLabelled:
        return radiusBccLabelled(size, f);
    case PictureKind::RadiusFccDerivation:
        return derivation(size, f,
                          {{S::Lead, QStringLiteral("対角線の長さ|AB = 4r")},
                           {S::Words, QStringLiteral("直角三角形 OAB に三平方の定理")},
                           {S::Gap, {}},
                           {S::Formula, QStringLiteral("AB^2 = OA^2 + OB^2")},
                           {S::Formula, QStringLiteral("(4r)^2 = a^2 + a^2")},
                           {S::Formula, QStringLiteral("16r^2 = 2a^2")},
                           {S::Formula, QStringLiteral("8r^2 = a^2")},
                           {S::Gap, {}},
                           {S::Words, QStringLiteral("この関係から半径が求められる")}},
                          34);
    case PictureKind::RadiusBccDerivation:
        return derivation(size, f,
                          {{S::Lead, QStringLiteral("対角線の長さ|AC = 4r")},
                           {S::Words, QStringLiteral("直角三角形 OAB に三平方の定理")},
                           {S::Formula, QStringLiteral("AB^2 = OA^2 + OB^2")},
                           {S::Formula, QStringLiteral("AB^2 = a^2 + a^2")},
                           {S::Formula, QStringLiteral("AB^2 = 2a^2")},
                           {S::Words, QStringLiteral("直角三角形 ABC に三平方の定理")},
                           {S::Formula, QStringLiteral("AC^2 = AB^2 + BC^2")},
                           {S::Formula, QStringLiteral("(4r)^2 = 2a^2 + a^2")},
                           {S::Formula, QStringLiteral("16r^2 = 3a^2")},
                           {S::Words, QStringLiteral("この関係から半径が計算できる")}},
                          30.5);
    default:
        break;
    }
    return QImage();
}
