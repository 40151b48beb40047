#include "turnabledrawing.h"

#include "picturestore.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTouchEvent>
#include <algorithm>
#include <cmath>

using celldrawing::Finish;
using celldrawing::Turn;

using Means = TurnGesture::Means;

namespace {

// Key repeats draw quickly; the full drawing follows once they pause.
constexpr int kRefineAfterMs = 150;

QImage wordPicture(PictureId word) {
    return PictureStore::pixmap(word.fileName()).toImage();
}

TurnGesture::Limits platformLimits() {
    const QStyleHints* hints = QGuiApplication::styleHints();
    return {hints->startDragDistance(), hints->mouseDoubleClickInterval(),
            4 * hints->startDragDistance()};
}

bool fromTouch(const QMouseEvent* e) {
    return e->source() != Qt::MouseEventNotSynthesized;
}

} // namespace

TurnableDrawing::TurnableDrawing(QWidget* parent) : Picture(parent), m_gesture(platformLimits()) {
    m_clock.start();
    // Reached with Tab among the screen's elements; a click does not take focus.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_AcceptTouchEvents);
    m_refine.setSingleShot(true);
    m_refine.setInterval(kRefineAfterMs);
    connect(&m_refine, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

TurnableDrawing::~TurnableDrawing() = default;

void TurnableDrawing::pinToAtom(QWidget* overlay, int atom) {
    overlay->installEventFilter(this);
    m_pins.push_back({overlay, atom, overlay->pos()});
    if (!atDesignedView())
        placeOverlays();
}

void TurnableDrawing::addPiece(int atom, QWidget* piece) {
    // It stands for a part of the drawing and takes no presses: at the
    // designed view, where it lies over the drawing, the drawing under it
    // takes them, so a drag that starts on it turns the drawing.
    piece->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Watched only once the drawing turns (leaveDesignedView()).
    m_pieces.push_back({piece, atom});
    if (atDesignedView())
        return;
    // Its place in the stacking, to come back to, before it steps back.
    const auto siblings = parentWidget()->children();
    auto next = siblings.indexOf(piece) + 1;
    while (next < siblings.size() && !qobject_cast<QWidget*>(siblings[next]))
        ++next;
    const auto at = next < siblings.size()
                        ? std::find(m_stacking.begin(), m_stacking.end(), siblings[next])
                        : m_stacking.end();
    m_stacking.insert(at, piece);
    piece->installEventFilter(this);
    piece->stackUnder(this);
    update();
}

const celldrawing::CellDrawing* TurnableDrawing::drawing() {
    if (!m_drawing)
        m_drawing = celldrawing::cellDrawing(m_picture);
    return m_drawing.get();
}

std::optional<cell::Camera> TurnableDrawing::camera() const {
    if (!m_drawing)
        return std::nullopt;
    return m_drawing->camera(m_turn);
}

void TurnableDrawing::turnTo(Turn t) {
    const celldrawing::CellDrawing* d = drawing();
    if (!d)
        return;
    // Half a turn either way, and the view never steeper than the limit.
    t.right = std::remainder(t.right, 360.0);
    if (t.right == 0 || t.right == -180)
        t.right = std::abs(t.right);
    const double e = d->designedCamera().elevationDeg;
    t.up = std::clamp(t.up, e - celldrawing::kMaxElevation, e + celldrawing::kMaxElevation);
    if (t.right == m_turn.right && t.up == m_turn.up)
        return;
    if (m_turn.isDesigned())
        leaveDesignedView();
    m_turn = t;
    if (m_turn.isDesigned())
        returnToDesignedView();
    else
        placeOverlays();
    update();
    emit turned();
}

void TurnableDrawing::leaveDesignedView() {
    // Where the screen laid the overlays is where they go back to.
    for (Pin& pin : m_pins)
        if (pin.widget)
            pin.designedPos = pin.widget->pos();
    m_stacking.clear();
    if (parentWidget())
        for (QObject* o : parentWidget()->children())
            if (auto* w = qobject_cast<QWidget*>(o))
                m_stacking.push_back(w);
    for (const Piece& p : m_pieces)
        if (p.widget) {
            p.widget->installEventFilter(this); // once only, however often installed
            p.widget->stackUnder(this);
        }
}

void TurnableDrawing::returnToDesignedView() {
    for (const Pin& pin : m_pins)
        if (pin.widget)
            movePin(pin.widget, pin.designedPos);
    // The pieces go back to their places in the stacking, each under the
    // sibling that followed it, the last first.
    for (auto it = m_stacking.rbegin(); it != m_stacking.rend(); ++it) {
        QWidget* w = *it;
        const bool isPiece = std::any_of(m_pieces.begin(), m_pieces.end(),
                                         [&](const Piece& p) { return p.widget == w; });
        if (!w || !isPiece)
            continue;
        QWidget* next = nullptr;
        for (auto after = it.base(); after != m_stacking.end() && !next; ++after)
            next = *after;
        if (next)
            w->stackUnder(next);
        else
            w->raise();
    }
    m_stacking.clear();
    m_frame = QImage();
}

void TurnableDrawing::placeOverlays() {
    const cell::Camera cam = m_drawing->camera(m_turn);
    const cell::Camera& designed = m_drawing->designedCamera();
    for (const Pin& pin : m_pins) {
        const std::optional<cell::Vec3> at = m_drawing->atomPosition(pin.atom);
        if (!pin.widget || !at)
            continue;
        const cell::Point2 from = designed.project(*at), to = cam.project(*at);
        movePin(pin.widget, pin.designedPos + QPoint(qRound(to.x - from.x), qRound(to.y - from.y)));
    }
}

void TurnableDrawing::movePin(QWidget* widget, QPoint to) {
    if (widget->pos() == to)
        return;
    widget->move(to);
    // Widgets tell no one that they moved; a screen reader that finds
    // controls by touch (the browser's) must learn where the marker went.
    if (QAccessible::isActive()) {
        QAccessibleEvent moved(widget, QAccessible::LocationChanged);
        QAccessible::updateAccessibility(&moved);
    }
}

void TurnableDrawing::act(const TurnGesture::Meaning& m) {
    switch (m.means) {
    case Means::Turn:
        turnBy(m.right, m.up);
        break;
    case Means::DesignedView:
        showDesignedView();
        break;
    case Means::DragEnded:
        update(); // the full drawing
        break;
    case Means::Nothing:
    case Means::Click:
    case Means::Ignored:
        break;
    }
}

void TurnableDrawing::mousePressEvent(QMouseEvent* e) {
    if (m_gesture.press(e->button(), e->globalPosition(), fromTouch(e), now()).means ==
        Means::Ignored)
        return;
    Picture::mousePressEvent(e);
}

void TurnableDrawing::mouseMoveEvent(QMouseEvent* e) {
    const TurnGesture::Meaning m =
        m_gesture.move(e->buttons(), e->globalPosition(), fromTouch(e), now());
    if (m.means == Means::Ignored)
        return;
    act(m);
    Picture::mouseMoveEvent(e);
}

void TurnableDrawing::mouseReleaseEvent(QMouseEvent* e) {
    const TurnGesture::Meaning m = m_gesture.release(e->button(), fromTouch(e), now());
    act(m);
    // A drag is no click.
    if (m.means == Means::Ignored || m.means == Means::DragEnded)
        return;
    Picture::mouseReleaseEvent(e);
}

void TurnableDrawing::mouseDoubleClickEvent(QMouseEvent* e) {
    const TurnGesture::Meaning m = m_gesture.doubleClick(e->button(), fromTouch(e), now());
    act(m);
    if (m.means == Means::Nothing)
        Picture::mouseDoubleClickEvent(e);
}

bool TurnableDrawing::event(QEvent* e) {
    TurnGesture::Phase phase;
    switch (e->type()) {
    case QEvent::TouchBegin:
        phase = TurnGesture::Phase::Down;
        break;
    case QEvent::TouchUpdate:
        phase = TurnGesture::Phase::Move;
        break;
    case QEvent::TouchEnd:
        phase = TurnGesture::Phase::Up;
        break;
    case QEvent::TouchCancel:
        phase = TurnGesture::Phase::Cancel;
        break;
    default:
        return Picture::event(e);
    }
    std::vector<TurnGesture::Finger> fingers;
    for (const QEventPoint& p : static_cast<QTouchEvent*>(e)->points())
        fingers.push_back({p.id(), p.globalPosition()});
    const TurnGesture::Meaning m = m_gesture.touch(phase, fingers, now());
    act(m);
    if (m.means == Means::Click)
        emit clicked(); // a tap is a click
    if (phase == TurnGesture::Phase::Cancel)
        update();
    e->accept();
    return true;
}

bool TurnableDrawing::eventFilter(QObject* watched, QEvent* e) {
    // Most events of a screen's opening (polish, show, paint) concern neither.
    const QEvent::Type type = e->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease;
    if (mouse && std::any_of(m_pins.begin(), m_pins.end(),
                             [&](const Pin& p) { return p.widget == watched; })) {
        // A press on a marker stays a click on it unless it moves: then it
        // turns the drawing, and its release is no click.
        auto* me = static_cast<QMouseEvent*>(e);
        const QPointF at = me->globalPosition();
        TurnGesture::Meaning m;
        if (type == QEvent::MouseButtonPress)
            m = m_gesture.press(me->button(), at, false, now());
        else if (type == QEvent::MouseMove)
            m = m_gesture.move(me->buttons(), at, false, now());
        else
            m = m_gesture.release(me->button(), false, now());
        act(m);
        return m.means == Means::Turn || m.means == Means::DragEnded;
    }
    // A piece put in or taken out while the drawing is turned.
    if ((type == QEvent::ShowToParent || type == QEvent::HideToParent) && !atDesignedView())
        update();
    return false;
}

void TurnableDrawing::keyPressEvent(QKeyEvent* e) {
    const TurnGesture::Meaning m = m_gesture.key(e->key(), e->modifiers());
    if (m.means == Means::Nothing) {
        Picture::keyPressEvent(e);
        return;
    }
    e->accept();
    // A held key turns on with quick drawings; the full one follows.
    if (e->isAutoRepeat())
        m_refine.start();
    act(m);
    announceView();
}

void TurnableDrawing::announceView() {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString TurnableDrawing::spokenDescription() const {
    QString text = accessibleDescription();
    if (!celldrawing::turns(m_picture))
        return text;
    if (!text.isEmpty() && !text.endsWith(u'。'))
        text += u'。';
    text += QStringLiteral("ドラッグか矢印キーで回せます。Home キーでもとの向きに戻ります。");
    const int right = qRound(m_turn.right), up = qRound(m_turn.up);
    if (right == 0 && up == 0)
        return text + (m_turn.isDesigned() ? QStringLiteral("いまはもとの向きです。")
                                           : QStringLiteral("いまはもとの向きに近い向きです。"));
    QStringList parts;
    if (right != 0)
        parts << QStringLiteral("%1へ %2 度").arg(right > 0 ? "右" : "左").arg(std::abs(right));
    if (up != 0)
        parts << QStringLiteral("%1へ %2 度").arg(up > 0 ? "上" : "下").arg(std::abs(up));
    return text + QStringLiteral("いまは%1回しています。").arg(parts.join(QStringLiteral("、")));
}

void TurnableDrawing::paintContents(QPaintEvent* e) {
    if (atDesignedView() || !m_drawing) {
        Picture::paintContents(e);
        return;
    }
    const double factor = devicePixelRatioF();
    const Finish wanted =
        m_gesture.dragging() || m_refine.isActive() ? Finish::Moving : Finish::Refined;
    celldrawing::View view{
        m_turn, factor, wanted,
        std::vector<bool>(std::size_t(cell::pieceCount(m_drawing->structure())))};
    for (const Piece& p : m_pieces)
        if (p.widget && !p.widget->isHidden() && p.atom >= 0 && p.atom < int(view.piecesIn.size()))
            view.piecesIn[std::size_t(p.atom)] = true;
    // A full frame serves while the drawing moves on no further.
    celldrawing::View shown = m_frameView;
    if (shown.finish == Finish::Refined)
        shown.finish = wanted;
    if (m_frame.isNull() || shown != view) {
        m_frame = QImage(); // not two frames at once
        m_frame = m_drawing->draw(view, wordPicture);
        // A quick frame of a high-DPI screen has half its pixels: scaled up
        // once here, so that painting it is a plain copy. Painted scaled, it
        // would go through the painter's slowest path where the window's
        // pixels are RGBA (the browser's), which took half of each frame.
        if (m_frame.devicePixelRatio() != factor) {
            const QSize full = (m_frame.deviceIndependentSize() * factor).toSize();
            m_frame = m_frame.scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_frame.setDevicePixelRatio(factor);
        }
        m_frameView = std::move(view);
    }
    QPainter p(this);
    p.drawImage(QRectF(contentsRect().topLeft(), m_frame.deviceIndependentSize()), m_frame,
                QRectF(m_frame.rect()));
}
