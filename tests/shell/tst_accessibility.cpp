#include "accessiblenames.h"
#include "cellmodel.h"
#include "clickablelabel.h"
#include "drillcrystal.h"
#include "drilldesign.h"
#include "label.h"
#include "latticeatomsdesign.h"
#include "latticeinteriordesign.h"
#include "latticeintrodesign.h"
#include "latticeneighboursdesign.h"
#include "menudesign.h"
#include "packingdesign.h"
#include "picture.h"
#include "picturecatalog.h"
#include "radiusdesign.h"
#include "summarydesign.h"
#include "testmain.h"
#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <algorithm>

namespace {

const ScreenId kInteriors[] = {ScreenId::BccInterior, ScreenId::FccInterior, ScreenId::HcpInterior};
const ScreenId kAtoms[] = {ScreenId::BccAtoms, ScreenId::FccAtoms, ScreenId::HcpAtoms};

// The summary's links, in the order of its table.
const ControlName kSummaryLinks[] = {
    controls::summary::Label8,  controls::summary::Label9,  controls::summary::Label10,
    controls::summary::Label11, controls::summary::Label12, controls::summary::Label13,
    controls::summary::Label14, controls::summary::Label15, controls::summary::Label16};

bool isJapanese(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

bool hasJapanese(const QString& s) {
    return std::any_of(s.begin(), s.end(), isJapanese);
}

// A picture of the catalog, a content file or a control name: what a screen
// reader must never read out.
bool looksLikeAssetName(const QString& name) {
    static const QSet<QString> pictures = [] {
        QSet<QString> out;
        for (const PictureEntry& e : pictureCatalog())
            out << e.name;
        return out;
    }();
    static const QRegularExpression file(
        QStringLiteral("(\\.(png|gif|wav|txt)$)|^(mondai\\d|maru|batu|gokaku|msg\\d+)$|"
                       "^(Image|Label|List|Command|Shape|Frame)\\d"),
        QRegularExpression::CaseInsensitiveOption);
    return pictures.contains(name) || file.match(name).hasMatch();
}

QAccessibleInterface* accessibleOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// The visible elements of the open screen as a screen reader finds them:
// the window's children, and the children of a frame.
QList<QAccessibleInterface*> visibleElements(QAccessibleInterface* parent) {
    QList<QAccessibleInterface*> out;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (!child || child->state().invisible)
            continue;
        out << child;
        if (child->role() == QAccessible::Grouping)
            out << visibleElements(child);
    }
    return out;
}

// Empty when every visible element has a Japanese name that is no asset name.
QString nameFaults(Screen* screen, const QString& stage) {
    QStringList bad;
    for (QAccessibleInterface* e : visibleElements(accessibleOf(screen))) {
        const QString name = e->text(QAccessible::Name);
        const QString what = screen->objectName() + " " + stage + " " + e->object()->objectName();
        // The digit keys are named by their face words, the digits.
        const bool digitKey =
            e->role() == QAccessible::Button && QRegularExpression("^\\d$").match(name).hasMatch();
        if (name.trimmed().isEmpty())
            bad << what + ": no name";
        else if (!hasJapanese(name) && !digitKey)
            bad << what + ": not Japanese: " + name;
        else if (looksLikeAssetName(name))
            bad << what + ": asset name: " + name;
    }
    return bad.join('\n');
}

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

// A key press as the learner makes it: to whatever has the focus.
void press(Qt::Key key) {
    QWidget* target = focused();
    QVERIFY2(target, "nothing has the focus");
    QTest::keyClick(target, key);
    Harness::flushDeletes();
}

bool openActive(Harness& h, ScreenId id) {
    Screen* s = h.open(id);
    return s && QTest::qWaitForWindowActive(s);
}

// Pushes the pause of the drill past its end.
void endPause(Harness& h) {
    h.clock.now += 3.0;
    if (auto* t = h.current()->findChild<QTimer*>(controls::drill::Timer1.text());
        t && t->isActive())
        QMetaObject::invokeMethod(t, "timeout");
    Harness::flushDeletes();
}

QString nameOf(QWidget* w) {
    return accessibleOf(w)->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyCatalogPictureIsNamed();
    void everyStageOfTheLessonsIsNamed();
    void drillAnnouncesItsValues();
    void interiorIsBuiltWithKeysAlone_data();
    void interiorIsBuiltWithKeysAlone();
    void markersFollowTheScreensFocusOrder_data();
    void markersFollowTheScreensFocusOrder();
    void mouseLeavesFocusAndLookAsTheyWere_data();
    void mouseLeavesFocusAndLookAsTheyWere();
    void screenReaderPressesTheMarker();
    void summaryLinksFollowByKeys_data();
    void summaryLinksFollowByKeys();
    void summaryLinksComeAfterThePanel();
    void summaryLinksLookAsPlainLabels();
    void packingLessonWithKeysAlone();
};

void AccessibilityTest::everyCatalogPictureIsNamed() {
    for (const PictureEntry& e : pictureCatalog()) {
        const AccessibleText t = pictureText(e.name);
        // A button face is named by the button's word, never by the table.
        if (e.name.startsWith("btn-") || e.name.startsWith("key-")) {
            QVERIFY2(t.name.isEmpty(), qPrintable(e.name));
            continue;
        }
        QVERIFY2(!t.name.isEmpty(), qPrintable(e.name));
        QVERIFY2(hasJapanese(t.name), qPrintable(e.name));
        QVERIFY2(!looksLikeAssetName(t.name), qPrintable(e.name));
    }
    // Each marker names its own atom and place in the order.
    for (cell::Structure s : cell::kAllStructures) {
        QSet<QString> names;
        for (int i = 0; i < cell::pieceCount(s); ++i)
            names << markerText(s, i).name;
        QCOMPARE(names.size(), cell::pieceCount(s));
    }
    // Spelled as read aloud: a speech engine may read "1/9" as a date.
    QCOMPARE(markerText(cell::Structure::Bcc, 0).name,
             QString("頂点の原子 8分の1（9個のうち1個目）"));
    QCOMPARE(markerText(cell::Structure::Bcc, 4).name, QString("体心の原子 1（9個のうち5個目）"));
    QCOMPARE(markerText(cell::Structure::Fcc, 2).name,
             QString("面の中心の原子 2分の1（14個のうち3個目）"));
    QCOMPARE(markerText(cell::Structure::Hcp, 0).name,
             QString("頂点の原子 6分の1（17個のうち1個目）"));
    QCOMPARE(pieceText(cell::Structure::Bcc, 2).name,
             QString("入れた頂点の原子の8分の1個（9個のうち3個目）"));
    QCOMPARE(pictureText("hint-eighth").name, QString("8分の1個の原子"));
    QCOMPARE(markerText(cell::Structure::Fcc, 2).description,
             QString("押すと、この原子の単位格子の内側にある部分 2分の1個 が左の単位格子に入る"));
    // No name or description of a picture or marker holds a slash fraction.
    static const QRegularExpression slashFraction(QStringLiteral("\\d\\s*/\\s*\\d"));
    QStringList spoken;
    for (const PictureEntry& e : pictureCatalog())
        spoken << pictureText(e.name).name << pictureText(e.name).description;
    for (cell::Structure s : cell::kAllStructures)
        for (int i = 0; i < cell::pieceCount(s); ++i)
            spoken << markerText(s, i).name << markerText(s, i).description << pieceText(s, i).name;
    for (const QString& words : spoken)
        QVERIFY2(!slashFraction.match(words).hasMatch(), qPrintable(words));
}

void AccessibilityTest::everyStageOfTheLessonsIsNamed() {
    // Every state of every screen, as its declaration leads there.
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& design = screenDesign(ScreenId(i));
        Harness h;
        QStringList faults;
        h.walk().walk(design.id, [&](Screen* s, const WalkPlace&, bool first) {
            if (!first)
                return;
            QAccessibleInterface* window = accessibleOf(s);
            if (window->role() != QAccessible::Window ||
                window->text(QAccessible::Name) != design.caption)
                faults << design.formName + ": the window is not named by its caption";
            if (const QString f = nameFaults(s, s->stateName()); !f.isEmpty())
                faults << f;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
}

void AccessibilityTest::drillAnnouncesItsValues() {
    using namespace controls::drill;
    // Qt tells a screen reader of every change of a name; the names must
    // follow the values shown.
    Harness h;
    h.random.values = {0.0};
    QVERIFY(h.open(ScreenId::Drill));
    auto* ordinal = h.on<controls::drill::Tag>().element<QWidget>(Label2);
    auto* digitA = h.on<controls::drill::Tag>().element<QWidget>(Label1[0]);
    auto* digitB = h.on<controls::drill::Tag>().element<QWidget>(Label1[1]);
    auto* mark = h.on<controls::drill::Tag>().element<QWidget>(Image6);
    auto* question = h.on<controls::drill::Tag>().element<QWidget>(Image5);
    QCOMPARE(nameOf(ordinal), QString("第1問"));
    QCOMPARE(nameOf(question), QString("第1問の結晶の図"));
    QCOMPARE(nameOf(h.on<controls::drill::Tag>().element<QWidget>(Image4[0])),
             QString("Aの答えの欄「？」"));

    h.on<controls::drill::Tag>().click(Command2[3]);
    QCOMPARE(nameOf(digitA), QString("Aの答え「3」"));
    QCOMPARE(nameOf(h.on<controls::drill::Tag>().element<QWidget>(Image4[1])),
             QString("Bの答えの欄「？」"));
    h.on<controls::drill::Tag>().click(Command2[7]);
    QCOMPARE(nameOf(digitB), QString("Bの答え「7」"));
    QCOMPARE(nameOf(mark), QString("不正解"));
    endPause(h);
    h.on<controls::drill::Tag>().click(Command2[1]);
    QCOMPARE(nameOf(digitA), QString("Aの答え「1」"));
    h.on<controls::drill::Tag>().click(Command2[1]);
    QCOMPARE(nameOf(mark), QString("正解"));
    QCOMPARE(nameOf(ordinal), QString("第1問"));
    endPause(h);
    QCOMPARE(nameOf(ordinal), QString("第2問"));
    QCOMPARE(nameOf(question), QString("第2問の結晶の図"));
}

void AccessibilityTest::interiorIsBuiltWithKeysAlone_data() {
    QTest::addColumn<int>("row");
    QTest::newRow("体心内部") << 0;
    QTest::newRow("面心内部") << 1;
    QTest::newRow("六方内部") << 2;
}

void AccessibilityTest::interiorIsBuiltWithKeysAlone() {
    using namespace controls::latticeInterior;
    QFETCH(int, row);
    const cell::Structure s = cell::kAllStructures[std::size_t(row)];
    const int n = cell::pieceCount(s);
    Harness h;
    QVERIFY(openActive(h, kInteriors[row]));
    QCOMPARE(focusedName(), Command1.text());
    press(Qt::Key_Space); // 実行
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < n; ++i) {
            const ControlName marker = Image3[i];
            QCOMPARE(focusedName(), marker.text());
            QAccessibleInterface* a = accessibleOf(focused());
            QCOMPARE(a->role(), QAccessible::Button);
            QCOMPARE(a->text(QAccessible::Name), markerText(s, i).name);
            QVERIFY(a->state().focused);
            press(i % 2 ? Qt::Key_Return : Qt::Key_Space);
            QVERIFY(h.on<controls::latticeInterior::Tag>().shown(Image4[i]));
            QVERIFY(!h.shownNamed(marker));
        }
        QVERIFY(h.on<controls::latticeInterior::Tag>().shown(List3));
        QCOMPARE(focusedName(), Command3.text());
        if (round == 0) {
            // Tab on to 再確認 and build the cell once more.
            press(Qt::Key_Tab);
            QCOMPARE(focusedName(), Command4.text());
            press(Qt::Key_Space);
            for (int i = 0; i < n; ++i)
                QVERIFY(!h.on<controls::latticeInterior::Tag>().shown(Image4[i]));
        }
    }
    press(Qt::Key_Space); // 次に進む
    QCOMPARE(h.currentName(), screenDesign(kAtoms[row]).formName);
}

void AccessibilityTest::markersFollowTheScreensFocusOrder_data() {
    interiorIsBuiltWithKeysAlone_data();
}

void AccessibilityTest::markersFollowTheScreensFocusOrder() {
    using namespace controls::latticeInterior;
    QFETCH(int, row);
    Harness h;
    QVERIFY(openActive(h, kInteriors[row]));
    press(Qt::Key_Space);
    press(Qt::Key_Space); // the first piece is in; the second marker waits
    QCOMPARE(focusedName(), Image3[1].text());
    // Tab goes round the screen's own stops, the two drawings that turn
    // among them, then back to the marker.
    QStringList stops;
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        stops << focusedName();
    }
    QCOMPARE(stops, texts({Command2, List2, Image2, Image1, Image3[1]}));
    press(Qt::Key_Backtab);
    QCOMPARE(focusedName(), Image1.text());
}

