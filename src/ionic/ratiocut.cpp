#include "ratiocut.h"

#include "ionicdesign.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

using cell::CrystalType;
using cell::Vec3;

constexpr double kSame = 1e-9;
const QColor kAnion(70, 170, 70), kCation(150, 90, 210), kInk(0, 0, 128), kTouch(220, 0, 0);

struct Plane {
    Vec3 origin, u, v, normal; // u and v span the cut, from its top left
    QPointF size;
    Vec3 cation;
};

// The plane of each crystal's cut, through a cation of its motif.
Plane planeOf(CrystalType t) {
    const double r = 1 / std::sqrt(2.0);
    if (t == CrystalType::NaCl)
        return {{0, 0, 0.5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1}, {0.5, 0.5, 0.5}};
    // The diagonal plane x = y, which holds a body diagonal.
    const Vec3 cation = t == CrystalType::CsCl ? Vec3{0.5, 0.5, 0.5} : Vec3{0.25, 0.25, 0.25};
    return {{0, 0, 1}, {r, r, 0}, {0, 0, -1}, {r, -r, 0}, {std::sqrt(2.0), 1}, cation};
}

double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

} // namespace

RatioCut::Geometry RatioCut::geometry(CrystalType t) {
    const cell::Crystal& c = cell::crystal(t);
    const Plane p = planeOf(t);
    const double contact = cell::contactOverEdge(c);
    Geometry g;
    g.size = p.size;
    const auto inCut = [&](Vec3 pos) {
        return QPointF(dot(pos - p.origin, p.u), dot(pos - p.origin, p.v));
    };
    g.cation = inCut(p.cation);
    for (const cell::CubicSite& s : cell::sitesTouchingCube(c.motif)) {
        if (std::abs(dot(s.pos - p.origin, p.normal)) > kSame)
            continue;
        const double d = (s.pos - p.cation).length();
        if (d < kSame)
            continue;
        if (s.species == 1 && std::abs(d - contact) < kSame) {
            g.contacts.push_back(inCut(s.pos));
        } else {
            g.others.push_back(inCut(s.pos));
            g.othersSpecies.push_back(s.species);
        }
    }
    return g;
}

double RatioCut::edgeOverAnion(CrystalType t, double ratio) {
    const cell::Crystal& c = cell::crystal(t);
    return std::max((1 + ratio) / cell::contactOverEdge(c), 2 / cell::anionDistanceOverEdge(c));
}

RatioCut::RatioCut(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(
        QStringLiteral("左右の矢印キー、プラスとマイナスのキー、または横にドラッグして、"
                       "陽イオンの大きさを変える"));
    setCrystal(CrystalType::NaCl);
}

void RatioCut::setCrystal(CrystalType t) {
    m_type = t;
    m_geometry = geometry(t);
    m_control.setLimit(cell::limitingRadiusRatio(cell::crystal(t)));
    announce();
}

void RatioCut::step(int direction, double by) {
    m_control.step(direction, by);
    announce();
}

void RatioCut::setRatio(double ratio) {
    m_control.setNear(ratio);
    announce();
}

void RatioCut::announce() {
    const char* fit = m_control.fit() == RatioControl::Fit::Touching ? "陽イオンは陰イオンに接する"
                      : m_control.fit() == RatioControl::Fit::Limit
                          ? "陰イオンどうしも接する。限界半径比"
                          : "陽イオンは陰イオンから離れる。不安定";
    const QString name = m_type == CrystalType::NaCl   ? QStringLiteral("NaCl型")
                         : m_type == CrystalType::CsCl ? QStringLiteral("CsCl型")
                                                       : QStringLiteral("ZnS型");
    setAccessibleName(QStringLiteral("%1の断面図：半径比 %2、%3")
                          .arg(name, ionic::decimals(m_control.value()), QString::fromUtf8(fit)));
    update();
    emit changed();
}

