#include "menudesign.h"
#include "stackingdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "turnabledrawing.h"

#include <QApplication>

// The stacking lesson end to end: every state with the third layer placed
// either way (the two ways out of 積み重ね選択's opening), and the whole
// lesson by keys alone. The walk through every state and its メニュー is the
// navigation test's.

namespace {

using controls::stacking::Command1;
using controls::stacking::Command2;
namespace third = controls::stackingThird;

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

// The choice, as 積み重ね選択 declares it: the marker of each way, and the
// stack it makes first, then the other.
void addWays() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const auto& ways = screenDesign(ScreenId::StackingThird).states.front().transitions;
    QCOMPARE(ways.size(), std::size_t(2));
    QTest::newRow("over A") << ways[0].element << "stack-hcp"
                            << "stack-fcc";
    QTest::newRow("over C") << ways[1].element << "stack-fcc"
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
    void lessonByKeysAlone_data() { addWays(); }
    void lessonByKeysAlone();
};

void StackingTest::lessonEndToEnd() {
    QFETCH(QString, marker);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const QString hcpName = "ABAB…　六方最密", fccName = "ABCABC…　面心立方";
    Harness h;
    auto menu = h.open<ScreenId::Menu>();
    menu.click(controls::menu::Command8); // the other page
    menu.click(menuLessonButton(ScreenId::StackingLayer));
    QCOMPARE(h.currentName(), QString("積み重ね開始"));
    for (int variant = 0; variant < 3; ++variant) {
        QCOMPARE(shownDrawings(h), QStringList{QString("stack-layer-%1").arg(variant)});
        h.on<controls::stacking::Tag>().click(Command1);
    }

    QCOMPARE(h.currentName(), QString("積み重ね選択"));
    auto choice = h.on<third::Tag>();
    QCOMPARE(shownDrawings(h), QStringList{"stack-choice"});
    // Nothing leads on but the choice.
    QVERIFY(!choice.shown(Command1));
    QVERIFY(choice.shown(third::Image2) && choice.shown(third::Image3));
    h.clickNamed(marker);
    QCOMPARE(shownDrawings(h), QStringList{first});
    QCOMPARE(shownLabels(h), QStringList{first == "stack-hcp" ? hcpName : fccName});
    QVERIFY(!choice.shown(third::Image2) && !choice.shown(third::Image3));
    choice.click(Command1);
    QCOMPARE(shownDrawings(h), QStringList({"stack-fcc", "stack-hcp"}));
    QCOMPARE(shownLabels(h), QStringList({hcpName, fccName}));
    // The chosen stack stays on the left, the other comes beside it.
    const auto drawings = h.current()->findChildren<TurnableDrawing*>();
    for (TurnableDrawing* d : drawings)
        if (!d->isHidden())
            QCOMPARE(d->x() < 200, d->programPicture().fileName() == first);
    QVERIFY(choice.shown(third::List4));
    choice.click(Command1);

    QCOMPARE(h.currentName(), QString("積み重ね格子"));
    auto cells = h.on<controls::stackingCells::Tag>();
    QCOMPARE(shownDrawings(h), QStringList{"stack-cell-fcc"});
    cells.click(Command1);
    QCOMPARE(shownDrawings(h), QStringList({"stack-cell-fcc", "stack-cell-hcp"}));
    cells.click(Command1);
    QCOMPARE(shownDrawings(h), QStringList({"stack-neighbours-fcc", "stack-neighbours-hcp"}));
    // The lesson ends with メニュー alone.
    QVERIFY(!cells.shown(Command1));
    cells.click(Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
    QVERIFY(h.exits.statuses.isEmpty());
}

void StackingTest::lessonByKeysAlone() {
    QFETCH(QString, marker);
    QFETCH(QString, first);
    Harness h;
    Screen* menu = h.open(ScreenId::Menu);
    QVERIFY(menu && QTest::qWaitForWindowActive(menu));
    // To ほかの学習, then on its page from 金属の結晶 to 積み重ね.
    for (int i = tabsTo(menu->design(), controls::menu::Command8); i > 0; --i)
        key(h, Qt::Key_Tab);
    key(h, Qt::Key_Space);
    QCOMPARE(focusedName(), controls::menu::Command9.text());
    const auto stacking = menuLessonButton(ScreenId::StackingLayer);
    for (int i = tabsTo(menu->design(), stacking, menu->state(), controls::menu::Command9.text());
         i > 0; --i)
        key(h, Qt::Key_Tab);
    QCOMPARE(focusedName(), stacking.text());
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
    QCOMPARE(focusedName(), Command1.text());
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