void AccessibilityTest::mouseLeavesFocusAndLookAsTheyWere_data() {
    interiorIsBuiltWithKeysAlone_data();
}

void AccessibilityTest::mouseLeavesFocusAndLookAsTheyWere() {
    using namespace controls::latticeInterior;
    QFETCH(int, row);
    const int n = cell::pieceCount(cell::kAllStructures[std::size_t(row)]);
    Harness h;
    QVERIFY(openActive(h, kInteriors[row]));
    h.on<controls::latticeInterior::Tag>().click(Command1);
    const QString afterRun = focusedName();
    QVERIFY(afterRun != Image3[0].text());
    auto* marker = h.on<controls::latticeInterior::Tag>().element<Picture>(Image3[0]);
    const QImage plain = marker->grab().toImage();
    // A marker given the focus shows no frame while the mouse is in use ...
    marker->setFocus(Qt::OtherFocusReason);
    QVERIFY(marker->hasFocus());
    QCOMPARE(marker->grab().toImage(), plain);
    // ... and shows one as soon as a key is pressed.
    QTest::keyClick(marker, Qt::Key_Shift);
    QVERIFY(ClickableLabel::keyboardInUse());
    QVERIFY(marker->grab().toImage() != plain);
    h.on<controls::latticeInterior::Tag>().element<QWidget>(Command2)->setFocus(
        Qt::OtherFocusReason);

    // Clicks give the markers no focus and move it nowhere.
    for (int i = 0; i < n; ++i) {
        h.on<controls::latticeInterior::Tag>().click(Image3[i]);
        QVERIFY(!ClickableLabel::keyboardInUse());
        QCOMPARE(focusedName(), Command2.text());
    }
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(Command3));
    QCOMPARE(focusedName(), Command2.text());
}

