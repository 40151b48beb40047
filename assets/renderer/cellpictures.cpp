// The pictures drawn from the cell model: the drawings that turn, at their
// designed view with their words, and the cell figures (the pieces, the
// fraction hints, the menu's cut-away cells, the words of the drawings).
#include "celldrawing.h"
#include "lettering.h"
#include "palette.h"
#include "picturebook.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <map>
#include <memory>

using cell::Structure;
using cell::Vec3;
using render::Ball;
using render::Rod;
using render::Scene;

namespace {

constexpr double kDeg = M_PI / 180.0;

QImage toArgb(const QImage& img) {
    return img.convertToFormat(QImage::Format_ARGB32);
}

// The word of a callout, in its box.
void calloutWord(QPainter& p, const celldrawing::Callout& c) {
    Lettering word(Lettering::Face::Gothic, 15, 0.06);
    word.colour(celldrawing::kCalloutColour);
    word.drawCentred(p, QStringLiteral("注目"), celldrawing::calloutBox(c));
}

// The word beside a join arrow.
void arrowWord(QPainter& p, const celldrawing::JoinArrow& a) {
    Lettering word(Lettering::Face::Gothic, 14, 0.06);
    word.colour(celldrawing::kArrowColour).halo(Qt::white, 2);
    word.drawCentred(p, QStringLiteral("結合"), celldrawing::arrowWordBox(a));
}

celldrawing::CellDrawing& drawingOf(PictureId picture) {
    // The drawings are made once per picture; the renderer draws each twice.
    static std::map<QString, std::unique_ptr<celldrawing::CellDrawing>> made;
    auto& d = made[picture.fileName()];
    if (!d)
        d = celldrawing::cellDrawing(picture);
    return *d;
}

} // namespace

// A drawing that turns at its designed view, as the program ships it: its
// words lettered here, where the fonts are.
QImage designedDrawing(const PictureEntry& e, double factor) {
    const celldrawing::CellDrawing& d = drawingOf(e.id);
    QImage img = d.drawBodies({.factor = factor});
    img.setDevicePixelRatio(1);
    const celldrawing::Overlay o = d.overlay(d.designedCamera());
    QPainter p(&img);
    p.scale(factor, factor);
    for (const celldrawing::JoinArrow& a : o.arrows) {
        celldrawing::paintJoinArrow(p, a);
        arrowWord(p, a);
    }
    if (o.callout) {
        celldrawing::paintCalloutPointer(p, *o.callout);
        celldrawing::paintCalloutBox(p, *o.callout);
        calloutWord(p, *o.callout);
    }
    p.end();
    return toArgb(img);
}

namespace {

QImage piece(PictureId id, double factor) {
    const Structure s = id.cellStructure();
    const int index = id.number;
    const cell::Cell& c = cell::model(s);
    const cell::Camera& cam = cell::lessonCamera(s);
    // The pieces go in one by one in index order, each over the ones before:
    // a piece leaves out what an earlier piece hides, and carries the cell
    // edges that pass in front of it, so the finished cell is drawn true.
    Scene scene = celldrawing::scenes::emptyCell(c, cam);
    for (int i = 0; i <= index; ++i)
        scene.balls.push_back(
            celldrawing::scenes::piece(c, i, {}, palette::kAtomGreen, palette::kCutYellow));
    render::RenderOptions opt;
    opt.onlyTag = index;
    const cell::Rect2 r = cell::pieceRect(s, index);
    const QRect window(int(r.left * factor), int(r.top * factor), int(r.width * factor),
                       int(r.height * factor));
    const render::RayCaster caster(scene, render::scaledCamera(cam, factor));
    return toArgb(caster.render(window, opt));
}

// The cut-away cell drawn at the menu's size; it does not turn there.
QImage menuCutaway(PictureId id, double factor) {
    QImage img = celldrawing::fixedCutaway(id)->drawBodies({.factor = factor});
    img.setDevicePixelRatio(1);
    return toArgb(img);
}

// A word of a coordination picture alone (pictures::wordOn), set on it at
// run time when it turns.
QImage word(PictureId word, double factor) {
    const WordPicture w = pictures::wordOf(word);
    const auto d = celldrawing::cellDrawing(pictures::drawingOfWord(word));
    const celldrawing::Overlay o = d->overlay(d->designedCamera());
    const QRectF box = celldrawing::designedWordBox(*d, w);
    const QRect frame = celldrawing::wordPictureFrame(box, w);
    QImage img(frame.size() * factor, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(factor, factor);
    p.translate(-frame.topLeft());
    if (w == WordPicture::Focus) {
        celldrawing::paintCalloutBox(p, *o.callout);
        calloutWord(p, *o.callout);
    } else {
        for (const celldrawing::JoinArrow& a : o.arrows)
            if (a.wordOnLeft == (w == WordPicture::JoinLeft))
                arrowWord(p, a);
    }
    p.end();
    return toArgb(img);
}

// A sphere cut into `parts` pieces (1, 2, 4, 6 or 8), labelled with its fraction.
QImage hint(int parts, QSize size, double factor) {
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
    const render::RayCaster caster(scene, render::scaledCamera(cam, factor));
    QImage img = caster.render(opt);
    QPainter p(&img);
    p.scale(factor, factor);
    const QString label = parts == 1 ? QStringLiteral("1個") : QStringLiteral("1/%1個").arg(parts);
    Lettering word(Lettering::Face::Gothic, 17, 0.06);
    word.colour(palette::kInk);
    word.drawCentred(p, label, QRectF(0, size.height() - labelRoom, size.width(), labelRoom - 4));
    p.end();
    return toArgb(img);
}

} // namespace

QImage cellFigure(const PictureEntry& e, double factor) {
    switch (e.id.kind) {
    case PictureKind::Piece:
        return piece(e.id, factor);
    case PictureKind::MenuCutaway:
        return menuCutaway(e.id, factor);
    case PictureKind::DrawingWord:
        return word(e.id, factor);
    case PictureKind::HintWhole:
        return hint(1, e.size, factor);
    case PictureKind::HintHalf:
        return hint(2, e.size, factor);
    case PictureKind::HintQuarter:
        return hint(4, e.size, factor);
    case PictureKind::HintEighth:
        return hint(8, e.size, factor);
    case PictureKind::HintSixth:
        return hint(6, e.size, factor);
    default:
        break;
    }
    return QImage();
}
