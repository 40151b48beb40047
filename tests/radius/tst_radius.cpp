#include "menudesign.h"
#include "picture.h"
#include "radiusdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QPointer>

// The three screens' elements by their names; 半径開始's Image2, Image3 and
// List1 have the names of 面心半径's and 体心半径's.
using namespace controls::radius;
using namespace controls::radiusStage;
using namespace controls::bccRadius;

namespace {

const ControlNames kElements{Image1, Image2, Image3, Image4, Image5, Image6,   Image7,
                             Image8, Image9, List1,  List2,  List3,  Command1, Command2};

QString text(int n) {
    return QStringLiteral("\\説明\\原子半径\\msg%1.txt").arg(n);
}

QStringList shownElements(const Harness& h) {
    QStringList out;
    for (ControlName name : kElements)
        if (h.shownNamed(name.text()))
            out << name.text();
    return out;
}

// Opens a radius screen the way the learner reaches it.
void reach(Harness& h, ScreenId screen) {
    h.open(ScreenId::Menu);
    h.on<controls::menu::Tag>().click(controls::menu::Command6);
    if (screen == ScreenId::RadiusIntro)
        return;
    h.on<controls::radius::Tag>().click(Command1);
    if (screen == ScreenId::FccRadius)
        return;
    for (int i = 0; i < 3; ++i)
        h.on<controls::radius::Tag>().click(Command1);
}

void press(Harness& h, int times) {
    for (int i = 0; i < times; ++i)
        h.on<controls::radius::Tag>().click(Command1);
}

qint16 clickCount(const Harness& h) {
    return h.current() ? qint16(h.current()->state()) : qint16(-1);
}

// Every state of the three screens: the screen and the presses of 次に進む.
void addEveryState() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("presses");
    QTest::newRow("半径開始") << ScreenId::RadiusIntro << 0;
    for (int p = 0; p <= 2; ++p)
        QTest::addRow("面心半径 %d", p) << ScreenId::FccRadius << p;
    for (int p = 0; p <= 3; ++p)
        QTest::addRow("体心半径 %d", p) << ScreenId::BccRadius << p;
}

} // namespace

class RadiusTest : public QObject {
    Q_OBJECT

private slots:
    void introLeadsOnAtOnce();

    void stages_data();
    void stages();
    void menuLeavesFromEveryState_data() { addEveryState(); }
    void menuLeavesFromEveryState();
    void reentryStartsAtOpening_data();
    void reentryStartsAtOpening();

    void thirdFccPressOpensBccWithoutAChange();
    void bccCloseLeavesOnlyMenu();

    void emptyTextGivesEmptyVisiblePanel_data();
    void emptyTextGivesEmptyVisiblePanel();

    void layoutOfEveryState_data() { addEveryState(); }
    void layoutOfEveryState();
    void panelsHoldTheirTexts_data();
    void panelsHoldTheirTexts();
};

void RadiusTest::introLeadsOnAtOnce() {
    Harness h;
    reach(h, ScreenId::RadiusIntro);
    QCOMPARE(h.currentName(), QString("半径開始"));
    QCOMPARE(h.current()->size(), QSize(766, 478));
    QCOMPARE(shownElements(h), texts({Image1, Image2, Image3, List1, Command1, Command2}));
    QCOMPARE(h.on<controls::radiusIntro::Tag>().panelLines(controls::radiusIntro::List1),
             QStringList{text(1)});
    h.on<controls::radius::Tag>().click(Command1);
    QCOMPARE(h.currentName(), QString("面心半径"));
    QCOMPARE(clickCount(h), qint16(0));
    QVERIFY(h.errors.messages.isEmpty());
}

void RadiusTest::stages_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("shown");
    const QStringList buttons = texts({Command1, Command2});
    for (ScreenId s : {ScreenId::FccRadius, ScreenId::BccRadius}) {
        const char* name = s == ScreenId::FccRadius ? "面心半径" : "体心半径";
        QTest::addRow("%s opening", name)
            << s << 0 << texts({Image1, Image2, Image3, List1}) + buttons;
        QTest::addRow("%s stage 1", name)
            << s << 1 << texts({Image1, Image4, Image5, List2}) + buttons;
        QTest::addRow("%s stage 2", name)
            << s << 2 << texts({Image1, Image6, Image7, Image8}) + buttons;
    }
    QTest::newRow("体心半径 closed")
        << ScreenId::BccRadius << 3 << texts({Image1, Image9, List3, Command2});
}

