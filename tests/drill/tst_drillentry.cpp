#include "drilldesign.h"
#include "drillfixture.h"
#include "drillstartdesign.h"
#include "menudesign.h"
#include "testmain.h"

#include <QPointer>

using namespace drilltest;
using namespace controls::drill;

// Entering two digits, judging them, and the pause that follows.
class DrillEntryTest : public QObject {
    Q_OBJECT

private slots:
    void entryIsJudgedAtTheSecondDigit_data();
    void entryIsJudgedAtTheSecondDigit();
    void wrongAnswerAsksTheSameQuestionAgain();
    void pressesDuringThePauseChangeNothing_data();
    void pressesDuringThePauseChangeNothing();
    void pauseEndsAfterTwoWholeSeconds_data();
    void pauseEndsAfterTwoWholeSeconds();
    void eachSoundHasItsFile();
    void menuDuringThePauseLeavesAndReentryStartsAfresh();
};

void DrillEntryTest::entryIsJudgedAtTheSecondDigit_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("right");
    QTest::newRow("q2 2:4 is not in lowest terms") << 2 << 2 << 4 << false;
    QTest::newRow("q2 1:2") << 2 << 1 << 2 << true;
    QTest::newRow("q2 reversed") << 2 << 2 << 1 << false;
    QTest::newRow("q1 1:1") << 1 << 1 << 1 << true;
    QTest::newRow("q1 2:2") << 1 << 2 << 2 << false;
    QTest::newRow("q3 1:2") << 3 << 1 << 2 << true;
    QTest::newRow("q4 1:3") << 4 << 1 << 3 << true;
    QTest::newRow("q4 reversed") << 4 << 3 << 1 << false;
    QTest::newRow("q5 1:1") << 5 << 1 << 1 << true;
    QTest::newRow("q5 0:0") << 5 << 0 << 0 << false;
    QTest::newRow("q4 9:3") << 4 << 9 << 3 << false;
}

void DrillEntryTest::entryIsJudgedAtTheSecondDigit() {
    QFETCH(int, question);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, right);
    Harness h;
    writeDrillPictures(h);
    DrillScreen* d = openDrill(h, drawFor(question));
    QCOMPARE(h.on<controls::drill::Tag>().element<QAbstractButton>(Command2[a])->accessibleName(),
             QString::number(a));

    press(h, a); // "?" moves from box A to box B
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label1[0])->text(), QString::number(a));
    QVERIFY(h.on<controls::drill::Tag>().shown(Label1[0]) &&
            h.on<controls::drill::Tag>().shown(Image4[1]) &&
            !h.on<controls::drill::Tag>().shown(Image4[0]));
    QVERIFY(!h.on<controls::drill::Tag>().shown(Image6) && h.sound.played.isEmpty() &&
            !timer1(h)->isActive());

    press(h, b);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label1[1])->text(), QString::number(b));
    QVERIFY(h.on<controls::drill::Tag>().shown(Label1[0]) &&
            h.on<controls::drill::Tag>().shown(Label1[1]));
    QVERIFY(!h.on<controls::drill::Tag>().shown(Image4[0]) &&
            !h.on<controls::drill::Tag>().shown(Image4[1]));
    QCOMPARE(d->game().lastCorrect(), right ? 1 : 0);
    QCOMPARE(h.sound.played, QStringList{h.content.full(right ? "\\音\\o.wav" : "\\音\\x.wav")});
    // The mark at its designed corner (4200, 2490 twips) at its own size.
    QVERIFY(h.on<controls::drill::Tag>().shown(Image6));
    QCOMPARE(h.on<controls::drill::Tag>().element<QWidget>(Image6)->geometry(),
             QRect(QPoint(280, 166), right ? kMaruSize : kBatuSize));
    QVERIFY(timer1(h)->isActive());
    QCOMPARE(timer1(h)->interval(), 100);
}

