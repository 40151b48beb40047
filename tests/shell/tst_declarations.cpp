// The screens' declarations as data: sound as shipped, a fault named when one
// is not, and a judged answer without a window.

#include "answerentry.h"
#include "menudesign.h"
#include "testmain.h"
#include "testsupport.h"

class DeclarationTest : public QObject {
    Q_OBJECT

private slots:
    void shippedDeclarationsAreSound();
    void faultsAreNamedAndEndTheStart();
    void answerEntry();
};

void DeclarationTest::shippedDeclarationsAreSound() {
    const QStringList problems = designProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void DeclarationTest::faultsAreNamedAndEndTheStart() {
    using namespace controls::menu;
    Design d(ScreenTag<ScreenId::Menu>{}, "メニュー", "メニュー", kFullClient);
    d.button(Command1, Word::Run, 0, 0);
    d.button(Command2, Word::Menu, 0, 900).hidden();
    d.picture(Image1, 0, 0, pictures::Marker).markerOn(Command1, 0);
    d.opening().then(Command3).fill(Command1); // undeclared; no panel
    d.opening().then(Command2);                // hidden in the opening
    d.state("lost");                           // never reached
    const QStringList problems = d.take().problems();
    const QStringList expected{"Command3, which is not declared",
                               "fills Command1, which is no panel",
                               "Image1 lies on Command1, which is no drawing",
                               "by a press of Command2, which it hides", "lost cannot be reached"};
    for (const QString& e : expected)
        QVERIFY2(problems.filter(e).size() == 1, qPrintable(e + "\n" + problems.join('\n')));
    QCOMPARE(problems.size(), expected.size());

    // A build that carries such a declaration ends at its start, with the report.
    Harness h;
    QVERIFY(h.navigator().reportUnsoundDesigns(problems));
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QVERIFY(h.errors.messages.value(0).startsWith("画面の定義に誤りがあります。"));
    QVERIFY(!h.current());
}

void DeclarationTest::answerEntry() {
    AnswerEntry e;
    QList<bool> judged;
    connect(&e, &AnswerEntry::answered, this, [&](bool right) { judged << right; });
    e.ask({2, 7});
    QCOMPARE(e.digitFor(AnswerKey::Right), 2);
    e.press(2);
    QCOMPARE(e.state(), AnswerEntry::State::Entering);
    QCOMPARE(e.digitFor(AnswerKey::Right), 7);
    QVERIFY(e.digitFor(AnswerKey::Wrong) != 7);
    e.press(1);
    QCOMPARE(judged, QList<bool>{false});
    QCOMPARE(e.wrongTries(), 1);
    // Closed until cleared: a digit changes nothing, no key leads anywhere.
    e.press(2);
    QCOMPARE(e.entered(), (QList<int>{2, 1}));
    QCOMPARE(e.digitFor(AnswerKey::Right), -1);
    e.clear();
    e.press(2);
    e.press(7);
    QCOMPARE(judged, (QList<bool>{false, true}));
    // A wrong first digit leaves no key to a right answer.
    e.clear();
    e.press(3);
    QCOMPARE(e.digitFor(AnswerKey::Right), -1);
    // Where a digit after the judgement starts anew.
    e.setRestartOnDigit(true);
    e.press(0);
    QCOMPARE(e.digitFor(AnswerKey::Right), 2);
    e.press(2);
    QCOMPARE(e.entered(), QList<int>{2});
    QCOMPARE(e.state(), AnswerEntry::State::Entering);
}

MIROSUTA_TEST_CLASS(DeclarationTest)
#include "tst_declarations.moc"
