#include "drillgame.h"
#include "services.h"
#include "testmain.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <cmath>

// The drill's rules without a screen: the order of the questions for given
// clock readings and draws, the entry, the judging, the pause and the end.
class DrillGameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void drawOrderFollowsClockAndDraws_data();
    void drawOrderFollowsClockAndDraws();
    void entryIsClosedDuringThePause();
    void wrongAnswerRepeatsTheQuestion();
    void lastRightAnswerEndsTheDrill_data();
    void lastRightAnswerEndsTheDrill();
    void pauseEndsAfterTwoWholeSeconds_data();
    void pauseEndsAfterTwoWholeSeconds();

private:
    // Questions 1 to n; question k is answered k % 9 + 1 : 1.
    static QList<DrillQuestion> questions(int n);
    static void answer(DrillGame& g, bool right);
    // Lets the pause run out; the next draw, if any, is `draw`.
    void endPause(DrillGame& g, double draw = 0.0);

    FakeClock m_clock;
    ScriptedRandom m_random;
};

QList<DrillQuestion> DrillGameTest::questions(int n) {
    QList<DrillQuestion> list;
    for (int k = 1; k <= n; ++k)
        list.append({QStringLiteral("\\画像\\q%1.gif").arg(k), qint16(k % 9 + 1), 1});
    return list;
}

void DrillGameTest::answer(DrillGame& g, bool right) {
    g.pressDigit(qint16(right ? g.rightA() : g.rightA() % 9 + 1));
    g.pressDigit(g.rightB());
}

void DrillGameTest::endPause(DrillGame& g, double draw) {
    m_random.values = {draw};
    m_clock.now += 3.0;
    QVERIFY(g.tick());
}

void DrillGameTest::init() {
    m_clock = FakeClock();
    m_random = ScriptedRandom();
}

void DrillGameTest::drawOrderFollowsClockAndDraws_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("five, lowest draws")
        << 5 << QList<double>{0, 0, 0, 0, 0} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("five, highest draws")
        << 5 << QList<double>{0.99, 0.99, 0.99, 0.99, 0.99} << QList<int>{5, 1, 2, 3, 4};
    // floor(7 r) + 1: 0.5 gives 4, 0.15 gives 2, 0.95 gives 7.
    QTest::newRow("seven, next unasked after the draw")
        << 7 << QList<double>{0.5, 0.5, 0.15, 0.95, 0.95, 0.0, 0.5}
        << QList<int>{4, 5, 2, 7, 1, 3, 6};
    QTest::newRow("one question") << 1 << QList<double>{0.7} << QList<int>{1};
    QTest::newRow("twenty, last draw") << 20 << QList<double>{0.999} << QList<int>{20};
}

void DrillGameTest::drawOrderFollowsClockAndDraws() {
    QFETCH(int, count);
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, order);
    DrillGame g(m_clock, m_random);
    g.setQuestions(questions(count));
    QSignalSpy shown(&g, &DrillGame::questionShown);
    m_clock.now = 45296.789; // 12:34:56.789
    m_random.values = {draws[0]};
    g.start();
    QList<int> seen{g.questionNo()};
    QList<std::uint32_t> seeds{45296789};
    for (int i = 1; i < order.size(); ++i) {
        answer(g, true);
        seeds << std::uint32_t(std::llround((m_clock.now + 3.0) * 1000.0));
        endPause(g, draws[i]);
        seen << g.questionNo();
        QCOMPARE(g.askedCount(), i + 1);
    }
    QCOMPARE(seen, order);
    // Every draw is seeded afresh from the clock, to the millisecond.
    QCOMPARE(m_random.seeds, seeds);
    QCOMPARE(shown.size(), order.size());
}

void DrillGameTest::entryIsClosedDuringThePause() {
    DrillGame g(m_clock, m_random);
    g.setQuestions(questions(3));
    QSignalSpy digits(&g, &DrillGame::digitEntered);
    QSignalSpy judged(&g, &DrillGame::judged);
    g.start();
    QCOMPARE(g.phase(), DrillGame::Phase::WaitingForA);
    g.pressDigit(7);
    QCOMPARE(g.phase(), DrillGame::Phase::WaitingForB);
    g.pressDigit(8);
    QCOMPARE(g.phase(), DrillGame::Phase::PauseAfterWrong);
    QCOMPARE(digits.size(), 2);
    QCOMPARE(digits[0], (QVariantList{0, qint16(7)}));
    QCOMPARE(digits[1], (QVariantList{1, qint16(8)}));
    // Presses during the pause neither show nor count toward the next entry.
    for (qint16 d : {1, 2, 3})
        g.pressDigit(d);
    QCOMPARE(digits.size(), 2);
    QCOMPARE(judged.size(), 1);
    QCOMPARE(g.entryStep(), 2);
    QCOMPARE(g.answerA(), 7);
    QCOMPARE(g.answerB(), 8);
    // Ticks before two seconds change nothing.
    m_clock.now += 1.0;
    QVERIFY(!g.tick());
    QVERIFY(g.pausing());
    endPause(g);
    QCOMPARE(g.phase(), DrillGame::Phase::WaitingForA);
    g.pressDigit(g.rightA());
    QCOMPARE(digits.last(), (QVariantList{0, g.rightA()}));
}

