#include "cellmodel.h"
#include "latticeinteriordesign.h"
#include "latticerows.h"
#include "picture.h"
#include "picturecatalog.h"
#include "picturestore.h"
#include "testmain.h"
#include "turnabledrawing.h"

#include <QDir>

using namespace latticetest;
using namespace controls::latticeInterior;

namespace {

Control<Tag> marker(int i) {
    return Image3[i];
}
Control<Tag> piece(int i) {
    return Image4[i];
}

// Building step k: marker k alone, pieces 0 to k - 1.
QString buildingMismatch(const Harness& h, int n, int k) {
    ControlNames shown{List2, Command2}, hidden{List1, List3, Command1, Command3, Command4};
    for (int i = 0; i < n; ++i) {
        (i == k ? shown : hidden) << marker(i);
        (i < k ? shown : hidden) << piece(i);
    }
    return visibilityMismatch(h, shown, hidden);
}

QString completeMismatch(const Harness& h, int n) {
    ControlNames shown{List3, Command3, Command4, Command2}, hidden{List1, List2, Command1};
    for (int i = 0; i < n; ++i) {
        hidden << marker(i);
        shown << piece(i);
    }
    return visibilityMismatch(h, shown, hidden);
}

} // namespace

class LatticeInteriorTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithAllTextsAndAnEmptyCell_data() { addStructureRows(); }
    void opensWithAllTextsAndAnEmptyCell();
    void buildCheckAgainAndBuildAgain_data() { addStructureRows(); }
    void buildCheckAgainAndBuildAgain();
    void markersAndPiecesSitOnTheirAtoms_data() { addStructureRows(); }
    void markersAndPiecesSitOnTheirAtoms();
    void buttonsShareAndFlankOnePlace_data() { addStructureRows(); }
    void buttonsShareAndFlankOnePlace();
    void hiddenMarkersTakeNoClicks_data() { addStructureRows(); }
    void hiddenMarkersTakeNoClicks();
    void turnedMarkersStillTakeTheirPieces_data() { addStructureRows(); }
    void turnedMarkersStillTakeTheirPieces();
    void dragFromATakenPieceTurnsTheCell();
    void missingTextEndsTheProgramAtLoad_data();
    void missingTextEndsTheProgramAtLoad();
};

void LatticeInteriorTest::opensWithAllTextsAndAnEmptyCell() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.interior);
    QCOMPARE(h.currentName(), formName(c.interior));
    // Exactly one marker and one piece per atom.
    QVERIFY(h.on<controls::latticeInterior::Tag>().element<QWidget>(marker(pieces(c) - 1)));
    QVERIFY(h.on<controls::latticeInterior::Tag>().element<QWidget>(piece(pieces(c) - 1)));
    QVERIFY(!h.on<controls::latticeInterior::Tag>().element<QWidget>(marker(pieces(c))));
    QVERIFY(!h.on<controls::latticeInterior::Tag>().element<QWidget>(piece(pieces(c))));

    ControlNames hidden{List2, List3, Command3, Command4};
    for (int i = 0; i < pieces(c); ++i)
        hidden << marker(i) << piece(i);
    const QString bad =
        visibilityMismatch(h, {Image1, Image2, Image5, Image6, List1, Command1, Command2}, hidden);
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    // The hidden panels are filled at load, ready before they are shown.
    QCOMPARE(h.on<controls::latticeInterior::Tag>().panelLines(List1), QStringList{textPath(c, 4)});
    QCOMPARE(h.on<controls::latticeInterior::Tag>().panelLines(List2), QStringList{textPath(c, 5)});
    QCOMPARE(h.on<controls::latticeInterior::Tag>().panelLines(List3), QStringList{textPath(c, 6)});
    QCOMPARE(h.on<controls::latticeInterior::Tag>().element<Picture>(Image2)->pictureName(),
             picture(c, "emptycell"));
    QCOMPARE(h.current()->focusWidget()->objectName(), Command1.text());
}

