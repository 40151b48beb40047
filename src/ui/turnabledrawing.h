#pragma once

#include "celldrawing.h"
#include "picture.h"
#include "turngesture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

// A picture of a cell that the learner can turn: with the mouse (left drag),
// a finger (one-finger drag) or the keys (arrows; Home for the designed view),
// like a turntable. Horizontal motion spins the cell about its vertical axis,
// vertical motion tilts it within ±85°. A double click or double tap brings
// back the designed view, where the element shows the program's own picture
// exactly. A press that does not move past the platform's drag distance is a
// click, as on any picture. What a press, a drag, a tap or a key means is
// the gesture's to say (TurnGesture); the element does it.
//
// Turned, the drawing is drawn here from the cell model: quickly while the
// pointer moves, in full once it stops. Nothing of this is made before the
// first turn.
//
// Other elements of the screen lie over the drawing. Markers pinned to an
// atom follow it as the drawing turns, still take clicks, and a drag that
// starts on one turns the drawing. Piece pictures (the cell being built)
// stand for the pieces at the designed view and take no presses, so that a
// drag that starts on one turns the drawing: turned, the drawing draws the
// pieces whose pictures are shown, and the pictures step behind it.
//
// A screen makes one as any picture, and names what lies over it:
//   drawing->setProgramPicture(pictures::of(PictureKind::BallStick, s)); // a picture that turns
//   drawing->pinToAtom(marker, i);     // a marker laid on atom i
//   cell->addPiece(i, piece);          // the piece picture of atom i, on the empty cell
class TurnableDrawing : public Picture {
    Q_OBJECT
public:
    explicit TurnableDrawing(QWidget* parent = nullptr);
    ~TurnableDrawing() override;

    // The program's picture that this element shows and turns.
    void setProgramPicture(PictureId picture) {
        m_picture = picture;
        m_gesture.setTurns(celldrawing::turns(picture));
        Picture::setProgramPicture(picture.fileName());
    }
    PictureId programPicture() const { return m_picture; }

    // A sibling laid over the drawing at the designed view with its centre on
    // the atom (an index of the cell model) keeps it there as the drawing turns.
    void pinToAtom(QWidget* overlay, int atom);
    // A sibling that shows the piece of the atom at the designed view; the
    // piece is in the cell while the sibling is shown.
    void addPiece(int atom, QWidget* piece);

    celldrawing::Turn turn() const { return m_turn; }
    bool atDesignedView() const { return m_turn.isDesigned(); }
    // Turns to the given view (the tilt kept within its limits).
    void turnTo(celldrawing::Turn t);
    void turnBy(double right, double up) { turnTo({m_turn.right + right, m_turn.up + up}); }
    void showDesignedView() { turnTo({}); }
    // The camera of the view shown, in the element's logical pixels; null
    // for a picture that does not turn.
    std::optional<cell::Camera> camera() const;

    // Degrees per key press, and per pixel of a drag.
    static constexpr double kKeyStep = TurnGesture::kKeyStep;
    static constexpr double kDragStep = TurnGesture::kDragStep;

signals:
    void turned();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintContents(QPaintEvent* e) override;
    // The picture's own description, how to turn it and the view now shown.
    QString spokenDescription() const override;

private:
    struct Pin {
        QPointer<QWidget> widget;
        int atom;
        QPoint designedPos;
    };
    struct Piece {
        QPointer<QWidget> widget;
        int atom;
    };

    const celldrawing::CellDrawing* drawing();
    void leaveDesignedView();
    void returnToDesignedView();
    void placeOverlays();
    void movePin(QWidget* widget, QPoint to);
    // Tells a screen reader that the view, and so the description, changed.
    void announceView();
    // Does what the gesture says an event means.
    void act(const TurnGesture::Meaning& m);
    // Milliseconds on a steady clock, for the gesture.
    qint64 now() const { return m_clock.elapsed(); }

    PictureId m_picture;
    celldrawing::Turn m_turn;
    std::unique_ptr<celldrawing::CellDrawing> m_drawing;
    QImage m_frame;
    celldrawing::View m_frameView; // what the frame shows
    QTimer m_refine;

    std::vector<Pin> m_pins;
    std::vector<Piece> m_pieces;
    std::vector<QPointer<QWidget>> m_stacking; // the siblings' order before the pieces stepped back

    TurnGesture m_gesture;
    QElapsedTimer m_clock;
};
