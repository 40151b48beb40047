#include "accessiblenames.h"
#include "lettering.h"
#include "palette.h"
#include "picturebook.h"
#include "raycaster.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

using Face = Lettering::Face;

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A glossy rounded plate filling the picture, in the given colour.
void plate(QPainter& p, const QRectF& r, const QColor& base, double radius, double rim = 1.5) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, mix(base, Qt::white, 0.35));
    g.setColorAt(0.45, base);
    g.setColorAt(1, mix(base, Qt::black, 0.25));
    const QRectF body = r.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    p.setPen(QPen(mix(base, Qt::black, 0.45), rim));
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    // A soft shine across the upper half.
    QLinearGradient shine(r.topLeft(), QPointF(r.left(), r.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    const QRectF top = body.adjusted(rim + 1, rim + 1, -rim - 1, -body.height() / 2);
    p.drawRoundedRect(top, radius * 0.8, radius * 0.8);
    p.restore();
}

QImage blank(QSize size, double factor) {
    QImage img(size * factor, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage done(QImage& img) {
    return img.convertToFormat(QImage::Format_ARGB32);
}

// A small ball-and-stick cube, for the title and the window icon.
QImage crystal(int pixels, double azimuth = -28, double elevation = 22) {
    render::Scene scene;
    const cell::Cell& c = cell::model(cell::Structure::Bcc);
    for (const cell::Atom& a : c.atoms) {
        render::Ball b;
        b.centre = a.pos;
        b.radius = a.site == cell::Site::Inner ? 0.2 : 0.16;
        b.surface = a.site == cell::Site::Inner ? palette::kInnerMagenta : palette::kCornerRed;
        scene.balls.push_back(b);
    }
    for (const auto& e : c.edges)
        scene.rods.push_back({c.corners[e[0]], c.corners[e[1]], 0.05, palette::kEdgeBlue});
    render::Extent ext;
    for (const cell::Atom& a : c.atoms)
        ext.push_back({a.pos, 0.2});
    const cell::Camera cam = render::fittedCamera(azimuth, elevation, QSize(pixels, pixels),
                                                  QRectF(0, 0, pixels, pixels), ext);
    render::RenderOptions opt;
    opt.samples = 4;
    opt.outline = 0.3;
    return render::RayCaster(scene, cam).render(opt);
}

void drawWordButton(QPainter& p, QSize size, const QColor& base, const QString& word,
                    double pixels) {
    plate(p, QRectF(QPointF(1, 1), QSizeF(size) - QSizeF(2, 2)), base, size.height() * 0.22);
    Lettering text(Face::Gothic, pixels, 0.07);
    // A long word is set smaller rather than run into the rounded ends.
    const double room = size.width() - size.height() * 0.45;
    const double advance = text.advance(word);
    if (advance > room)
        text.size(pixels * room / advance);
    text.colour(Qt::white).halo(mix(base, Qt::black, 0.45), 1.2);
    text.drawCentred(p, word, QRectF(0, 0, size.width(), size.height() - 1));
}

// The guide: a round green atom with a friendly face, looking to one side.
void drawGuide(QPainter& p, QSize size, bool lookRight, bool talking) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (!lookRight) {
        p.translate(size.width(), 0);
        p.scale(-1, 1);
    }
    const QPointF c(size.width() * 0.47, size.height() * 0.53);
    const double r = std::min(size.width(), size.height()) * 0.43;
    // Orbit ring behind and in front of the head, like an atom's electron.
    p.save();
    p.translate(c);
    p.rotate(-18);
    p.setPen(QPen(QColor(255, 170, 0), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-r * 1.18, -r * 0.42, r * 2.36, r * 0.84), 0, 180 * 16);
    p.restore();
    QRadialGradient body(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    body.setColorAt(0, QColor(170, 250, 170));
    body.setColorAt(0.45, palette::kAtomGreen);
    body.setColorAt(1, QColor(10, 110, 35));
    p.setPen(QPen(QColor(10, 90, 30), 1.2));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    p.save();
    p.translate(c);
    p.rotate(-18);
    p.setPen(QPen(QColor(255, 170, 0), 2.2));
    p.drawArc(QRectF(-r * 1.18, -r * 0.42, r * 2.36, r * 0.84), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPointF(r * 1.12, r * 0.13), 2.6, 2.6);
    p.restore();
    // Eyes look toward the side the guide faces.
    const double eyeY = c.y() - r * 0.2, look = r * 0.1;
    for (double ex : {c.x() - r * 0.12, c.x() + r * 0.42}) {
        p.setPen(QPen(QColor(20, 50, 20), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex, eyeY), r * 0.2, r * 0.25);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 40));
        p.drawEllipse(QPointF(ex + look, eyeY + r * 0.03), r * 0.1, r * 0.14);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex + look + r * 0.04, eyeY - r * 0.04), r * 0.035, r * 0.045);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 140, 150));
    p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() + r * 0.2), r * 0.14, r * 0.09);
    p.drawEllipse(QPointF(c.x() + r * 0.72, c.y() + r * 0.2), r * 0.12, r * 0.09);
    // Mouth: a smile, or open as if speaking.
    const QPointF m(c.x() + r * 0.18, c.y() + r * 0.28);
    if (talking) {
        QPainterPath mouth;
        mouth.moveTo(m + QPointF(-r * 0.24, 0));
        mouth.quadTo(m + QPointF(0, r * 0.08), m + QPointF(r * 0.24, 0));
        mouth.quadTo(m + QPointF(0, r * 0.5), m + QPointF(-r * 0.24, 0));
        p.setPen(QPen(QColor(90, 20, 20), 1.2));
        p.setBrush(QColor(190, 40, 60));
        p.drawPath(mouth);
    } else {
        p.setPen(QPen(QColor(30, 60, 30), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath smile;
        smile.moveTo(m + QPointF(-r * 0.26, -r * 0.02));
        smile.quadTo(m + QPointF(0, r * 0.3), m + QPointF(r * 0.26, -r * 0.02));
        p.drawPath(smile);
    }
    p.restore();
}

void drawKey(QPainter& p, QSize size, int digit) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, size.width() - 3, size.height() - 3);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.6, QColor(228, 236, 250));
    g.setColorAt(1, QColor(180, 195, 225));
    p.setPen(QPen(QColor(30, 60, 140), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 8, 8);
    p.restore();
    Lettering text(Face::Gothic, 32, 0.06);
    text.colour(QColor(10, 40, 150));
    text.drawCentred(p, QString::number(digit), QRectF(0, 0, size.width(), size.height()));
}