void RadiusTest::stages() {
    QFETCH(ScreenId, screen);
    QFETCH(int, presses);
    QFETCH(QStringList, shown);
    Harness h;
    reach(h, screen);
    press(h, presses);
    QCOMPARE(h.current()->objectName(), screenDesign(screen).formName);
    QCOMPARE(shownElements(h), shown);
    QCOMPARE(clickCount(h), qint16(presses));
    // Every panel was filled at load from its own file, shown or not.
    const int first = screen == ScreenId::FccRadius ? 2 : 4; // msg number of List1
    QCOMPARE(h.on<controls::radiusStage::Tag>().panelLines(List1), QStringList{text(first)});
    QCOMPARE(h.on<controls::radiusStage::Tag>().panelLines(List2), QStringList{text(first + 1)});
    if (screen == ScreenId::BccRadius)
        QCOMPARE(h.on<controls::bccRadius::Tag>().panelLines(List3), QStringList{text(first + 2)});
    QVERIFY(h.errors.messages.isEmpty());
}

void RadiusTest::menuLeavesFromEveryState() {
    QFETCH(ScreenId, screen);
    QFETCH(int, presses);
    Harness h;
    reach(h, screen);
    press(h, presses);
    h.on<controls::radius::Tag>().click(Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.exits.statuses.isEmpty());
}

void RadiusTest::reentryStartsAtOpening_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("presses");
    QTest::newRow("面心半径 left at stage 1") << ScreenId::FccRadius << 1;
    QTest::newRow("面心半径 left at stage 2") << ScreenId::FccRadius << 2;
    QTest::newRow("体心半径 left at stage 2") << ScreenId::BccRadius << 2;
    QTest::newRow("体心半径 left closed") << ScreenId::BccRadius << 3;
}

void RadiusTest::reentryStartsAtOpening() {
    QFETCH(ScreenId, screen);
    QFETCH(int, presses);
    Harness h;
    reach(h, screen);
    const QStringList opening = shownElements(h);
    press(h, presses);
    h.on<controls::radius::Tag>().click(Command2);
    h.content.writeLines(text(screen == ScreenId::FccRadius ? 2 : 4), {"二度目"});
    // Back in through the menu and 半径開始.
    h.on<controls::menu::Tag>().click(controls::menu::Command6);
    QCOMPARE(h.currentName(), QString("半径開始"));
    h.on<controls::radius::Tag>().click(Command1);
    if (screen == ScreenId::BccRadius)
        press(h, 3);
    QCOMPARE(h.currentName(), screenDesign(screen).formName);
    QCOMPARE(clickCount(h), qint16(0));
    QCOMPARE(shownElements(h), opening);
    QCOMPARE(h.on<controls::radiusStage::Tag>().panelLines(List1), QStringList{"二度目"});
    h.on<controls::radius::Tag>().click(Command1);
    QCOMPARE(clickCount(h), qint16(1));
    QVERIFY(h.on<controls::radiusStage::Tag>().shown(List2));
    QVERIFY(!h.on<controls::radiusStage::Tag>().shown(List1));
}

void RadiusTest::thirdFccPressOpensBccWithoutAChange() {
    Harness h;
    reach(h, ScreenId::FccRadius);
    press(h, 2);
    QPointer<Screen> fcc = h.current();
    const QStringList stage2 = shownElements(h);
    auto* next = h.on<controls::radius::Tag>().element<QWidget>(Command1);
    // Click without flushing, so the closed screen can still be looked at.
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(fcc);
    QCOMPARE(h.currentName(), QString("体心半径"));
    QStringList stillShown;
    for (ControlName name : kElements)
        if (auto* w = fcc->findChild<QWidget*>(name.text()); w && !w->isHidden())
            stillShown << name.text();
    QCOMPARE(stillShown, stage2);
    Harness::flushDeletes();
    QVERIFY(!fcc);
    QCOMPARE(clickCount(h), qint16(0));
    QCOMPARE(h.on<controls::radiusStage::Tag>().panelLines(List1), QStringList{text(4)});
}

void RadiusTest::bccCloseLeavesOnlyMenu() {
    Harness h;
    reach(h, ScreenId::BccRadius);
    press(h, 2);
    const QPoint nextSpot =
        h.on<controls::radius::Tag>().element<QWidget>(Command1)->geometry().center();
    h.on<controls::radius::Tag>().click(Command1);
    Screen* bcc = h.current();
    const QStringList closed = shownElements(h);
    QCOMPARE(closed, texts({Image1, Image9, List3, Command2}));
    // A press where 次に進む stood, or on anything still shown but メニュー,
    // leaves the lesson closed.
    QWidget* under = bcc->childAt(nextSpot);
    QTest::mouseClick(under ? under : bcc, Qt::LeftButton, {},
                      under ? under->mapFrom(bcc, nextSpot) : nextSpot);
    Harness::flushDeletes();
    for (ControlName name : kElements)
        if (closed.contains(name.text()) && name.text() != Command2.text())
            h.clickNamed(name.text());
    QCOMPARE(h.current(), bcc);
    QCOMPARE(shownElements(h), closed);
    QCOMPARE(clickCount(h), qint16(3));
    h.on<controls::radius::Tag>().click(Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));
}