void AccessibilityTest::screenReaderPressesTheMarker() {
    using namespace controls::latticeInterior;
    Harness h;
    QVERIFY(h.open(ScreenId::BccInterior));
    h.on<controls::latticeInterior::Tag>().click(Command1);
    QAccessibleInterface* a =
        accessibleOf(h.on<controls::latticeInterior::Tag>().element<QWidget>(Image3[0]));
    QAccessibleActionInterface* actions = a->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(Image4[0]));
    QVERIFY(h.on<controls::latticeInterior::Tag>().shown(Image3[1]));
    // A hidden marker cannot be pressed.
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!h.on<controls::latticeInterior::Tag>().shown(Image4[1]));
}

void AccessibilityTest::summaryLinksFollowByKeys_data() {
    QTest::addColumn<int>("tabs"); // from the メニュー button
    QTest::addColumn<QString>("caption");
    QTest::addColumn<ScreenId>("target");
    QTest::addColumn<int>("key");
    const ScreenId targets[9] = {
        ScreenId::BccInterior,   ScreenId::FccInterior,   ScreenId::HcpInterior,
        ScreenId::BccAtoms,      ScreenId::FccAtoms,      ScreenId::HcpAtoms,
        ScreenId::BccNeighbours, ScreenId::FccNeighbours, ScreenId::HcpNeighbours};
    const char* captions[9] = {"体心立方格子", "面心立方格子", "六方最密構造", "２　個", "４　個",
                               "６　個",       "８　個",       "１２個",       "１２個"};
    for (int i = 0; i < 9; ++i)
        QTest::newRow(qPrintable(kSummaryLinks[i].text()))
            << i + 2 << QString::fromUtf8(captions[i]) << targets[i]
            << int(i % 2 ? Qt::Key_Space : Qt::Key_Return);
}

