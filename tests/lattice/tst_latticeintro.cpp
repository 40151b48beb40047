#include "latticeintrodesign.h"
#include "latticerows.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QDir>
#include <QPointer>
#include <functional>

using namespace latticetest;
using namespace controls::latticeIntro;

namespace {

// Opens the lesson's first screen and presses on to the stage whose text
// (present at load) is gone by the next press.
void reachStageWithoutItsText(Harness& h, const Copy& c, int stage) {
    h.open(c.intro);
    h.content.remove(textPath(c, stage + 1));
    for (int press = 1; press < stage; ++press)
        h.on<controls::latticeIntro::Tag>().click(Command1);
}

} // namespace

class LatticeIntroTest : public QObject {
    Q_OBJECT

private slots:
    void threePressesTellTheStages_data() { addStructureRows(); }
    void threePressesTellTheStages();
    void stageTextIsReadAtThePress_data();
    void stageTextIsReadAtThePress();
    void menuMidwayThenReentryStartsAgain_data();
    void menuMidwayThenReentryStartsAgain();
    void missingStageTextEndsTheProgram_data();
    void missingStageTextEndsTheProgram();
    void closingScreenShowsNoMoreOfTheStage_data();
    void closingScreenShowsNoMoreOfTheStage();
};

void LatticeIntroTest::threePressesTellTheStages() {
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.intro);
    QCOMPARE(h.currentName(), formName(c.intro));
    QCOMPARE(h.on<controls::latticeIntro::Tag>().element<Picture>(Image4)->pictureName(),
             picture(c, "spheres"));
    QCOMPARE(h.on<controls::latticeIntro::Tag>().element<Picture>(Image5)->pictureName(),
             picture(c, "ballstick"));
    QVERIFY(h.current()->focusWidget());
    QCOMPARE(h.current()->focusWidget()->objectName(), Command1.text());

    const ControlNames always{Image1, Command1, Command2};
    QString bad = visibilityMismatch(h, always + ControlNames{Image2, List1},
                                     {Image3, Image4, Image5, List2, List3});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QCOMPARE(h.on<controls::latticeIntro::Tag>().panelLines(List1), QStringList{textPath(c, 1)});
    QVERIFY(h.on<controls::latticeIntro::Tag>().panelLines(List2).isEmpty());

    h.on<controls::latticeIntro::Tag>().click(Command1);
    bad = visibilityMismatch(h, always + ControlNames{Image3, Image4, List2},
                             {Image2, List1, Image5, List3});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QCOMPARE(h.on<controls::latticeIntro::Tag>().panelLines(List2), QStringList{textPath(c, 2)});
    QVERIFY(h.on<controls::latticeIntro::Tag>().panelLines(List3).isEmpty());

    h.on<controls::latticeIntro::Tag>().click(Command1);
    bad = visibilityMismatch(h, always + ControlNames{Image3, Image4, Image5, List3},
                             {Image2, List1, List2});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QCOMPARE(h.on<controls::latticeIntro::Tag>().panelLines(List3), QStringList{textPath(c, 3)});

    h.on<controls::latticeIntro::Tag>().click(Command1);
    QCOMPARE(h.currentName(), formName(c.interior));
    QVERIFY(h.errors.messages.isEmpty());
}

void LatticeIntroTest::stageTextIsReadAtThePress_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QStringList>("lines");
    for (int i = 0; i < 3; ++i) {
        const QString f = QString::fromUtf8(copyAt(i).folder);
        QTest::addRow("%s stage 1", qPrintable(f))
            << i << 1 << QStringList{"球の積み方", "　字下げ"};
        QTest::addRow("%s stage 2", qPrintable(f))
            << i << 2 << QStringList{"単位格子", "", "赤と紫"};
        QTest::addRow("%s stage 2 empty", qPrintable(f)) << i << 2 << QStringList{};
    }
}

void LatticeIntroTest::stageTextIsReadAtThePress() {
    QFETCH(int, row);
    QFETCH(int, stage);
    QFETCH(QStringList, lines);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.intro);
    for (int press = 1; press < stage; ++press)
        h.on<controls::latticeIntro::Tag>().click(Command1);
    // Edited after the screen was loaded (and after the earlier stages).
    h.content.writeLines(textPath(c, stage + 1), lines);
    h.on<controls::latticeIntro::Tag>().click(Command1);
    const auto panel = stage == 1 ? List2 : List3;
    QCOMPARE(h.on<controls::latticeIntro::Tag>().panelLines(panel), lines);
    QVERIFY(h.on<controls::latticeIntro::Tag>().shown(
        panel)); // an empty text still shows its (empty) panel
}

void LatticeIntroTest::menuMidwayThenReentryStartsAgain_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("presses");
    for (int i = 0; i < 3; ++i)
        for (int presses = 0; presses <= 2; ++presses)
            QTest::addRow("%s after %d presses", copyAt(i).folder, presses) << i << presses;
}