void drawMarker(QPainter& p, QSize size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double r = size.width() / 2.0 - 1.0;
    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.3), r * 1.3);
    g.setColorAt(0, QColor(255, 255, 200));
    g.setColorAt(0.5, QColor(255, 235, 0));
    g.setColorAt(1, QColor(230, 180, 0));
    p.setPen(QPen(QColor(220, 0, 0), 2.4));
    p.setBrush(g);
    p.drawEllipse(c, r - 0.4, r - 0.4);
    p.restore();
}

// The marker as a ring: the middle shows what lies under it.
void drawMarkerRing(QPainter& p, QSize size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double r = size.width() / 2.0 - 1.5;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 0, 0), 6));
    p.drawEllipse(c, r - 2.5, r - 2.5);
    p.setPen(QPen(QColor(255, 230, 0), 3.5));
    p.drawEllipse(c, r - 2.5, r - 2.5);
    p.restore();
}

void drawQuestionMark(QPainter& p, QSize size) {
    plate(p, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), QColor(0, 170, 60), 6, 2);
    Lettering text(Face::Gothic, 44, 0.08);
    text.colour(Qt::white).halo(QColor(0, 90, 30), 1.5);
    text.drawCentred(p, QStringLiteral("?"), QRectF(0, 0, size.width(), size.height()));
}