void AccessibilityTest::summaryLinksFollowByKeys() {
    using namespace controls::summary;
    QFETCH(int, tabs);
    QFETCH(QString, caption);
    QFETCH(ScreenId, target);
    QFETCH(int, key);
    Harness h;
    QVERIFY(openActive(h, ScreenId::Summary));
    QCOMPARE(focusedName(), Command1.text());
    for (int i = 0; i < tabs; ++i)
        press(Qt::Key_Tab);
    QAccessibleInterface* a = accessibleOf(focused());
    QCOMPARE(a->role(), QAccessible::Link);
    QCOMPARE(a->text(QAccessible::Name), caption);
    QVERIFY(!a->text(QAccessible::Description).isEmpty());
    press(Qt::Key(key));
    QCOMPARE(h.currentName(), screenDesign(target).formName);
}

void AccessibilityTest::summaryLinksComeAfterThePanel() {
    using namespace controls::summary;
    Harness h;
    QVERIFY(openActive(h, ScreenId::Summary));
    QStringList stops;
    for (int i = 0; i < 14; ++i) {
        press(Qt::Key_Tab);
        stops << focusedName();
    }
    // The cells that turn come after the links.
    QCOMPARE(stops, texts({List1, Label8, Label9, Label10, Label11, Label12, Label13, Label14,
                           Label15, Label16, Image1, Image2, Image3, Command1}));
    // The other cells, the flat pictures and the banner take no focus.
    for (ControlName name : {Label1, Label17, Image4, Image5})
        QCOMPARE(qobject_cast<QWidget*>(h.named(name))->focusPolicy(), Qt::NoFocus);
}