void RadiusTest::emptyTextGivesEmptyVisiblePanel_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("presses");
    QTest::addColumn<ControlName>("panel");
    QTest::addColumn<int>("file");
    QTest::newRow("半径開始 msg1") << ScreenId::RadiusIntro << 0 << List1 << 1;
    QTest::newRow("面心半径 msg3") << ScreenId::FccRadius << 1 << List2 << 3;
    QTest::newRow("体心半径 msg5") << ScreenId::BccRadius << 1 << List2 << 5;
    QTest::newRow("体心半径 msg6") << ScreenId::BccRadius << 3 << List3 << 6;
}

void RadiusTest::emptyTextGivesEmptyVisiblePanel() {
    QFETCH(ScreenId, screen);
    QFETCH(int, presses);
    QFETCH(ControlName, panel);
    QFETCH(int, file);
    Harness h;
    h.content.writeBytes(text(file), QByteArray());
    reach(h, screen);
    press(h, presses);
    QCOMPARE(h.current()->objectName(), screenDesign(screen).formName);
    QVERIFY(h.shownNamed(panel.text()));
    QCOMPARE(qobject_cast<TextPanel*>(h.named(panel.text()))->count(), 0);
    QVERIFY(h.errors.messages.isEmpty());
}

void RadiusTest::layoutOfEveryState() {
    QFETCH(ScreenId, screen);
    QFETCH(int, presses);
    Harness h;
    reach(h, screen);
    press(h, presses);
    const QRect client = h.current()->rect();
    QList<QWidget*> shown;
    for (ControlName name : kElements)
        if (h.shownNamed(name.text()))
            shown << h.named(name.text());
    for (QWidget* w : shown) {
        QVERIFY2(client.contains(w->geometry()), qPrintable(w->objectName()));
        QVERIFY2(!w->size().isEmpty(), qPrintable(w->objectName()));
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                     qPrintable(shown[i]->objectName() + " / " + shown[j]->objectName()));

    // メニュー in the bottom right corner, 次に進む straight above it.
    const QRect menu = h.on<controls::radius::Tag>().element<QWidget>(Command2)->geometry();
    QVERIFY(client.right() - menu.right() <= 20);
    QVERIFY(client.bottom() - menu.bottom() <= 20);
    const QRect next = h.on<controls::radius::Tag>().element<QWidget>(Command1)->geometry();
    QCOMPARE(next.left(), menu.left());
    QVERIFY(next.bottom() < menu.top());
    QVERIFY(menu.top() - next.bottom() <= 15);

    // Each stage takes the places of the one before: the labelled drawing
    // covers the plain one, the derivation starts where the text did.
    if (screen != ScreenId::RadiusIntro) {
        QCOMPARE(h.on<controls::radiusStage::Tag>().element<QWidget>(Image6)->geometry(),
                 h.on<controls::radiusStage::Tag>().element<QWidget>(Image5)->geometry());
        QCOMPARE(h.on<controls::radiusStage::Tag>().element<QWidget>(Image8)->x(),
                 h.on<controls::radiusStage::Tag>().element<QWidget>(List2)->x());
    }
}

void RadiusTest::panelsHoldTheirTexts_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<ControlName>("panel");
    QTest::addColumn<int>("chars");
    QTest::addColumn<int>("rows");
    QTest::newRow("半径開始 List1") << ScreenId::RadiusIntro << List1 << 26 << 12;
    for (ScreenId s : {ScreenId::FccRadius, ScreenId::BccRadius}) {
        const char* name = s == ScreenId::FccRadius ? "面心半径" : "体心半径";
        QTest::addRow("%s List1", name) << s << List1 << 20 << 10;
        QTest::addRow("%s List2", name) << s << List2 << 20 << 12;
    }
    QTest::newRow("体心半径 List3") << ScreenId::BccRadius << List3 << 30 << 14;
}

void RadiusTest::panelsHoldTheirTexts() {
    QFETCH(ScreenId, screen);
    QFETCH(ControlName, panel);
    QFETCH(int, chars);
    QFETCH(int, rows);
    Harness h;
    reach(h, screen);
    auto* p = qobject_cast<TextPanel*>(h.named(panel.text()));
    QVERIFY(p);
    QCOMPARE(p->ground(), TextPanel::Ground::Blue);
    // A full-width character of the 12-point type is 16 pixels, a row 21.
    QVERIFY2(p->width() >= chars * 16 + 10, qPrintable(QString::number(p->width())));
    QVERIFY2(p->height() >= rows * 21 + 6, qPrintable(QString::number(p->height())));
}

MIROSUTA_TEST_CLASS(RadiusTest)
#include "tst_radius.moc"
