#include "menudesign.h"
#include "stackingdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "turnabledrawing.h"

#include <QApplication>

// The stacking lesson end to end: every stage with the third layer placed
// either way, メニュー from every state, and the whole lesson by keys alone.

namespace {

using controls::stacking::Command1;
using controls::stacking::Command2;
using controls::stackingThird::Command3;

// The drawings the open screen shows, by their pictures' names.
QStringList shownDrawings(const Harness& h) {
    QStringList out;
    for (TurnableDrawing* d : h.current()->findChildren<TurnableDrawing*>())
        if (!d->isHidden())
            out << d->programPicture().fileName();
    out.sort();
    return out;
}

QStringList shownLabels(const Harness& h) {
    QStringList out;
    for (QLabel* l : h.current()->findChildren<QLabel*>())
        if (!l->isHidden() && l->objectName().startsWith("Label") && l->objectName() != "Label1")
            out << l->text();
    out.sort();
    return out;
}

// The two ways through 積み重ね選択: the marker taken, and the 実行 that
// then shows the other stack.
struct Way {
    const char* marker;
    const char* run;
};
const Way kOverA{"Image2", "Command1"}, kOverC{"Image3", "Command3"};

// Every press of the lesson from 積み重ね開始 to its end, one way.
QStringList lessonPresses(const Way& w) {
    return {"Command1", "Command1", "Command1", w.marker,
            w.run,      "Command1", "Command1", "Command1"};
}

void addWays() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("over A") << kOverA.marker << kOverA.run << "stack-hcp"
                            << "stack-fcc";
    QTest::newRow("over C") << kOverC.marker << kOverC.run << "stack-fcc"
                            << "stack-hcp";
}

QString focusedName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// A key as the learner presses it, to whatever has the focus; a screen it
// opens takes the focus as a window does.
void key(Harness& h, Qt::Key k) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the focus");
    QTest::keyClick(target, k);
    Harness::flushDeletes();
    QVERIFY(h.current() && QTest::qWaitForWindowActive(h.current()));
}

} // namespace

class StackingTest : public QObject {
    Q_OBJECT

private slots:
    void lessonEndToEnd_data() { addWays(); }
    void lessonEndToEnd();
    void menuFromEveryState_data();
    void menuFromEveryState();
    void lessonByKeysAlone_data() { addWays(); }
    void lessonByKeysAlone();
};

void StackingTest::lessonEndToEnd() {
    QFETCH(QString, marker);
    QFETCH(QString, run);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const QString hcpName = "ＡＢＡＢ…　六方最密", fccName = "ＡＢＣＡＢＣ…　面心立方";
    Harness h;
    h.open(ScreenId::Menu);
    h.click(controls::menu::Command9);
    QCOMPARE(h.currentName(), QString("積み重ね開始"));
    for (int variant = 0; variant < 3; ++variant) {
        QCOMPARE(shownDrawings(h), QStringList{QString("stack-layer-%1").arg(variant)});
        h.click(Command1);
    }

    QCOMPARE(h.currentName(), QString("積み重ね選択"));
    QCOMPARE(shownDrawings(h), QStringList{"stack-choice"});
    // Nothing leads on but the choice.
    QVERIFY(!h.shown(Command1) && !h.shown(Command3));
    QVERIFY(h.shown(controls::stackingThird::Image2) && h.shown(controls::stackingThird::Image3));
    h.click(marker);
    QCOMPARE(shownDrawings(h), QStringList{first});
    QCOMPARE(shownLabels(h), QStringList{first == "stack-hcp" ? hcpName : fccName});
    QVERIFY(!h.shown(controls::stackingThird::Image2) && !h.shown(controls::stackingThird::Image3));
    h.click(run);
    QCOMPARE(shownDrawings(h), QStringList({"stack-fcc", "stack-hcp"}));
    QCOMPARE(shownLabels(h), QStringList({hcpName, fccName}));
    // The chosen stack stays on the left, the other comes beside it.
    const auto drawings = h.current()->findChildren<TurnableDrawing*>();
    for (TurnableDrawing* d : drawings)
        if (!d->isHidden())
            QCOMPARE(d->x() < 200, d->programPicture().fileName() == first);
    QVERIFY(h.shown(controls::stackingThird::List4));
    h.click(Command1);

    QCOMPARE(h.currentName(), QString("積み重ね格子"));
    QCOMPARE(shownDrawings(h), QStringList{"stack-cell-fcc"});
    h.click(Command1);
    QCOMPARE(shownDrawings(h), QStringList({"stack-cell-fcc", "stack-cell-hcp"}));
    h.click(Command1);
    QCOMPARE(shownDrawings(h), QStringList({"stack-neighbours-fcc", "stack-neighbours-hcp"}));
    // The lesson ends with メニュー alone.
    QVERIFY(!h.shown(Command1));
    h.click(Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
}

void StackingTest::menuFromEveryState_data() {
    QTest::addColumn<QStringList>("presses");
    QSet<QString> seen;
    for (const Way& w : {kOverA, kOverC}) {
        const QStringList all = lessonPresses(w);
        for (int n = 0; n < all.size(); ++n) {
            const QStringList presses = all.mid(0, n);
            if (!seen.contains(presses.join(' ')))
                QTest::newRow(qPrintable(presses.join(' ') + ' ')) << presses;
            seen.insert(presses.join(' '));
        }
    }
}

void StackingTest::menuFromEveryState() {
    QFETCH(QStringList, presses);
    Harness h;
    h.open(ScreenId::StackingLayer);
    for (const QString& p : presses)
        h.click(p);
    h.click(Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
}

void StackingTest::lessonByKeysAlone() {
    QFETCH(QString, marker);
    QFETCH(QString, first);
    Harness h;
    Screen* menu = h.open(ScreenId::Menu);
    QVERIFY(menu && QTest::qWaitForWindowActive(menu));
    // From the first lesson button past the other five and 充填率・密度 to 積み重ね.
    for (int i = 0; i < 7; ++i)
        key(h, Qt::Key_Tab);
    QCOMPARE(focusedName(), controls::menu::Command9.text());
    key(h, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(focusedName(), Command1.text());
        key(h, Qt::Key_Space);
    }
    QCOMPARE(h.currentName(), QString("積み重ね選択"));
    // The first marker has the focus; Tab moves to the second.
    QCOMPARE(focusedName(), QString("Image2"));
    if (marker == "Image3")
        key(h, Qt::Key_Tab);
    QCOMPARE(focusedName(), marker);
    // A marker takes Enter as well as Space.
    key(h, marker == "Image3" ? Qt::Key_Return : Qt::Key_Space);
    QCOMPARE(shownDrawings(h), QStringList{first});
    key(h, Qt::Key_Space); // the other stack
    QCOMPARE(shownDrawings(h).size(), 2);
    QCOMPARE(focusedName(), Command1.text());
    key(h, Qt::Key_Space);
    QCOMPARE(h.currentName(), QString("積み重ね格子"));
    key(h, Qt::Key_Space);
    key(h, Qt::Key_Space);
    QCOMPARE(focusedName(), Command2.text());
    key(h, Qt::Key_Space);
    QCOMPARE(h.currentName(), QString("メニュー"));
}

MIROSUTA_TEST_CLASS(StackingTest)
#include "tst_stacking.moc"