void DrillGameTest::wrongAnswerRepeatsTheQuestion() {
    DrillGame g(m_clock, m_random);
    g.setQuestions(questions(4));
    QSignalSpy shown(&g, &DrillGame::questionShown);
    QSignalSpy judged(&g, &DrillGame::judged);
    QSignalSpy cleared(&g, &DrillGame::entryCleared);
    m_random.values = {0.6}; // question 3
    g.start();
    for (int attempt = 0; attempt < 3; ++attempt) {
        answer(g, false);
        QCOMPARE(judged.last(), QVariantList{false});
        QCOMPARE(g.lastCorrect(), 0);
        endPause(g, 0.0);
        QCOMPARE(g.questionNo(), 3);
        QCOMPARE(g.askedCount(), 1);
        QCOMPARE(g.entryStep(), 0);
    }
    QCOMPARE(cleared.size(), 3);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(m_random.seeds.size(), 1); // a wrong answer brings no draw
    // Entering a multiple of the right ratio is wrong too.
    g.pressDigit(qint16(g.rightA() * 2 % 10));
    g.pressDigit(qint16(g.rightB() * 2));
    QCOMPARE(judged.last(), QVariantList{false});
    endPause(g);
    answer(g, true);
    QCOMPARE(judged.last(), QVariantList{true});
    QCOMPARE(g.phase(), DrillGame::Phase::PauseAfterRight);
    endPause(g, 0.0);
    QCOMPARE(g.questionNo(), 1);
    QCOMPARE(g.askedCount(), 2);
}

void DrillGameTest::lastRightAnswerEndsTheDrill_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("1") << 1;
    QTest::newRow("5") << 5;
    QTest::newRow("7") << 7;
    QTest::newRow("20") << 20;
}

void DrillGameTest::lastRightAnswerEndsTheDrill() {
    QFETCH(int, count);
    DrillGame g(m_clock, m_random);
    g.setQuestions(questions(count));
    QSignalSpy finished(&g, &DrillGame::finished);
    QSignalSpy shown(&g, &DrillGame::questionShown);
    g.start();
    QList<int> seen;
    for (int i = 0; i < count; ++i) {
        QVERIFY(!seen.contains(g.questionNo()));
        seen << g.questionNo();
        QCOMPARE(finished.size(), 0);
        if (i == count - 1) // a wrong answer to the last question does not end it
            answer(g, false), endPause(g);
        answer(g, true);
        endPause(g, 0.37);
    }
    QCOMPARE(finished.size(), 1);
    QCOMPARE(shown.size(), count);
    QCOMPARE(g.askedCount(), count);
    QCOMPARE(g.phase(), DrillGame::Phase::Finished);
    // After the end nothing happens.
    QSignalSpy digits(&g, &DrillGame::digitEntered);
    g.pressDigit(1);
    m_clock.now += 10;
    QVERIFY(!g.tick());
    QCOMPARE(digits.size(), 0);
    QCOMPARE(finished.size(), 1);
}

void DrillGameTest::pauseEndsAfterTwoWholeSeconds_data() {
    QTest::addColumn<double>("judgedAt");
    QTest::addColumn<double>("lastWaiting"); // the latest tick that still waits
    QTest::addColumn<double>("firstEnding");
    QTest::addColumn<qint32>("pauseStart");
    QTest::newRow("10.4 rounds down") << 10.4 << 12.0 << 12.05 << 10;
    QTest::newRow("10.6 rounds up") << 10.6 << 13.0 << 13.05 << 11;
    QTest::newRow("half to even, down") << 10.5 << 12.0 << 12.05 << 10;
    QTest::newRow("half to even, up") << 11.5 << 14.0 << 14.05 << 12;
    // Across midnight the clock starts again from 0.
    QTest::newRow("midnight, start rounds to 86400") << 86399.6 << 2.0 << 2.05 << 86400;
    QTest::newRow("midnight, start 86399") << 86399.2 << 1.0 << 1.05 << 86399;
    QTest::newRow("midnight, judged on the last second") << 86399.9 << 1.9 << 2.1 << 86400;
}

void DrillGameTest::pauseEndsAfterTwoWholeSeconds() {
    QFETCH(double, judgedAt);
    QFETCH(double, lastWaiting);
    QFETCH(double, firstEnding);
    QFETCH(qint32, pauseStart);
    DrillGame g(m_clock, m_random);
    g.setQuestions(questions(2));
    QSignalSpy ended(&g, &DrillGame::pauseEnded);
    g.start();
    m_clock.now = judgedAt;
    answer(g, true);
    QCOMPARE(g.pauseStart(), pauseStart);
    m_clock.now = lastWaiting;
    QVERIFY(!g.tick());
    QVERIFY(g.pausing());
    m_clock.now = firstEnding;
    QVERIFY(g.tick());
    QCOMPARE(ended.size(), 1);
    QVERIFY(!g.pausing());
    QCOMPARE(g.askedCount(), 2);
}

MIROSUTA_TEST_CLASS(DrillGameTest)
#include "tst_drillgame.moc"
