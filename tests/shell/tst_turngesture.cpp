#include "testmain.h"
#include "turngesture.h"

#include <QTest>

using Means = TurnGesture::Means;
using Phase = TurnGesture::Phase;

namespace {

constexpr TurnGesture::Limits kLimits{10, 400, 40};

} // namespace

// What presses, drags, taps and keys mean for a drawing that turns, told
// without a window.
class TurnGestureTest : public QObject {
    Q_OBJECT

private slots:
    void dragTurnsAndAPressThatStaysIsAClick();
    void aFingerTurnsTapsAndDoubleTaps();
    void plainKeysTurn();
};

void TurnGestureTest::dragTurnsAndAPressThatStaysIsAClick() {
    TurnGesture g(kLimits);
    const QPointF start(100, 100);
    // Within the drag distance it stays a click.
    g.press(Qt::LeftButton, start, false, 0);
    QCOMPARE(g.move(Qt::LeftButton, start + QPointF(6, 4), false, 10).means, Means::Nothing);
    QCOMPARE(g.move(Qt::LeftButton, start + QPointF(3, 0), false, 20).means, Means::Nothing);
    QCOMPARE(g.release(Qt::LeftButton, false, 30).means, Means::Click);
    // Past it, every pixel from where the last move was turns half a degree:
    // right spins the front right, up tilts it up; the release is no click.
    g.press(Qt::LeftButton, start, false, 100);
    TurnGesture::Meaning m = g.move(Qt::LeftButton, start + QPointF(12, -4), false, 110);
    QCOMPARE(m.means, Means::Turn);
    QCOMPARE(m.right, 6.0);
    QCOMPARE(m.up, 2.0);
    QVERIFY(g.dragging());
    m = g.move(Qt::LeftButton, start + QPointF(2, -4), false, 120);
    QCOMPARE(m.right, -5.0);
    QCOMPARE(m.up, 0.0);
    QCOMPARE(g.release(Qt::LeftButton, false, 130).means, Means::DragEnded);
    QVERIFY(!g.dragging());
    // A move without the left button, or after the release, turns nothing;
    // a double click brings back the designed view.
    QCOMPARE(g.move(Qt::NoButton, start + QPointF(40, 0), false, 140).means, Means::Nothing);
    QCOMPARE(g.doubleClick(Qt::LeftButton, false, 150).means, Means::DesignedView);
    // A picture that does not turn takes no drag: the press stays a click.
    g.setTurns(false);
    g.press(Qt::LeftButton, start, false, 200);
    QCOMPARE(g.move(Qt::LeftButton, start + QPointF(50, 0), false, 210).means, Means::Nothing);
    QCOMPARE(g.release(Qt::LeftButton, false, 220).means, Means::Click);
}

void TurnGestureTest::aFingerTurnsTapsAndDoubleTaps() {
    TurnGesture g(kLimits);
    const QPointF at(50, 50);
    // The first finger down turns; a second one means nothing, and the mouse
    // events the platform makes of the touch are ignored until shortly after
    // the finger lifts.
    g.touch(Phase::Down, {{7, at}}, 0);
    QCOMPARE(g.touch(Phase::Move, {{7, at + QPointF(20, 0)}, {8, at}}, 10).right, 10.0);
    QCOMPARE(g.touch(Phase::Move, {{8, at + QPointF(90, 0)}}, 20).means, Means::Nothing);
    QCOMPARE(g.move(Qt::LeftButton, at + QPointF(40, 0), true, 25).means, Means::Ignored);
    QCOMPARE(g.touch(Phase::Up, {{7, at + QPointF(20, 0)}}, 30).means, Means::DragEnded);
    QCOMPARE(g.press(Qt::LeftButton, at, true, 30 + TurnGesture::kTouchEchoMs - 1).means,
             Means::Ignored);
    QCOMPARE(g.press(Qt::LeftButton, at, false, 40).means, Means::Nothing); // a real mouse
    g.release(Qt::LeftButton, false, 50);

    // A tap is a click; a second one soon after and near it brings back the
    // designed view; one too late is a click again.
    g.touch(Phase::Down, {{1, at}}, 1000);
    QCOMPARE(g.touch(Phase::Up, {{1, at}}, 1050).means, Means::Click);
    QCOMPARE(g.touch(Phase::Down, {{2, at + QPointF(20, 20)}}, 1300).means, Means::DesignedView);
    QCOMPARE(g.touch(Phase::Up, {{2, at + QPointF(20, 20)}}, 1350).means, Means::Nothing);
    g.touch(Phase::Down, {{3, at}}, 2000);
    QCOMPARE(g.touch(Phase::Up, {{3, at}}, 2050).means, Means::Click);
    g.touch(Phase::Down, {{4, at}}, 2050 + kLimits.doubleTapMs);
    QCOMPARE(g.touch(Phase::Up, {{4, at}}, 2100 + kLimits.doubleTapMs).means, Means::Click);
    // A cancelled touch ends the press: what follows is no drag.
    g.touch(Phase::Down, {{6, at}}, 5000);
    g.touch(Phase::Cancel, {}, 5010);
    QCOMPARE(g.touch(Phase::Move, {{6, at + QPointF(50, 0)}}, 5020).means, Means::Nothing);
}

void TurnGestureTest::plainKeysTurn() {
    TurnGesture g(kLimits);
    const TurnGesture::Meaning left = g.key(Qt::Key_Left, Qt::NoModifier);
    QCOMPARE(left.means, Means::Turn);
    QCOMPARE(left.right, -TurnGesture::kKeyStep);
    QCOMPARE(g.key(Qt::Key_Up, Qt::KeypadModifier).up, TurnGesture::kKeyStep);
    QCOMPARE(g.key(Qt::Key_Home, Qt::NoModifier).means, Means::DesignedView);
    // Keys with modifiers and other keys are the screen's.
    QCOMPARE(g.key(Qt::Key_Right, Qt::ShiftModifier).means, Means::Nothing);
    QCOMPARE(g.key(Qt::Key_Space, Qt::NoModifier).means, Means::Nothing);
    g.setTurns(false);
    QCOMPARE(g.key(Qt::Key_Right, Qt::NoModifier).means, Means::Nothing);
}

MIROSUTA_TEST_CLASS(TurnGestureTest)
#include "tst_turngesture.moc"