void DrillEntryTest::wrongAnswerAsksTheSameQuestionAgain() {
    Harness h;
    writeDrillPictures(h);
    DrillScreen* d = openDrill(h, drawFor(1));
    answerRight(h);
    endPause(h, drawFor(4)); // the second question of the visit
    const QRect picture = h.on<controls::drill::Tag>().element<QWidget>(Image5)->geometry();
    for (int attempt = 0; attempt < 3; ++attempt) {
        enter(h, 3, 1);
        QCOMPARE(d->game().lastCorrect(), 0);
        endPause(h, drawFor(2));
        QCOMPARE(shownQuestion(h), 4);
        QCOMPARE(h.on<controls::drill::Tag>().element<QWidget>(Image5)->geometry(), picture);
        QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(), QString("2"));
        QCOMPARE(d->game().askedCount(), 2);
        QVERIFY(!h.on<controls::drill::Tag>().shown(Image6) &&
                !h.on<controls::drill::Tag>().shown(Label1[0]) &&
                !h.on<controls::drill::Tag>().shown(Label1[1]));
        QVERIFY(h.on<controls::drill::Tag>().shown(Image4[0]) &&
                !h.on<controls::drill::Tag>().shown(Image4[1]));
        QVERIFY(!timer1(h)->isActive());
    }
    QCOMPARE(h.random.seeds.size(), 2);
    press(h, 1); // the new entry starts with box A
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label1[0])->text(), QString("1"));
    QVERIFY(!h.on<controls::drill::Tag>().shown(Label1[1]) &&
            h.on<controls::drill::Tag>().shown(Image4[1]));
    press(h, 3);
    QCOMPARE(d->game().lastCorrect(), 1);
    endPause(h, drawFor(2));
    QCOMPARE(shownQuestion(h), 2);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(), QString("3"));
}

void DrillEntryTest::pressesDuringThePauseChangeNothing_data() {
    QTest::addColumn<bool>("right");
    QTest::newRow("after a right answer") << true;
    QTest::newRow("after a wrong answer") << false;
}

void DrillEntryTest::pressesDuringThePauseChangeNothing() {
    QFETCH(bool, right);
    Harness h;
    writeDrillPictures(h);
    DrillScreen* d = openDrill(h, drawFor(3));
    right ? answerRight(h) : answerWrong(h);
    const QString a = h.on<controls::drill::Tag>().element<QLabel>(Label1[0])->text();
    const QString b = h.on<controls::drill::Tag>().element<QLabel>(Label1[1])->text();
    for (int digit : {7, 8, 9, 0, 5})
        press(h, digit);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label1[0])->text(), a);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label1[1])->text(), b);
    QVERIFY(!h.on<controls::drill::Tag>().shown(Image4[0]) &&
            !h.on<controls::drill::Tag>().shown(Image4[1]) &&
            h.on<controls::drill::Tag>().shown(Image6));
    QCOMPARE(h.sound.played.size(), 1);
    QCOMPARE(d->game().lastCorrect(), right ? 1 : 0);
    endPause(h, drawFor(1));
    // The presses did not count toward the next entry.
    QCOMPARE(d->game().entryStep(), 0);
    press(h, 6);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label1[0])->text(), QString("6"));
    QVERIFY(!h.on<controls::drill::Tag>().shown(Label1[1]));
}

void DrillEntryTest::pauseEndsAfterTwoWholeSeconds_data() {
    QTest::addColumn<double>("judgedAt");
    QTest::addColumn<int>("pauseStart");
    QTest::addColumn<QList<double>>("quietTicks");
    QTest::addColumn<double>("endingTick");
    QTest::newRow("10.4 rounds down") << 10.4 << 10 << QList<double>{10.5, 11.9, 12.0} << 12.05;
    QTest::newRow("10.6 rounds up") << 10.6 << 11 << QList<double>{10.7, 12.9, 13.0} << 13.05;
    QTest::newRow("half to even, down") << 10.5 << 10 << QList<double>{12.0} << 12.1;
    QTest::newRow("half to even, up") << 11.5 << 12 << QList<double>{13.9, 14.0} << 14.1;
    QTest::newRow("across midnight")
        << 86399.3 << 86399 << QList<double>{86399.9, 0.5, 1.0} << 1.05;
    QTest::newRow("start rounded up to midnight")
        << 86399.7 << 86400 << QList<double>{86399.8, 0.3, 2.0} << 2.05;
}

