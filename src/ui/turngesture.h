#pragma once

#include <QPointF>
#include <Qt>
#include <QtGlobal>
#include <vector>

// What the learner's presses, drags, taps and keys mean for a drawing that
// turns, without a widget: the drawing (TurnableDrawing) hands it what
// reaches the drawing, its markers and its pieces, and does what it answers;
// a test drives it alone.
//
// A left press that moves past the drag distance is a drag: it turns the
// drawing kDragStep degrees a pixel, motion to the right spinning its front
// to the right and motion up tilting it up, and its release is no click. A
// press that does not is a click. One finger turns as the mouse does (the
// first one down); a tap is a click, and a second tap soon after and near the
// first brings back the designed view, as a double click does. The arrows
// turn the drawing kKeyStep degrees, Home brings back the designed view.
// Mouse events that a platform makes from a finger mean nothing while the
// finger is down and for a moment after it lifts: the touch events said it.
class TurnGesture {
public:
    struct Limits {
        int dragDistance = 10;      // pixels a press may move and stay a click
        int doubleTapMs = 400;      // a second tap this soon after the first
        int doubleTapDistance = 40; // and this near it (Manhattan) is a double tap
    };

    enum class Means {
        Nothing,
        Turn,         // by right and up degrees
        DesignedView, // back to the drawing's designed view
        Click,        // a press that stayed one: a click where it is released
        DragEnded,    // no click
        Ignored,      // a platform's echo of a finger: not even a click
    };
    struct Meaning {
        Means means = Means::Nothing;
        double right = 0, up = 0;
    };

    static constexpr double kKeyStep = 15;   // degrees a key press
    static constexpr double kDragStep = 0.5; // degrees a pixel of a drag
    static constexpr int kTouchEchoMs = 500;

    explicit TurnGesture(Limits limits) : m_limits(limits) {}

    // A picture that does not turn takes no drags and no keys.
    void setTurns(bool turns) { m_turns = turns; }
    bool dragging() const { return m_press.dragging; }

    // The mouse, on the drawing or on what lies over it, at global pixels and
    // at ms on a steady clock; fromTouch for an event the platform made from
    // a finger.
    Meaning press(Qt::MouseButton button, QPointF at, bool fromTouch, qint64 ms);
    Meaning move(Qt::MouseButtons buttons, QPointF at, bool fromTouch, qint64 ms);
    Meaning release(Qt::MouseButton button, bool fromTouch, qint64 ms);
    Meaning doubleClick(Qt::MouseButton button, bool fromTouch, qint64 ms);

    // The fingers of a touch event, each by its id.
    enum class Phase { Down, Move, Up, Cancel };
    struct Finger {
        int id;
        QPointF at;
    };
    Meaning touch(Phase phase, const std::vector<Finger>& fingers, qint64 ms);

    Meaning key(int key, Qt::KeyboardModifiers modifiers) const;

private:
    // A press of the mouse or a finger, until it turns out a click or a drag.
    struct Press {
        bool active = false;
        bool dragging = false;
        QPointF start, last;
    };

    bool isEcho(bool fromTouch, qint64 ms) const;
    Meaning dragTo(QPointF at);
    // Ends the press: DragEnded after a drag, else Click.
    Meaning endPress();

    Limits m_limits;
    bool m_turns = true;
    Press m_press;
    int m_finger = -1; // the finger that turns, while it is down
    qint64 m_fingerUpMs = -1;
    qint64 m_lastTapMs = -1;
    QPointF m_lastTapAt;
};