void drawTitle(QPainter& p, QSize size, double factor) {
    const QRectF r(1, 1, size.width() - 2, size.height() - 2);
    plate(p, r, QColor(10, 50, 170), 14, 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 210, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 11, 11);
    p.restore();
    const int iconPx = int((size.height() - 14) * factor);
    const QImage icon = crystal(iconPx);
    p.drawImage(QRectF(12, 7, iconPx / factor, iconPx / factor), icon);
    Lettering title(Face::Gothic, 44, 0.07);
    title.colour(Qt::white).halo(QColor(0, 20, 80), 2);
    const double x = 12 + iconPx / factor + 10;
    title.draw(p, QStringLiteral("ミロスタ"), QPointF(x, 52));
    Lettering sub(Face::Mincho, 19, 0.05);
    sub.colour(QColor(255, 230, 90));
    const double tx = x + title.advance(QStringLiteral("ミロスタ")) + 12;
    sub.draw(p, QStringLiteral("結晶の"), QPointF(tx, 34));
    sub.draw(p, QStringLiteral("構造"), QPointF(tx, 58));
}

void drawIcon(QPainter& p, QSize size, double factor) {
    plate(p, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), QColor(0, 120, 230), 6, 1);
    const int px = int((size.width() - 4) * factor);
    p.drawImage(QRectF(2, 2, px / factor, px / factor), crystal(px, -28, 22));
}

// The drill's question panel. The label of the question's ordinal, the "?"
// markers, the answer digits and the question picture are laid over it by
// the drill screen at fixed places; the gaps and boxes here are drawn to
// meet them.
void drawQuestionPanel(QPainter& p, QSize size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(1.5, 1.5, size.width() - 3, size.height() - 3);
    p.setPen(QPen(QColor(0, 70, 190), 3));
    p.setBrush(QColor(255, 253, 236));
    p.drawRoundedRect(outer, 12, 12);
    p.setPen(QPen(QColor(120, 160, 220), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(5, 5, -5, -5), 8, 8);
    p.restore();

    // Header: 第 [ordinal] 問, the ordinal's label sits at (93, 28, 20, 19).
    const QRectF gap(93, 28, 20, 19);
    Lettering head(Face::Mincho, 22, 0.06);
    head.colour(palette::kInk);
    const double base = gap.center().y() + 8;
    head.draw(p, QStringLiteral("第"), QPointF(gap.left() - 4 - head.advance("第"), base));
    head.draw(p, QStringLiteral("問"), QPointF(gap.right() + 4, base));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 60, 60), 1));
    p.drawLine(QPointF(gap.left() - 1, gap.bottom() + 2),
               QPointF(gap.right() + 1, gap.bottom() + 2));
    p.restore();

    // The task, with a red dot for A and a yellow dot for B.
    Lettering task(Face::Mincho, 18, 0.05);
    task.colour(palette::kInk);
    double x = 160;
    auto word = [&](const QString& s) { x += task.draw(p, s, QPointF(x, base - 1)); };
    auto dot = [&](const QColor& fill) {
        x += task.draw(p, QStringLiteral("("), QPointF(x, base - 1));
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(fill == palette::kCornerRed ? QColor(140, 0, 0) : QColor(150, 120, 0), 1));
        p.setBrush(fill);
        p.drawEllipse(QPointF(x + 8, base - 7), 6.5, 6.5);
        p.restore();
        x += 16;
        x += task.draw(p, QStringLiteral(")"), QPointF(x, base - 1));
    };
    word(QStringLiteral("次の結晶内のA原子"));
    dot(palette::kCornerRed);
    word(QStringLiteral("とB原子"));
    dot(QColor(255, 225, 0));
    word(QStringLiteral("の割合を求めなさい"));

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // The frame of the question picture (the picture is centred in it).
    p.setPen(QPen(QColor(150, 170, 210), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(39.5, 60.5, 342, 243));
    p.restore();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The answer: a heading row A : B and two empty boxes under the "?" markers.
    const QRectF boxA(386, 175, 101, 61), boxB(536, 175, 101, 61);
    Lettering big(Face::Gothic, 26, 0.06);
    for (const QRectF& box : {boxA, boxB}) {
        const QRectF headBox(box.left(), 122, box.width(), 40);
        QLinearGradient g(headBox.topLeft(), headBox.bottomLeft());
        g.setColorAt(0, QColor(110, 170, 255));
        g.setColorAt(1, QColor(30, 90, 210));
        p.setPen(QPen(QColor(10, 40, 130), 1.5));
        p.setBrush(g);
        p.drawRoundedRect(headBox, 5, 5);
        big.colour(Qt::white);
        big.drawCentred(p, box == boxA ? QStringLiteral("A") : QStringLiteral("B"), headBox);
        p.setPen(QPen(QColor(120, 100, 0), 2));
        p.setBrush(QColor(255, 250, 150));
        p.drawRect(box.adjusted(1, 1, -1, -1));
    }
    big.colour(palette::kInk);
    big.drawCentred(p, QStringLiteral(":"), QRectF(487, 122, 49, 40));
    Lettering colon(Face::Gothic, 40, 0.06);
    colon.colour(palette::kInk);
    colon.drawCentred(p, QStringLiteral(":"), QRectF(487, 175, 49, 61));

    // A tray under the row of digit keys.
    p.setPen(QPen(QColor(150, 170, 210), 1));
    p.setBrush(QColor(225, 235, 250));
    p.drawRoundedRect(QRectF(28, 308, 659, 52), 8, 8);
    p.restore();
}