void RatioCut::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    // Pixels per anion radius: the largest cut (the largest cation) fits.
    const double largest = edgeOverAnion(m_type, RatioControl::kLargest);
    const double perRadius = std::min((width() - 8) / (m_geometry.size.x() * largest + 2),
                                      (height() - 8) / (m_geometry.size.y() * largest + 2));
    const double a = edgeOverAnion(m_type, m_control.value()) * perRadius;
    const QPointF topLeft =
        QPointF(width(), height()) / 2 - QPointF(m_geometry.size.x(), m_geometry.size.y()) * a / 2;
    const auto at = [&](QPointF p) { return topLeft + p * a; };
    const double anion = perRadius, cation = m_control.value() * perRadius;

    painter.setPen(QPen(kInk, 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(topLeft, QSizeF(m_geometry.size.x(), m_geometry.size.y()) * a));

    // The other ions of the cut, pale; the cation and the anions it
    // touches, full.
    const auto ball = [&](QPointF centre, double radius, QColor colour, bool pale) {
        if (pale)
            colour.setAlpha(70);
        painter.setPen(QPen(pale ? colour : colour.darker(140), 1.5));
        painter.setBrush(colour);
        painter.drawEllipse(at(centre), radius, radius);
    };
    for (std::size_t i = 0; i < m_geometry.others.size(); ++i) {
        const bool isCation = m_geometry.othersSpecies[i] == 0;
        ball(m_geometry.others[i], isCation ? cation : anion, isCation ? kCation : kAnion, true);
    }
    for (QPointF p : m_geometry.contacts)
        ball(p, anion, kAnion, false);
    ball(m_geometry.cation, cation, kCation, false);
    // A loose cation rattles: where it may drift to, dashed, either way.
    if (m_control.fit() == RatioControl::Fit::Loose && !m_geometry.contacts.empty()) {
        const QPointF c = at(m_geometry.cation), q = at(m_geometry.contacts.front());
        const double gap = std::hypot(c.x() - q.x(), c.y() - q.y()) - anion - cation;
        painter.setPen(QPen(kCation, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        for (int side : {-1, 1})
            painter.drawEllipse(c + QPointF(side * gap * 0.8, 0), cation, cation);
    }

    // Where ions touch: the cation and its anions while they touch, the
    // anions with each other once the cell can shrink no more.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTouch);
    const auto dot = [&](QPointF p) { painter.drawEllipse(p, 3.5, 3.5); };
    const RatioControl::Fit fit = m_control.fit();
    const std::vector<QPointF>& touching = m_geometry.contacts;
    for (std::size_t i = 0; i < touching.size(); ++i) {
        const QPointF c = at(m_geometry.cation), q = at(touching[i]);
        if (fit != RatioControl::Fit::Loose)
            dot(q + (c - q) * (anion / std::hypot(c.x() - q.x(), c.y() - q.y())));
        if (fit == RatioControl::Fit::Touching)
            continue;
        for (std::size_t j = i + 1; j < touching.size(); ++j) {
            const QPointF o = at(touching[j]);
            if (std::abs(std::hypot(o.x() - q.x(), o.y() - q.y()) - 2 * anion) < 1)
                dot((o + q) / 2);
        }
    }

    if (hasFocus()) {
        painter.setPen(QPen(kInk, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void RatioCut::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Minus:
        step(-1, 0.01);
        return;
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Plus:
        step(1, 0.01);
        return;
    case Qt::Key_PageDown:
        step(-1, 0.1);
        return;
    case Qt::Key_PageUp:
        step(1, 0.1);
        return;
    case Qt::Key_Home:
        m_control.setToEnd(-1);
        announce();
        return;
    case Qt::Key_End:
        m_control.setToEnd(1);
        announce();
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void RatioCut::mousePressEvent(QMouseEvent* e) {
    m_dragFrom = e->position().x();
    m_dragValue = m_control.value();
}

void RatioCut::mouseMoveEvent(QMouseEvent* e) {
    // Across the whole drawing, the whole range.
    const double span = RatioControl::kLargest - RatioControl::kSmallest;
    setRatio(m_dragValue + (e->position().x() - m_dragFrom) / width() * span);
}
