#include "latticeatomsdesign.h"
#include "latticeinteriordesign.h"
#include "latticeintrodesign.h"
#include "latticeneighboursdesign.h"
#include "latticerows.h"
#include "testmain.h"

using namespace latticetest;

// The four screens of a lesson, in order.
namespace intro = controls::latticeIntro;
namespace interior = controls::latticeInterior;
namespace atoms = controls::latticeAtoms;
namespace neighbours = controls::latticeNeighbours;

class LatticeChainTest : public QObject {
    Q_OBJECT

private slots:
    void chainByClickingAndBackAgain_data() { addStructureRows(); }
    void chainByClickingAndBackAgain();
    void panelsHoldTheirTexts_data();
    void panelsHoldTheirTexts();
};

void LatticeChainTest::chainByClickingAndBackAgain() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(ScreenId::Menu);
    for (int visit = 0; visit < 2; ++visit) {
        h.clickNamed(c.menuButton);
        QCOMPARE(h.currentName(), formName(c.intro));
        QVERIFY(h.on<controls::latticeIntro::Tag>().shown(intro::List1));
        QVERIFY(!h.on<controls::latticeIntro::Tag>().shown(intro::List2));
        for (int press = 0; press < 3; ++press)
            h.on<controls::latticeIntro::Tag>().click(intro::Command1);
        QCOMPARE(h.currentName(), formName(c.interior));
        QVERIFY(!h.on<controls::latticeInterior::Tag>().shown(interior::Command3));
        h.on<controls::latticeInterior::Tag>().click(interior::Command1);
        for (int i = 0; i < pieces(c); ++i)
            h.on<controls::latticeInterior::Tag>().click(interior::Image3[i]);
        h.on<controls::latticeInterior::Tag>().click(interior::Command3);
        QCOMPARE(h.currentName(), formName(c.atoms));
        QVERIFY(!h.on<controls::latticeAtoms::Tag>().shown(atoms::Command3));
        h.on<controls::latticeAtoms::Tag>().click(atoms::Command1);
        h.on<controls::latticeAtoms::Tag>().click(atoms::Command3);
        QCOMPARE(h.currentName(), formName(c.neighbours));
        h.on<controls::latticeNeighbours::Tag>().click(neighbours::Command1);
        QVERIFY(!h.on<controls::latticeNeighbours::Tag>().shown(neighbours::Command1));
        h.on<controls::latticeNeighbours::Tag>().click(neighbours::Command2);
        QCOMPARE(h.currentName(), QString("メニュー"));
    }
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
}

void LatticeChainTest::panelsHoldTheirTexts_data() {
    // Full-width characters per line and rows the texts are written to.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("screen"); // 0 開始, 1 内部, 2 原子, 3 隣接
    QTest::addColumn<ControlName>("panel");
    QTest::addColumn<int>("chars");
    QTest::addColumn<int>("rows");
    const int atomsAnswer[] = {9, 10, 11}, neighboursAnswer[] = {9, 12, 12};
    for (int i = 0; i < 3; ++i) {
        const char* f = copyAt(i).folder;
        QTest::addRow("%s 開始 List1", f) << i << 0 << intro::List1 << 22 << 10;
        QTest::addRow("%s 開始 List2", f) << i << 0 << intro::List2 << 22 << 12;
        QTest::addRow("%s 開始 List3", f) << i << 0 << intro::List3 << 22 << 5;
        QTest::addRow("%s 内部 List1", f) << i << 1 << interior::List1 << 26 << 6;
        QTest::addRow("%s 内部 List2", f) << i << 1 << interior::List2 << 24 << 6;
        QTest::addRow("%s 内部 List3", f) << i << 1 << interior::List3 << 26 << 6;
        QTest::addRow("%s 原子 List1", f) << i << 2 << atoms::List1 << 22 << 6;
        QTest::addRow("%s 原子 List2", f) << i << 2 << atoms::List2 << 22 << atomsAnswer[i];
        QTest::addRow("%s 隣接 List1", f) << i << 3 << neighbours::List1 << 22 << 6;
        QTest::addRow("%s 隣接 List2", f)
            << i << 3 << neighbours::List2 << 22 << neighboursAnswer[i];
    }
}

void LatticeChainTest::panelsHoldTheirTexts() {
    QFETCH(int, row);
    QFETCH(int, screen);
    QFETCH(ControlName, panel);
    QFETCH(int, chars);
    QFETCH(int, rows);
    const Copy& c = copyAt(row);
    const ScreenId ids[] = {c.intro, c.interior, c.atoms, c.neighbours};
    Harness h;
    h.open(ids[screen]);
    const QRect r = geometryOf(h, panel);
    QVERIFY2(r.width() >= chars * 16 + 10, qPrintable(QString::number(r.width())));
    QVERIFY2(r.height() >= rows * 21 + 6, qPrintable(QString::number(r.height())));
    QVERIFY(QRect(QPoint(0, 0), h.current()->size()).contains(r));
}

MIROSUTA_TEST_CLASS(LatticeChainTest)
#include "tst_latticechain.moc"
