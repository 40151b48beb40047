#include "drilldesign.h"
#include "drillfixture.h"
#include "testmain.h"

#include <QSet>

using namespace drilltest;
using namespace controls::drill;

// Which question comes when: the draw, the next unasked question, the run of five.
class DrillQuestionTest : public QObject {
    Q_OBJECT

private slots:
    void firstQuestionIsTheDrawnOne_data();
    void firstQuestionIsTheDrawnOne();
    void drawStartsAtTheNextUnaskedQuestion_data();
    void drawStartsAtTheNextUnaskedQuestion();
    void everyDrawReseedsFromTheClock();
    void fiveRightAnswersEndTheDrill_data();
    void fiveRightAnswersEndTheDrill();
};

void DrillQuestionTest::firstQuestionIsTheDrawnOne_data() {
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("question");
    QTest::newRow("lowest draw") << 0.0 << 1;
    QTest::newRow("highest draw for 1") << 0.2 - 1e-12 << 1;
    QTest::newRow("lowest draw for 3") << 0.4 << 3;
    QTest::newRow("middle of 4") << 0.7 << 4;
    QTest::newRow("highest draw") << 1.0 - 1e-12 << 5;
}

void DrillQuestionTest::firstQuestionIsTheDrawnOne() {
    QFETCH(double, draw);
    QFETCH(int, question);
    Harness h;
    writeDrillPictures(h);
    DrillScreen* d = openDrill(h, draw);
    QVERIFY(d);
    QCOMPARE(shownQuestion(h), question);
    QCOMPARE(d->game().questionNo(), question);
    QCOMPARE(d->game().askedCount(), 1);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(), QString("1"));
    QCOMPARE(h.random.seeds.size(), 1);
    // The designed state around the first question.
    QVERIFY(h.on<controls::drill::Tag>().shown(Image5) &&
            h.on<controls::drill::Tag>().shown(Image4[0]) &&
            h.on<controls::drill::Tag>().shown(List1));
    for (ControlName hidden : {Image4[1], Label1[0], Label1[1], Image6, Image7, List2})
        QVERIFY2(!h.shownNamed(hidden), qPrintable(hidden.text()));
    QCOMPARE(h.on<controls::drill::Tag>().panelLines(List1),
             QStringList{"\\説明\\ドリル\\msg2.txt"});
    QCOMPARE(h.on<controls::drill::Tag>().panelLines(List2),
             QStringList{"\\説明\\ドリル\\msg3.txt"});
    QVERIFY(!timer1(h)->isActive());
    QVERIFY(h.sound.played.isEmpty());
}

void DrillQuestionTest::drawStartsAtTheNextUnaskedQuestion_data() {
    QTest::addColumn<QList<int>>("answered");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("expected");
    for (int drawn : {1, 2, 3})
        QTest::addRow("1 and 2 shown, draw %d", drawn) << QList<int>{1, 2} << drawn << 3;
    QTest::newRow("1 and 2 shown, draw 4") << QList<int>{1, 2} << 4 << 4;
    for (int drawn = 1; drawn <= 5; ++drawn)
        QTest::addRow("only 5 unshown, draw %d", drawn) << QList<int>{4, 2, 1, 3} << drawn << 5;
    QTest::newRow("wraps past 5") << QList<int>{3, 4, 5} << 4 << 1;
    QTest::newRow("skips several") << QList<int>{5, 2, 3} << 2 << 4;
}

void DrillQuestionTest::drawStartsAtTheNextUnaskedQuestion() {
    QFETCH(QList<int>, answered);
    QFETCH(int, drawn);
    QFETCH(int, expected);
    Harness h;
    writeDrillPictures(h);
    openDrill(h, drawFor(answered.first()));
    for (int i = 0; i < answered.size(); ++i) {
        QCOMPARE(shownQuestion(h), answered[i]);
        answerRight(h);
        endPause(h, drawFor(i + 1 < answered.size() ? answered[i + 1] : drawn));
    }
    QCOMPARE(shownQuestion(h), expected);
    QCOMPARE(drill(h)->game().questionNo(), expected);
    QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(),
             QString::number(answered.size() + 1));
}

void DrillQuestionTest::everyDrawReseedsFromTheClock() {
    Harness h;
    writeDrillPictures(h);
    h.clock.now = 36000.0;
    openDrill(h, drawFor(2));
    QCOMPARE(h.random.seeds.size(), 1);
    answerWrong(h);
    endPause(h);
    QCOMPARE(h.random.seeds.size(), 1); // a wrong answer brings no draw
    answerRight(h);
    endPause(h, drawFor(2));
    QCOMPARE(h.random.seeds.size(), 2);
    QVERIFY(h.random.seeds[0] != h.random.seeds[1]);
}

void DrillQuestionTest::fiveRightAnswersEndTheDrill_data() {
    QTest::addColumn<QList<double>>("draws");
    QTest::newRow("always the lowest draw") << QList<double>{0, 0, 0, 0, 0};
    QTest::newRow("always the highest draw") << QList<double>{0.999, 0.999, 0.999, 0.999, 0.999};
    QTest::newRow("each question drawn once")
        << QList<double>{drawFor(3), drawFor(1), drawFor(5), drawFor(2), drawFor(4)};
    QTest::newRow("the same question drawn again")
        << QList<double>{drawFor(4), drawFor(4), drawFor(4), drawFor(1), drawFor(1)};
}

void DrillQuestionTest::fiveRightAnswersEndTheDrill() {
    QFETCH(QList<double>, draws);
    Harness h;
    writeDrillPictures(h);
    DrillScreen* d = openDrill(h, draws[0]);
    QSet<int> seen;
    for (int i = 0; i < 5; ++i) {
        QVERIFY2(!seen.contains(shownQuestion(h)), "a question came twice");
        seen << shownQuestion(h);
        QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(),
                 QString::number(i + 1));
        answerRight(h);
        endPause(h, i + 1 < 5 ? draws[i + 1] : 0.0);
    }
    QCOMPARE(seen.size(), 5);
    QCOMPARE(d->game().askedCount(), 5);
    QCOMPARE(h.random.seeds.size(), 5);
    QVERIFY(!timer1(h)->isActive());
    for (ControlName hidden :
         {List1, Image3, Label2, Image5, Label1[0], Label1[1], Image4[1], Image4[0], Image6})
        QVERIFY2(!h.shownNamed(hidden), qPrintable(hidden.text()));
    QVERIFY(h.on<controls::drill::Tag>().shown(Image7) &&
            h.on<controls::drill::Tag>().shown(List2) &&
            h.on<controls::drill::Tag>().shown(Command2[0]));
    QCOMPARE(h.sound.played.last(), h.content.full("\\音\\gokaku.wav"));

    // After the end the keys do nothing.
    const int sounds = h.sound.played.size();
    for (int digit : {1, 1, 7})
        press(h, digit);
    QVERIFY(!h.on<controls::drill::Tag>().shown(Label1[0]) &&
            !h.on<controls::drill::Tag>().shown(Image4[0]) &&
            !h.on<controls::drill::Tag>().shown(Image4[1]));
    QCOMPARE(h.sound.played.size(), sounds);
    QVERIFY(!timer1(h)->isActive());
    QCOMPARE(h.currentName(), QString("ドリル"));
}

MIROSUTA_TEST_CLASS(DrillQuestionTest)
#include "tst_drillquestions.moc"