void LatticeInteriorTest::buildCheckAgainAndBuildAgain() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    const int n = pieces(c);
    Harness h;
    h.open(c.interior);
    h.on<controls::latticeInterior::Tag>().click(Command1);
    for (int round = 0; round < 3; ++round) {
        for (int k = 0; k < n; ++k) {
            const QString bad = buildingMismatch(h, n, k);
            QVERIFY2(bad.isEmpty(),
                     qPrintable(QStringLiteral("round %1 step %2: %3").arg(round).arg(k).arg(bad)));
            h.on<controls::latticeInterior::Tag>().click(marker(k));
        }
        const QString bad = completeMismatch(h, n);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("round %1: %2").arg(round).arg(bad)));
        if (round < 2)
            h.on<controls::latticeInterior::Tag>().click(
                Command4); // back to step 0; 実行 stays gone
    }
    QCOMPARE(h.currentName(), formName(c.interior));
    h.on<controls::latticeInterior::Tag>().click(Command3);
    QCOMPARE(h.currentName(), formName(c.atoms));

    // A new visit starts with the cell empty and 実行 back.
    h.open(c.interior);
    ControlNames hidden{Command3, Command4, List2, List3};
    for (int i = 0; i < n; ++i)
        hidden << marker(i) << piece(i);
    const QString bad = visibilityMismatch(h, {Command1, List1}, hidden);
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    h.on<controls::latticeInterior::Tag>().click(Command1);
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(marker(0)));
}

void LatticeInteriorTest::markersAndPiecesSitOnTheirAtoms() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.interior);
    const QRect drawing = geometryOf(h, Image1);
    const QRect empty = geometryOf(h, Image2);
    QCOMPARE(drawing.size(), QSize(300, 280));
    QCOMPARE(empty.size(), QSize(300, 280));
    QVERIFY(!drawing.intersects(empty));
    // The ball-and-stick drawing as the screen shows it: corner atoms red,
    // the others magenta.
    const QImage balls = h.on<controls::latticeInterior::Tag>()
                             .element<Picture>(Image1)
                             ->picture()
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    const auto colourAt = [&](QPoint onScreen) {
        return QColor(balls.pixel(onScreen - drawing.topLeft()));
    };
    const QObjectList order = h.current()->children();
    const auto place = [&](Control<Tag> name) {
        return order.indexOf(qobject_cast<QWidget*>(h.named(name)));
    };
    for (int i = 0; i < pieces(c); ++i) {
        const QRect m = geometryOf(h, marker(i));
        QCOMPARE(m.size(), QSize(17, 17));
        QVERIFY2(drawing.contains(m), qPrintable(marker(i).text()));
        const QColor under = colourAt(m.center());
        const bool corner =
            cell::model(c.structure).atoms[std::size_t(i)].site == cell::Site::Corner;
        const bool own = corner ? under.red() > 120 && under.green() < 90 && under.blue() < 90
                                : under.red() > 110 && under.blue() > 100 && under.green() < 90;
        QVERIFY2(own, qPrintable(marker(i).text() + " lies on " + under.name()));
        QVERIFY2(place(marker(i)) > place(Image1), qPrintable(marker(i).text()));

        // Piece i is the picture of atom i's part inside the cell, and lies
        // where the marker's atom lies in the empty cell (both drawings
        // share one view), in front of the cell and of the pieces before it.
        const QRect p = geometryOf(h, piece(i));
        QCOMPARE(
            h.on<controls::latticeInterior::Tag>().element<Picture>(piece(i))->picture().toImage(),
            PictureStore::pixmap(pictures::piece(c.structure, i).fileName()).toImage());
        const QPoint atom = m.center() - drawing.topLeft() + empty.topLeft();
        QVERIFY2(p.adjusted(-1, -1, 1, 1).contains(atom), qPrintable(piece(i).text()));
        QVERIFY2(empty.contains(p), qPrintable(piece(i).text()));
        QVERIFY2(place(piece(i)) > place(Image2), qPrintable(piece(i).text()));
        if (i > 0)
            QVERIFY2(place(piece(i)) > place(piece(i - 1)), qPrintable(piece(i).text()));
    }
}

void LatticeInteriorTest::buttonsShareAndFlankOnePlace() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.interior);
    const QRect run = geometryOf(h, Command1);
    QCOMPARE(geometryOf(h, Command3), run);
    QCOMPARE(run.size(), QSize(107, 49));
    QVERIFY(run.left() > h.current()->width() / 2);
    const QRect again = geometryOf(h, Command4);
    QVERIFY(again.bottom() < run.top());
    QCOMPARE(again.left(), run.left());
    const QRect menu = geometryOf(h, Command2);
    QVERIFY(menu.left() > run.right());
    QCOMPARE(menu.top(), run.top());
    QVERIFY(QRect(QPoint(0, 0), h.current()->size()).contains(menu));

    // The building and closing texts lie in the opening text's place, from its left edge.
    const QRect opening = geometryOf(h, List1), building = geometryOf(h, List2),
                closing = geometryOf(h, List3);
    QVERIFY(opening.contains(building));
    QVERIFY(opening.contains(closing));
    QCOMPARE(building.left(), opening.left());
    QCOMPARE(closing.left(), opening.left());
    QVERIFY(closing.width() > building.width());
}

