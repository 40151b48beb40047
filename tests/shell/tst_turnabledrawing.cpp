#include "celldrawing.h"
#include "cellmodel.h"
#include "picturecatalog.h"
#include "testmain.h"
#include "turnabledrawing.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <memory>

using cell::Structure;

namespace {

// A bare stand-in for a screen: the drawing and what lies over it, laid out
// as the interior viewer lays them.
struct Stage {
    QWidget screen;
    TurnableDrawing* drawing;
    std::vector<Picture*> markers, pieces;

    explicit Stage(PictureId picture) {
        screen.resize(500, 480);
        drawing = new TurnableDrawing(&screen);
        drawing->setProgramPicture(picture);
        drawing->move(40, 30);
        screen.show();
    }
    Structure structure() const { return drawing->programPicture().cellStructure(); }
    void addMarkers() {
        const Structure s = structure();
        for (int i = 0; i < cell::pieceCount(s); ++i) {
            auto* m = new Picture(&screen);
            m->setProgramPicture("marker");
            const cell::Point2 c = cell::atomCentre(s, i);
            m->move(drawing->x() + qRound(c.x - m->width() / 2.0),
                    drawing->y() + qRound(c.y - m->height() / 2.0));
            m->show();
            drawing->pinToAtom(m, i);
            markers.push_back(m);
        }
    }
    void addPieces() {
        const Structure s = structure();
        for (int i = 0; i < cell::pieceCount(s); ++i) {
            auto* p = new Picture(&screen);
            p->setProgramPicture(pictures::piece(s, i).fileName());
            const cell::Rect2 r = cell::pieceRect(s, i);
            p->move(drawing->pos() + QPoint(r.left, r.top));
            p->show();
            drawing->addPiece(i, p);
            pieces.push_back(p);
        }
    }
    QImage shown() { return drawing->grab().toImage().convertToFormat(QImage::Format_ARGB32); }
    // Without the focus frame, which a focused drawing shows while the keys
    // are in use (where the window is active, as in the browser).
    QImage shownUnfocused() {
        drawing->clearFocus();
        return shown();
    }
    // What the screen shows over the drawing's place, overlays included.
    QImage shownWithOverlays() {
        return screen.grab(drawing->geometry()).toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

// A left-button drag through the given points, in the widget's coordinates
// where the drag starts (the widget may move under the pointer).
void drag(QWidget* w, const QList<QPoint>& points) {
    const QPoint origin = w->mapToGlobal(QPoint());
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        const QPoint global = origin + at;
        QMouseEvent e(type, w->mapFromGlobal(global), global, Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, points.first(), Qt::LeftButton);
    for (const QPoint& p : points.mid(1))
        send(QEvent::MouseMove, p, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, points.last(), Qt::NoButton);
}

int differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

QString description(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

bool isRed(QRgb c) {
    return qRed(c) > 110 && qGreen(c) < 100 && qBlue(c) < 100;
}
bool isMagenta(QRgb c) {
    return qRed(c) > 100 && qBlue(c) > 90 && qGreen(c) < 100;
}

} // namespace

// A drawing of a cell turns under the mouse, a finger and the keys, and comes
// back to the program's own picture; what lies over it turns with it.
class TurnableDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void turnsAndComesBack_data();
    void turnsAndComesBack();
    void fingerTurnsOnceAndTapsClick();
    void markersFollowTheirAtoms_data();
    void markersFollowTheirAtoms();
    void nearerPiecesCoverFartherOnes_data();
    void nearerPiecesCoverFartherOnes();
};

void TurnableDrawingTest::turnsAndComesBack_data() {
    QTest::addColumn<PictureId>("picture");
    for (PictureId id : celldrawing::turningPictures())
        QTest::newRow(qPrintable(id.fileName())) << id;
}

void TurnableDrawingTest::turnsAndComesBack() {
    QFETCH(PictureId, picture);
    Stage stage(picture);
    TurnableDrawing* d = stage.drawing;
    d->setAccessibleDescription("説明");
    const QImage rest = stage.shownUnfocused();
    QVERIFY(description(d).startsWith("説明。"));
    QVERIFY(description(d).endsWith("いまはもとの向きです。"));

    // A drag of 40 pixels to the right and 20 up turns it 20° right and 10° up.
    const QPoint c = d->rect().center();
    drag(d, {c, c + QPoint(10, -5), c + QPoint(40, -20)});
    QCOMPARE(d->turn().right, 20.0);
    QCOMPARE(d->turn().up, 10.0);
    const QImage turned = stage.shown();
    QVERIFY2(differing(turned, rest) > rest.width() * rest.height() / 20,
             "the drawing hardly changed");
    QVERIFY(description(d).endsWith("いまは右へ 20 度、上へ 10 度回しています。"));

    // Home brings back the designed view exactly; so does a double click.
    d->setFocus();
    QTest::keyClick(d, Qt::Key_Home);
    QVERIFY(d->atDesignedView());
    QCOMPARE(stage.shownUnfocused(), rest);
    d->setFocus();
    // A drawing designed from as steep above as allowed can only tilt the other way.
    const bool steep = celldrawing::cellDrawing(picture)->designedCamera().elevationDeg >
                       celldrawing::kMaxElevation - 2 * TurnableDrawing::kKeyStep;
    QTest::keyClick(d, Qt::Key_Left);
    QTest::keyClick(d, steep ? Qt::Key_Up : Qt::Key_Down);
    QTest::keyClick(d, steep ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(d->turn().right, -TurnableDrawing::kKeyStep);
    QCOMPARE(d->turn().up, (steep ? 2 : -2) * TurnableDrawing::kKeyStep);
    QVERIFY(description(d).endsWith(steep ? "いまは左へ 15 度、上へ 30 度回しています。"
                                          : "いまは左へ 15 度、下へ 30 度回しています。"));
    QVERIFY(differing(stage.shown(), rest) > 0);
    QTest::mouseDClick(d, Qt::LeftButton, {}, c);
    QVERIFY(d->atDesignedView());
    QCOMPARE(stage.shownUnfocused(), rest);
}

void TurnableDrawingTest::fingerTurnsOnceAndTapsClick() {
    Stage stage(pictures::of(PictureKind::BallStick, Structure::Bcc));
    TurnableDrawing* d = stage.drawing;
    QSignalSpy clicks(d, &Picture::clicked);
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice* finger = device.get();
    const QPoint c = d->rect().center();
    // One finger across 60 pixels: the cell turns 30°, not twice that from
    // mouse events made of the same touch.
    QTest::touchEvent(d, finger).press(0, c, d);
    QTest::touchEvent(d, finger).move(0, c + QPoint(20, 0), d);
    QTest::touchEvent(d, finger).move(0, c + QPoint(60, 0), d);
    QTest::touchEvent(d, finger).release(0, c + QPoint(60, 0), d);
    QCOMPARE(d->turn().right, 30.0);
    QCOMPARE(clicks.count(), 0);
    // A tap is a click.
    QTest::touchEvent(d, finger).press(0, c, d);
    QTest::touchEvent(d, finger).release(0, c, d);
    QCOMPARE(clicks.count(), 1);
}

void TurnableDrawingTest::markersFollowTheirAtoms_data() {
    QTest::addColumn<int>("structure");
    for (Structure s : cell::kAllStructures)
        QTest::newRow(cell::structureKey(s).c_str()) << int(s);
}

void TurnableDrawingTest::markersFollowTheirAtoms() {
    QFETCH(int, structure);
    const Structure s = Structure(structure);
    Stage stage(pictures::of(PictureKind::BallStick, s));
    stage.addMarkers();
    TurnableDrawing* d = stage.drawing;
    std::vector<QPoint> designed;
    for (Picture* m : stage.markers)
        designed.push_back(m->pos());

    d->setFocus();
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up})
        QTest::keyClick(d, k);
    const cell::Camera cam = *d->camera();
    const cell::Cell& c = cell::model(s);
    const QImage frame = stage.shown();
    const double ball = cell::ballRadius(s) * cam.scale;
    for (int i = 0; i < cell::pieceCount(s); ++i) {
        const cell::Vec3 atom = c.atoms[std::size_t(i)].pos;
        const cell::Point2 at = cam.project(atom);
        const QPointF centre =
            QRectF(stage.markers[std::size_t(i)]->geometry()).center() - QPointF(d->pos());
        QVERIFY2(std::hypot(centre.x() - at.x, centre.y() - at.y) <= 2.0,
                 qPrintable(QStringLiteral("marker %1 is %2 px off")
                                .arg(i)
                                .arg(std::hypot(centre.x() - at.x, centre.y() - at.y))));
        // Where no nearer ball covers it, the drawing shows the atom there.
        bool covered = false;
        for (const cell::Atom& other : c.atoms) {
            const cell::Point2 o = cam.project(other.pos);
            covered |= cam.depth(other.pos) > cam.depth(atom) + 1e-9 &&
                       std::hypot(o.x - at.x, o.y - at.y) < 2 * ball;
        }
        if (!covered) {
            const QRgb px = frame.pixel(int(at.x), int(at.y));
            QVERIFY2(c.atoms[std::size_t(i)].site == cell::Site::Corner ? isRed(px) : isMagenta(px),
                     qPrintable(QStringLiteral("atom %1 shows %2").arg(i).arg(px, 8, 16)));
        }
    }