void DrillEntryTest::pauseEndsAfterTwoWholeSeconds() {
    QFETCH(double, judgedAt);
    QFETCH(int, pauseStart);
    QFETCH(QList<double>, quietTicks);
    QFETCH(double, endingTick);
    Harness h;
    writeDrillPictures(h);
    DrillScreen* d = openDrill(h, drawFor(2));
    h.clock.now = judgedAt;
    answerWrong(h);
    QCOMPARE(d->game().pauseStart(), pauseStart);
    for (double t : quietTicks) {
        h.clock.now = t;
        QVERIFY2(tick(h), qPrintable(QString::number(t)));
        QVERIFY2(h.on<controls::drill::Tag>().shown(Image6) && timer1(h)->isActive(),
                 qPrintable(QString::number(t)));
    }
    h.clock.now = endingTick;
    QVERIFY(tick(h));
    QVERIFY(!h.on<controls::drill::Tag>().shown(Image6));
    QVERIFY(!timer1(h)->isActive());
    QCOMPARE(timer1(h)->interval(), 0);
    QVERIFY(h.on<controls::drill::Tag>().shown(Image4[0]));
}

void DrillEntryTest::eachSoundHasItsFile() {
    Harness h;
    writeDrillPictures(h);
    openDrill(h, drawFor(5));
    answerWrong(h);
    endPause(h);
    for (int i = 0; i < 5; ++i) {
        answerRight(h);
        endPause(h);
    }
    const QString o = h.content.full("\\音\\o.wav");
    QCOMPARE(h.sound.played, (QStringList{h.content.full("\\音\\x.wav"), o, o, o, o, o,
                                          h.content.full("\\音\\gokaku.wav")}));
}

void DrillEntryTest::menuDuringThePauseLeavesAndReentryStartsAfresh() {
    Harness h;
    writeDrillPictures(h);
    openDrill(h, drawFor(1));
    for (int i = 0; i < 4; ++i) {
        answerRight(h);
        endPause(h);
    }
    answerRight(h); // the fifth: the pause would end the drill
    QPointer<QTimer> oldTimer = timer1(h);
    auto* menu = h.on<controls::drill::Tag>().element<QAbstractButton>(Command1);
    QTest::mouseClick(menu, Qt::LeftButton);
    QVERIFY(oldTimer && !oldTimer->isActive()); // silent before the screen is even deleted
    Harness::flushDeletes();
    QVERIFY(!oldTimer);
    QCOMPARE(h.currentName(), QString("メニュー"));
    h.clock.now += 10;
    QCoreApplication::processEvents();
    QVERIFY(!h.sound.played.contains(h.content.full("\\音\\gokaku.wav")));

    h.random.values = {drawFor(3)};
    h.on<controls::menu::Tag>().click(controls::menu::Command5);
    QCOMPARE(h.currentName(), QString("ドリル開始"));
    h.on<controls::drillStart::Tag>().click(controls::drillStart::Command1);
    DrillScreen* d = drill(h);
    QVERIFY(d);
    QCOMPARE(d->game().askedCount(), 1);
    QCOMPARE(shownQuestion(h), 3);
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(d->game().asked(n), n == 3 ? 1 : 0);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(), QString("1"));
    QCOMPARE(d->game().entryStep(), 0);
    QVERIFY(!timer1(h)->isActive() && !h.on<controls::drill::Tag>().shown(Image6) &&
            h.on<controls::drill::Tag>().shown(Image4[0]));
}

MIROSUTA_TEST_CLASS(DrillEntryTest)
#include "tst_drillentry.moc"