void LatticeInteriorTest::hiddenMarkersTakeNoClicks() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.interior);
    const auto centreOf = [&](int i) { return geometryOf(h, marker(i)).center(); };

    // Before 実行 every marker is hidden: the drawing under it takes the click.
    clickWindowAt(h, centreOf(0));
    QVERIFY(!h.on<controls::latticeInterior::Tag>().shown(piece(0)));

    h.on<controls::latticeInterior::Tag>().click(Command1);
    clickWindowAt(h, centreOf(0)); // a real click on the visible marker works
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(piece(0)));
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(marker(1)));

    // Marker 0 is hidden now; atoms can only be taken in order.
    clickWindowAt(h, centreOf(0));
    for (int i = pieces(c) - 1; i >= 2; --i) {
        if (geometryOf(h, marker(i)).intersects(geometryOf(h, marker(1))))
            continue;
        clickWindowAt(h, centreOf(i));
    }
    QString bad = buildingMismatch(h, pieces(c), 1);
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
}

void LatticeInteriorTest::turnedMarkersStillTakeTheirPieces() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.interior);
    h.on<controls::latticeInterior::Tag>().click(Command1);
    auto* ballStick = h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image1);
    auto* cell = h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image2);
    QVERIFY(ballStick && cell);
    ballStick->turnTo({40, 15});
    cell->turnTo({-60, 20});
    // Each marker moves with its atom, and a click where it now is takes it.
    for (int i = 0; i < pieces(c); ++i) {
        const cell::Point2 a = ballStick->camera()->project(cell::model(c.structure).atoms[i].pos);
        const QPointF atom(a.x, a.y);
        const QPointF centre = QRectF(geometryOf(h, marker(i))).center() - ballStick->pos();
        QVERIFY2(QLineF(atom, centre).length() <= 2,
                 qPrintable(QStringLiteral("marker %1 is off its atom").arg(i)));
        clickWindowAt(h, geometryOf(h, marker(i)).center());
        QVERIFY(h.on<controls::latticeInterior::Tag>().shown(piece(i)));
    }
    // Opened again, both drawings are as designed.
    h.open(ScreenId::Menu);
    h.open(c.interior);
    QVERIFY(
        h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image1)->atDesignedView());
    QVERIFY(
        h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image2)->atDesignedView());
}

// As a learner found it: the ball-and-stick drawing turned, its marker taken
// where it went, then a drag that starts on the piece just put in.
void LatticeInteriorTest::dragFromATakenPieceTurnsTheCell() {
    Harness h;
    h.open(ScreenId::BccInterior);
    h.on<controls::latticeInterior::Tag>().click(Command1);
    QWindow* window = h.current()->windowHandle();
    auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, from + (to - from) / 3);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    };
    const QPoint ballStick = geometryOf(h, Image1).center();
    drag(ballStick, ballStick + QPoint(40, 10));
    QVERIFY(!h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image1)->atDesignedView());
    clickWindowAt(h, geometryOf(h, marker(0)).center());
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(piece(0)));

    auto* cell = h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image2);
    const QPoint onPiece = geometryOf(h, piece(0)).center();
    const QImage before = cell->grab().toImage();
    drag(onPiece, onPiece + QPoint(40, 10));
    QCOMPARE(cell->turn().right, 40 * TurnableDrawing::kDragStep);
    QVERIFY(cell->grab().toImage() != before);
}

void LatticeInteriorTest::missingTextEndsTheProgramAtLoad_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("number");
    for (int i = 0; i < 3; ++i)
        for (int number = 4; number <= 6; ++number)
            QTest::addRow("%s msg%d", copyAt(i).folder, number) << i << number;
}

void LatticeInteriorTest::missingTextEndsTheProgramAtLoad() {
    QFETCH(int, row);
    QFETCH(int, number);
    const Copy& c = copyAt(row);
    Harness h;
    h.content.remove(textPath(c, number));
    int shown = 0;
    auto conn = connect(&h.navigator(), &Navigator::screenShown, this, [&] { ++shown; });
    h.open(c.interior);
    disconnect(conn);
    QCOMPARE(shown, 0);
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages.first().contains(QStringLiteral("msg%1.txt").arg(number)));
}

MIROSUTA_TEST_CLASS(LatticeInteriorTest)
#include "tst_latticeinterior.moc"