    // A click on a marker still takes it; a drag that starts on it turns
    // the drawing instead.
    Picture* marker = stage.markers.back();
    QSignalSpy clicks(marker, &Picture::clicked);
    QTest::mouseClick(marker, Qt::LeftButton, {}, marker->rect().center());
    QCOMPARE(clicks.count(), 1);
    const celldrawing::Turn before = d->turn();
    const QPoint m = marker->rect().center();
    drag(marker, {m, m + QPoint(-12, 0), m + QPoint(-30, 0)});
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(d->turn().right, before.right - 15);

    QTest::keyClick(d, Qt::Key_Home);
    for (std::size_t i = 0; i < designed.size(); ++i)
        QCOMPARE(stage.markers[i]->pos(), designed[i]);
}

void TurnableDrawingTest::nearerPiecesCoverFartherOnes_data() {
    markersFollowTheirAtoms_data();
}

void TurnableDrawingTest::nearerPiecesCoverFartherOnes() {
    QFETCH(int, structure);
    const Structure s = Structure(structure);
    Stage stage(pictures::of(PictureKind::EmptyCell, s));
    stage.addPieces();
    TurnableDrawing* d = stage.drawing;
    const QImage rest = stage.shownWithOverlays();

    d->turnTo({180, 0});
    // The piece pictures step behind the drawing, which draws the pieces.
    QCOMPARE(stage.shownWithOverlays(), stage.shown());
    // The nearest piece from this side, whatever its place in the order, is
    // drawn whole over the others: as if it were the only one.
    const cell::Camera cam = *d->camera();
    const cell::Cell& c = cell::model(s);
    int nearest = 0;
    for (int i = 0; i < cell::pieceCount(s); ++i)
        if (cam.depth(c.atoms[std::size_t(i)].pos) > cam.depth(c.atoms[std::size_t(nearest)].pos))
            nearest = i;
    QVERIFY(nearest < cell::pieceCount(s) - 1); // laid in order, later pieces would cover it
    const QImage all = stage.shown();
    for (Picture* p : stage.pieces)
        p->hide();
    const QImage none = stage.shown();
    for (std::size_t i = std::size_t(nearest) + 1; i < stage.pieces.size(); ++i)
        stage.pieces[i]->show();
    const QImage later = stage.shown(); // the pieces laid after it
    for (Picture* p : stage.pieces)
        p->hide();
    stage.pieces[std::size_t(nearest)]->show();
    const QImage alone = stage.shown();
    // Where later pieces lie behind it: its pixels there, away from its
    // outline (whose smoothing mixes in what lies behind it).
    auto inside = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (alone.pixel(x + dx, y + dy) == none.pixel(x + dx, y + dy))
                    return false;
        return true;
    };
    int drawn = 0, same = 0;
    for (int y = 1; y < alone.height() - 1; ++y)
        for (int x = 1; x < alone.width() - 1; ++x)
            if (inside(x, y) && later.pixel(x, y) != none.pixel(x, y)) {
                ++drawn;
                same += alone.pixel(x, y) == all.pixel(x, y);
            }
    QVERIFY2(drawn > 100, qPrintable(QString::number(drawn)));
    QVERIFY2(same >= drawn * 0.99, qPrintable(QStringLiteral("%1 of %2").arg(same).arg(drawn)));

    // Back at the designed view the pictures lie over the drawing as before.
    for (Picture* p : stage.pieces)
        p->show();
    d->showDesignedView();
    QCOMPARE(stage.shownWithOverlays(), rest);
}

MIROSUTA_TEST_CLASS(TurnableDrawingTest)
#include "tst_turnabledrawing.moc"
