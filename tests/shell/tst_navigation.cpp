#include "label.h"
#include "navigationtable.h"
#include "picture.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QAbstractButton>

namespace {

// What a learner can see of an element, to compare a screen with its design.
QString describe(const QWidget* w) {
    QString d = QStringLiteral("%1 hidden=%2 geo=%3,%4,%5,%6")
                    .arg(w->objectName())
                    .arg(w->isHidden())
                    .arg(w->x())
                    .arg(w->y())
                    .arg(w->width())
                    .arg(w->height());
    if (auto* p = qobject_cast<const TextPanel*>(w))
        d += " items=" + p->lines().join('|');
    if (auto* l = qobject_cast<const QLabel*>(w))
        d += " text=" + l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        d += " button=" + b->text();
    return d;
}

QStringList snapshot(const Screen* s) {
    QStringList out;
    for (const QWidget* w : s->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            out << describe(w);
    out.sort();
    return out;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void everyMoveLandsOnItsScreen_data();
    void everyMoveLandsOnItsScreen();
    void everyScreenHasItsFrame_data();
    void everyScreenHasItsFrame();
    void reentryRebuildsTheDesign_data();
    void reentryRebuildsTheDesign();
    void menuButtonLeavesFromAnyStage_data();
    void menuButtonLeavesFromAnyStage();
};

void NavigationTest::everyMoveLandsOnItsScreen_data() {
    QTest::addColumn<int>("row");
    const auto& table = navigationTable();
    for (int i = 0; i < int(table.size()); ++i) {
        const NavigationRow& r = table[std::size_t(i)];
        QTest::newRow(qPrintable(screenInfo(r.screen).formName + ' ' + r.element)) << i;
    }
}

void NavigationTest::everyMoveLandsOnItsScreen() {
    QFETCH(int, row);
    const NavigationRow& r = navigationTable()[std::size_t(row)];
    if (!Navigator::instance().isRegistered(r.screen) ||
        (r.target && !Navigator::instance().isRegistered(*r.target)))
        QSKIP("screen not built yet");
    Harness h;
    Screen* s = h.open(r.screen);
    QVERIFY(s);
    QWidget* element = s->findChild<QWidget*>(r.element);
    QVERIFY2(element, qPrintable(r.element));
    if (auto* b = qobject_cast<QAbstractButton*>(element))
        QCOMPARE(b->accessibleName(), r.face);
    if (auto* l = qobject_cast<Label*>(element))
        QCOMPARE(l->text(), r.face);
    if (r.staged) {
        // A staged move happens at the third press of the screen's advancing button.
        for (int press = 0; press < 3 && h.current() == s; ++press)
            h.click(r.element);
    } else {
        // Elements shown late in a lesson are wired from the start.
        element->show();
        h.click(r.element);
    }
    if (r.target) {
        QCOMPARE(h.currentName(), screenInfo(*r.target).formName);
        QCOMPARE(h.current()->windowTitle(), screenInfo(*r.target).caption);
        QVERIFY(h.exits.statuses.isEmpty());
    } else {
        QVERIFY(!h.current());
        QCOMPARE(h.exits.statuses, QList<int>{0});
    }
    QVERIFY(h.errors.messages.isEmpty());
}

void NavigationTest::everyScreenHasItsFrame_data() {
    QTest::addColumn<ScreenId>("id");
    for (const ScreenInfo& i : allScreens())
        QTest::newRow(qPrintable(i.formName)) << i.id;
}

void NavigationTest::everyScreenHasItsFrame() {
    QFETCH(ScreenId, id);
    if (!Navigator::instance().isRegistered(id))
        QSKIP("screen not built yet");
    Harness h;
    Screen* s = h.open(id);
    QVERIFY(s);
    const ScreenInfo& info = screenInfo(id);
    QCOMPARE(s->objectName(), info.formName);
    QCOMPARE(s->windowTitle(), info.caption);
    QCOMPARE(s->size(), info.clientTwips / 15);
    QCOMPARE(s->minimumSize(), s->maximumSize());
    QVERIFY(!(s->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(s->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(s->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(s->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(!s->windowIcon().isNull());
    QVERIFY(!s->isHidden());
    // Every picture button speaks its face word; every element has a control name.
    for (auto* b : s->findChildren<QAbstractButton*>())
        QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
    for (auto* w : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
    // Every element lies inside the window.
    for (auto* w : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(s->rect().contains(w->geometry()) || w->geometry().isEmpty(),
                 qPrintable(describe(w)));
}

void NavigationTest::reentryRebuildsTheDesign_data() {
    everyScreenHasItsFrame_data();
}

void NavigationTest::reentryRebuildsTheDesign() {
    QFETCH(ScreenId, id);
    if (!Navigator::instance().isRegistered(id))
        QSKIP("screen not built yet");
    Harness h;
    Screen* first = h.open(id);
    QVERIFY2(first, qPrintable(h.errors.messages.join('\n')));
    const QStringList designed = snapshot(first);
    // Disturb the screen as a learner would: press whatever advances it, twice,
    // leaving alone the elements that move to another screen at once.
    auto moves = [&](const QString& name) {
        for (const NavigationRow& r : navigationTable())
            if (r.screen == id && r.element == name && !r.staged)
                return true;
        return false;
    };
    for (int press = 0; press < 2 && h.currentName() == screenInfo(id).formName; ++press)
        for (const char* name : {"Command1", "Image3(0)", "Command2(1)"})
            if (h.shown(name) && !moves(name) && h.currentName() == screenInfo(id).formName)
                h.click(name);
    SwitchScreen(ScreenId::Menu);
    Screen* again = h.open(id);
    QVERIFY(again);
    QCOMPARE(snapshot(again), designed);
}

void NavigationTest::menuButtonLeavesFromAnyStage_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<int>("presses");
    for (const NavigationRow& r : navigationTable()) {
        if (r.target != ScreenId::Menu || r.screen == ScreenId::Start)
            continue;
        for (int presses = 0; presses < 3; ++presses)
            QTest::addRow("%s after %d presses", qPrintable(screenInfo(r.screen).formName), presses)
                << r.screen << presses;
    }
}

void NavigationTest::menuButtonLeavesFromAnyStage() {
    QFETCH(ScreenId, id);
    QFETCH(int, presses);
    if (!Navigator::instance().isRegistered(id))
        QSKIP("screen not built yet");
    Harness h;
    h.open(id);
    QString menuButton;
    for (const NavigationRow& r : navigationTable())
        if (r.screen == id && r.target == ScreenId::Menu)
            menuButton = r.element;
    for (int i = 0; i < presses; ++i) {
        // The drill's Command1 is its メニュー button; its stages are the digit keys.
        const QString advance = id == ScreenId::Drill ? "Command2(1)" : "Command1";
        if (advance != menuButton && h.shown(advance))
            h.click(advance);
    }
    if (h.currentName() != screenInfo(id).formName)
        QSKIP("the presses left the screen");
    h.click(menuButton);
    QCOMPARE(h.currentName(), QString("メニュー"));
}

MIROSUTA_TEST_CLASS(NavigationTest)
#include "tst_navigation.moc"
