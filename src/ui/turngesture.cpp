#include "turngesture.h"

#include <algorithm>

using Meaning = TurnGesture::Meaning;
using Means = TurnGesture::Means;

bool TurnGesture::isEcho(bool fromTouch, qint64 ms) const {
    return fromTouch && (m_finger >= 0 || (m_fingerUpMs >= 0 && ms - m_fingerUpMs < kTouchEchoMs));
}

Meaning TurnGesture::dragTo(QPointF at) {
    if (!m_press.active || !m_turns)
        return {};
    if (!m_press.dragging) {
        if ((at - m_press.start).manhattanLength() <= m_limits.dragDistance)
            return {};
        m_press.dragging = true;
    }
    const QPointF delta = at - m_press.last;
    m_press.last = at;
    return {Means::Turn, delta.x() * kDragStep, -delta.y() * kDragStep};
}

Meaning TurnGesture::endPress() {
    const bool dragged = m_press.dragging;
    m_press = {};
    return {dragged ? Means::DragEnded : Means::Click};
}

Meaning TurnGesture::press(Qt::MouseButton button, QPointF at, bool fromTouch, qint64 ms) {
    if (isEcho(fromTouch, ms))
        return {Means::Ignored};
    if (button == Qt::LeftButton)
        m_press = {true, false, at, at};
    return {};
}

Meaning TurnGesture::move(Qt::MouseButtons buttons, QPointF at, bool fromTouch, qint64 ms) {
    if (isEcho(fromTouch, ms))
        return {Means::Ignored};
    if (!(buttons & Qt::LeftButton))
        return {};
    return dragTo(at);
}

Meaning TurnGesture::release(Qt::MouseButton button, bool fromTouch, qint64 ms) {
    if (isEcho(fromTouch, ms))
        return {Means::Ignored};
    if (button != Qt::LeftButton)
        return {};
    return endPress();
}

Meaning TurnGesture::doubleClick(Qt::MouseButton button, bool fromTouch, qint64 ms) {
    if (isEcho(fromTouch, ms))
        return {Means::Ignored};
    return {button == Qt::LeftButton ? Means::DesignedView : Means::Nothing};
}

Meaning TurnGesture::touch(Phase phase, const std::vector<Finger>& fingers, qint64 ms) {
    if (phase == Phase::Cancel) {
        m_press = {};
        m_finger = -1;
        return {};
    }
    if (fingers.empty())
        return {};
    if (phase == Phase::Down)
        m_finger = fingers.front().id;
    const auto finger = std::find_if(fingers.begin(), fingers.end(),
                                     [&](const Finger& f) { return f.id == m_finger; });
    if (finger == fingers.end())
        return {};
    const QPointF at = finger->at;
    switch (phase) {
    case Phase::Down:
        if (m_lastTapMs >= 0 && ms - m_lastTapMs < m_limits.doubleTapMs &&
            (at - m_lastTapAt).manhattanLength() <= m_limits.doubleTapDistance) {
            m_lastTapMs = -1;
            m_press = {};
            return {Means::DesignedView};
        }
        m_press = {true, false, at, at};
        return {};
    case Phase::Move:
        return dragTo(at);
    case Phase::Up:
    case Phase::Cancel:
        break;
    }
    const bool pressed = m_press.active;
    const Meaning ended = endPress();
    m_finger = -1;
    m_fingerUpMs = ms;
    if (!pressed)
        return {};
    if (ended.means == Means::Click) {
        m_lastTapMs = ms;
        m_lastTapAt = at;
    }
    return ended;
}

Meaning TurnGesture::key(int key, Qt::KeyboardModifiers modifiers) const {
    if (!m_turns || (modifiers & ~Qt::KeypadModifier) != Qt::NoModifier)
        return {};
    if (key == Qt::Key_Home)
        return {Means::DesignedView};
    struct KeyTurn {
        int key;
        double right, up;
    };
    static constexpr KeyTurn kKeys[] = {{Qt::Key_Left, -kKeyStep, 0},
                                        {Qt::Key_Right, kKeyStep, 0},
                                        {Qt::Key_Up, 0, kKeyStep},
                                        {Qt::Key_Down, 0, -kKeyStep}};
    for (const KeyTurn& k : kKeys)
        if (key == k.key)
            return {Means::Turn, k.right, k.up};
    return {};
}