void LatticeIntroTest::menuMidwayThenReentryStartsAgain() {
    QFETCH(int, row);
    QFETCH(int, presses);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(ScreenId::Menu);
    h.on<controls::menu::Tag>().click(c.menuButton);
    QCOMPARE(h.currentName(), formName(c.intro));
    for (int i = 0; i < presses; ++i)
        h.on<controls::latticeIntro::Tag>().click(Command1);
    h.on<controls::latticeIntro::Tag>().click(Command2);
    QCOMPARE(h.currentName(), QString("メニュー"));

    h.on<controls::menu::Tag>().click(c.menuButton);
    QCOMPARE(h.currentName(), formName(c.intro));
    QString bad = visibilityMismatch(h, {Image1, Image2, List1, Command1, Command2},
                                     {Image3, Image4, Image5, List2, List3});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QVERIFY(h.on<controls::latticeIntro::Tag>().panelLines(List2).isEmpty());
    QVERIFY(h.on<controls::latticeIntro::Tag>().panelLines(List3).isEmpty());
    // The counter starts again: the next press is stage 1, not a later one.
    h.on<controls::latticeIntro::Tag>().click(Command1);
    QCOMPARE(h.currentName(), formName(c.intro));
    bad = visibilityMismatch(h, {Image3, Image4, List2}, {Image2, List1, Image5});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
}

void LatticeIntroTest::missingStageTextEndsTheProgram_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stage");
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("%s msg2", copyAt(i).folder) << i << 1;
        QTest::addRow("%s msg3", copyAt(i).folder) << i << 2;
    }
}

void LatticeIntroTest::missingStageTextEndsTheProgram() {
    QFETCH(int, row);
    QFETCH(int, stage);
    const Copy& c = copyAt(row);
    Harness h;
    reachStageWithoutItsText(h, c, stage);
    QVERIFY(h.exits.statuses.isEmpty());

    // What the learner sees while the error is reported: the file is read
    // first thing at stage 2, and after the face and the opening text have
    // gone at stage 1.
    const ControlNames always{Image1, Command1, Command2};
    const ControlNames shown = stage == 1 ? always : always + ControlNames{Image3, Image4, List2};
    const ControlNames hidden =
        stage == 1 ? ControlNames{Image2, List1, Image3, Image4, Image5, List2, List3}
                   : ControlNames{Image2, List1, Image5, List3};
    QString seen = "not reported";
    h.errors.watch = [&] { seen = visibilityMismatch(h, shown, hidden); };
    h.on<controls::latticeIntro::Tag>().click(Command1);
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{1});
    const RecordingErrorReport& report = h.errors;
    QCOMPARE(report.messages.size(), 1);
    QVERIFY2(seen.isEmpty(), qPrintable(seen));
    const QString path =
        QDir::toNativeSeparators(QStringLiteral("%1/説明/%2/msg%3.txt")
                                     .arg(h.content.base(), QString::fromUtf8(c.folder))
                                     .arg(stage + 1));
    QVERIFY2(report.messages.first().contains(path), qPrintable(report.messages.first()));
}

void LatticeIntroTest::closingScreenShowsNoMoreOfTheStage_data() {
    missingStageTextEndsTheProgram_data();
}

// A text that cannot be shown ends the press: the rest of its stage is not
// shown, and the navigator hears of the failure only once the press's handler
// has returned, so nothing of the handler runs on a closed screen.
void LatticeIntroTest::closingScreenShowsNoMoreOfTheStage() {
    QFETCH(int, row);
    QFETCH(int, stage);
    const Copy& c = copyAt(row);
    Harness h;
    reachStageWithoutItsText(h, c, stage);
    const ControlNames stageElements =
        stage == 1 ? ControlNames{Image3, Image4, List2} : ControlNames{Image5, List3};
    QList<QPointer<QWidget>> watched;
    for (ControlName name : stageElements)
        watched << qobject_cast<QWidget*>(h.named(name));
    // Pressed without letting the closing screen go, so that it can be looked at.
    auto* run = h.on<controls::latticeIntro::Tag>().element<QAbstractButton>(Command1);
    QVERIFY(run);
    QTest::mouseClick(run, Qt::LeftButton, {}, run->rect().center());
    QVERIFY(h.exits.statuses.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QCOMPARE(h.exits.statuses, QList<int>{1});
    for (qsizetype i = 0; i < watched.size(); ++i) {
        QVERIFY2(watched[i], qPrintable(stageElements[i].text() + " is gone before its screen"));
        QVERIFY2(watched[i]->isHidden(),
                 qPrintable(stageElements[i].text() + " shown on a closing screen"));
    }
    Harness::flushDeletes();
    QVERIFY(!h.current());
}

MIROSUTA_TEST_CLASS(LatticeIntroTest)
#include "tst_latticeintro.moc"