void AccessibilityTest::summaryLinksLookAsPlainLabels() {
    Harness h;
    QVERIFY(h.open(ScreenId::Summary));
    for (ControlName name : kSummaryLinks) {
        auto* link = qobject_cast<Label*>(h.named(name));
        QVERIFY(!link->hasFocus());
        // The same cell as a label that takes no focus, drawn off to the side.
        Label plain(h.current());
        plain.setFont(link->font());
        plain.setPalette(link->palette());
        plain.setAutoFillBackground(link->autoFillBackground());
        plain.setAlignment(link->alignment());
        plain.setText(link->text());
        plain.resize(link->size());
        QCOMPARE(link->grab().toImage(), plain.grab().toImage());
    }
}

// From the menu through the packing lesson by Tab, Space and the
// keyboard's digits: a wrong answer, then the right one, then back to the
// menu; every element named at every step.
void AccessibilityTest::packingLessonWithKeysAlone() {
    using namespace controls::densityQuestion;
    Harness h;
    QVERIFY(openActive(h, ScreenId::Menu));
    QCOMPARE(focusedName(), controls::menu::Command1.text());
    const ScreenDesign& menu = screenDesign(ScreenId::Menu);
    for (int i = tabsTo(menu, controls::menu::Command8); i > 0; --i)
        press(Qt::Key_Tab);
    press(Qt::Key_Space); // the other page
    const auto packing = menuLessonButton(ScreenId::PackingIntro);
    for (int i = tabsTo(menu, packing, h.current()->state(), controls::menu::Command9.text());
         i > 0; --i)
        press(Qt::Key_Tab);
    QCOMPARE(focusedName(), packing.text());
    press(Qt::Key_Space);
    for (ScreenId id : {ScreenId::PackingIntro, ScreenId::PackingWorked, ScreenId::Density}) {
        QCOMPARE(h.currentName(), screenDesign(id).formName);
        QVERIFY(QTest::qWaitForWindowActive(h.current()));
        // Along the screen's states, each leading on by the element that has the focus.
        for (int state = 0;;) {
            const auto& ways = screenDesign(id).states[std::size_t(state)].transitions;
            QVERIFY(!ways.empty());
            QCOMPARE(focusedName(), ways.front().element);
            const QString faults = nameFaults(h.current(), "before " + ways.front().element);
            QVERIFY2(faults.isEmpty(), qPrintable(faults));
            press(Qt::Key_Space);
            if (ways.front().leaves())
                break;
            state = ways.front().to.state;
        }
    }
    QCOMPARE(h.currentName(), QString("密度問題"));
    QVERIFY(QTest::qWaitForWindowActive(h.current()));
    const std::array<int, 2> a = packing::answerDigits(cell::metal(kQuestionMetal));
    const auto digitKey = [](int d) { return Qt::Key(Qt::Key_0 + d); };
    for (const auto& entry : {std::array<int, 2>{a[1], a[0]}, a}) {
        press(digitKey(entry[0]));
        press(digitKey(entry[1]));
        const bool right = entry == a;
        QCOMPARE(nameOf(h.on<controls::densityQuestion::Tag>().element<QWidget>(Image3)),
                 right ? QString("正解") : QString("不正解"));
        QVERIFY(h.on<controls::densityQuestion::Tag>().shown(right ? List3 : List4));
        const QString faults = nameFaults(h.current(), right ? "right" : "wrong");
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
    QCOMPARE(nameOf(h.on<controls::densityQuestion::Tag>().element<QWidget>(Label7[1])),
             QStringLiteral("%1「%2」").arg(densityPlaceName(1)).arg(a[1]));
    for (int tabs = 0; tabs < 20 && focusedName() != Command1.text(); ++tabs)
        press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QCOMPARE(h.currentName(), QString("メニュー"));
}

MIROSUTA_TEST_CLASS(AccessibilityTest)
#include "tst_accessibility.moc"