// A plate carries the words a screen reader says for it.
QImage wordPlate(PictureId id, QSize size, double factor) {
    const bool drill = id.kind == PictureKind::TitleDrill;
    const bool banner = id.kind == PictureKind::BannerSummary;
    const bool structure = id.kind == PictureKind::Plate;
    QImage img = blank(size, factor);
    QPainter p(&img);
    p.scale(factor, factor);
    const QColor base = drill ? QColor(10, 50, 170) : palette::kPlateBlue;
    plate(p, QRectF(1, 1, size.width() - 2, size.height() - 2), base,
          banner ? size.height() * 0.4 : 10, 2);
    Lettering text(drill ? Face::Gothic : Face::Mincho, size.height() * (structure ? 0.56 : 0.55),
                   0.07);
    text.colour(drill ? QColor(255, 235, 80) : Qt::white)
        .halo(QColor(0, 20, 90), structure ? 1.2 : 1.5);
    text.drawCentred(p, pictureText(id).name, QRectF(0, 0, size.width(), size.height()));
    p.end();
    return done(img);
}

} // namespace

QImage flatFigure(const PictureEntry& e, double factor) {
    const QSize size = e.size;
    const PictureId id = e.id;
    switch (id.kind) {
    case PictureKind::Plate:
    case PictureKind::PlateRadius:
    case PictureKind::BannerSummary:
    case PictureKind::TitleDrill:
        return wordPlate(id, size, factor);
    default:
        break;
    }
    QImage img = blank(size, factor);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
    switch (id.kind) {
    case PictureKind::WordFace: {
        const WordButton& b = wordButton(Word(id.number));
        const QString word = QString::fromUtf8(b.text);
        // A small face holds four characters at its size; five, a little smaller.
        if (b.style == ButtonStyle::Small)
            drawWordButton(p, size, palette::kButtonOrange, word, word.size() > 4 ? 18 : 21);
        else
            drawWordButton(p, size, palette::kButtonBlue, word, 27);
        break;
    }
    case PictureKind::Key:
        drawKey(p, size, id.number);
        break;
    case PictureKind::Title:
        drawTitle(p, size, factor);
        break;
    case PictureKind::Icon:
        drawIcon(p, size, factor);
        break;
    case PictureKind::FaceA:
    case PictureKind::FaceB:
        drawGuide(p, size, id.kind == PictureKind::FaceA, id.kind == PictureKind::FaceB);
        break;
    case PictureKind::Marker:
        drawMarker(p, size);
        break;
    case PictureKind::MarkerRing:
        drawMarkerRing(p, size);
        break;
    case PictureKind::QuestionMark:
        drawQuestionMark(p, size);
        break;
    case PictureKind::QuestionPanel:
        drawQuestionPanel(p, size);
        break;
    default:
        p.end();
        return QImage();
    }
    p.end();
    return done(img);
}
