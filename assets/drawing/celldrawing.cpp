#include "celldrawing.h"

#include "families.h"
#include "palette.h"
#include "quickcaster.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace celldrawing {

using cell::Vec3;
using render::Scene;

namespace {

// The words' boxes, in logical pixels: each word with room around it.
constexpr double kCalloutWidth = 40, kCalloutHeight = 22;
constexpr double kArrowWordWidth = 28, kArrowWordHeight = 20;

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
    const Layout& l = m_layout;
    if (t.isDesigned())
        return l.designed;
    cell::Camera c = l.designed;
    c.azimuthDeg = l.designed.azimuthDeg - t.right;
    c.elevationDeg = std::clamp(l.designed.elevationDeg - t.up, -kMaxElevation, kMaxElevation);
    // How far the drawing reaches from its pivot at the designed scale, on
    // each side, against the room it has there.
    const Vec3 right = c.right(), up = c.up();
    double toRight = 0, toLeft = 0, toTop = 0, toBottom = 0;
    for (const auto& [p, r] : l.extent) {
        const double x = (p - l.pivot).dot(right), y = (p - l.pivot).dot(up);
        toRight = std::max(toRight, x + r);
        toLeft = std::max(toLeft, r - x);
        toTop = std::max(toTop, y + r);
        toBottom = std::max(toBottom, r - y);
    }
    const cell::Point2 pivot = l.designed.project(l.pivot);
    const double s = l.designed.scale;
    double k = 1;
    auto fit = [&](double room, double reach) {
        if (reach > 0)
            k = std::min(k, room / (s * reach));
    };
    fit(l.room.right() - pivot.x, toRight);
    fit(pivot.x - l.room.left(), toLeft);
    fit(pivot.y - l.room.top(), toTop);
    fit(l.room.bottom() - pivot.y, toBottom);
    c.scale = s * k;
    c.offsetX = pivot.x - c.scale * l.pivot.dot(right);
    c.offsetY = pivot.y + c.scale * l.pivot.dot(up);
    return c;
}

double CellDrawing::drawnFactor(double factor, Finish f) {
    // While it turns, a high-DPI picture is drawn at half its pixels: a
    // quarter of the rays.
    return f == Finish::Moving && factor >= 2 ? factor / 2 : factor;
}

QImage CellDrawing::drawBodies(const View& v) const {
    const double factor = drawnFactor(v.factor, v.finish);
    const cell::Camera cam = camera(v.turn);
    const Scene bodies = scene(cam, v);
    const cell::Camera pixels = render::scaledCamera(cam, factor);
    const render::RenderOptions& options = m_layout.options;
    QImage img = v.finish == Finish::Build
                     ? render::RayCaster(bodies, pixels).render(options)
                     : render::QuickCaster(bodies, pixels)
                           .render(options, v.finish == Finish::Moving ? 1 : 3);
    if (m_layout.card) {
        QPainter p(&img);
        p.setPen(QPen(palette::kCardRim, factor));
        p.drawRect(QRectF(factor / 2, factor / 2, img.width() - factor, img.height() - factor));
    }
    img.setDevicePixelRatio(factor);
    return img;
}

QImage CellDrawing::draw(const View& v, const WordPictures& words) const {
    QImage img = drawBodies(v);
    const double factor = drawnFactor(v.factor, v.finish);
    const Overlay o = overlay(camera(v.turn));
    if (!o.callout && o.arrows.empty())
        return img;
    const Overlay designed = overlay(designedCamera());
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

std::unique_ptr<CellDrawing> cellDrawing(PictureId picture) {
    if (picture.isNone())
        return nullptr;
    switch (pictureRow(picture.kind).family) {
    case picturerow::LatticeCells:
        return latticeCell(picture);
    case picturerow::Stacks:
        return stackDrawing(picture);
    case picturerow::Crystals:
        return crystalDrawing(picture);
    default:
        break;
    }
    return nullptr;
}

bool turns(PictureId picture) {
    return !picture.isNone() && picturerow::turns(pictureRow(picture.kind).family);
}

std::vector<PictureId> turningPictures() {
    std::vector<PictureId> ids;
    for (int k = 1; k <= kPictureKinds; ++k)
        if (picturerow::turns(pictureRow(PictureKind(k)).family))
            for (PictureId id : picturesOf(PictureKind(k)))
                ids.push_back(id);
    return ids;
}

Vec3 middleOf(const std::vector<Vec3>& points) {
    Vec3 lo = points.front(), hi = points.front();
    for (const Vec3& p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    return (lo + hi) * 0.5;
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
