#include "latticeatomsdesign.h"
#include "latticeneighboursdesign.h"
#include "latticerows.h"
#include "testmain.h"

#include <QGroupBox>

using namespace latticetest;

class LatticeAnswersTest : public QObject {
    Q_OBJECT

private slots:
    void atomsQuestionThenAnswer_data() { addStructureRows(); }
    void atomsQuestionThenAnswer();
    void atomsHintFrameHoldsTheFractions_data();
    void atomsHintFrameHoldsTheFractions();
    void atomsPanelsAndFramesGrowWithTheStructure();
    void neighboursQuestionThenAnswer_data() { addStructureRows(); }
    void neighboursQuestionThenAnswer();
    void neighboursAnswerPlaces_data() { addStructureRows(); }
    void neighboursAnswerPlaces();
    void answersAreReadAtLoad_data();
    void answersAreReadAtLoad();
};

void LatticeAnswersTest::atomsQuestionThenAnswer() {
    using namespace controls::latticeAtoms;
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.atoms);
    QCOMPARE(h.currentName(), formName(c.atoms));
    QCOMPARE(h.current()->focusWidget()->objectName(), Command2.text());
    QCOMPARE(h.on<controls::latticeAtoms::Tag>().element<Picture>(Image2)->pictureName(),
             picture(c, "cutaway"));
    const ControlNames always{Image1, Image2, Image3, Frame1, Command2};
    QString bad = visibilityMismatch(h, always + ControlNames{List1, Command1}, {List2, Command3});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QCOMPARE(h.on<controls::latticeAtoms::Tag>().panelLines(List1), QStringList{textPath(c, 7)});
    QCOMPARE(h.on<controls::latticeAtoms::Tag>().panelLines(List2), QStringList{textPath(c, 8)});
    QCOMPARE(geometryOf(h, Command3), geometryOf(h, Command1));
    const QRect question = geometryOf(h, List1), answer = geometryOf(h, List2);
    QVERIFY(answer.contains(question));
    QVERIFY(answer.height() > question.height());

    h.on<controls::latticeAtoms::Tag>().click(Command1);
    bad = visibilityMismatch(h, always + ControlNames{List2, Command3}, {List1, Command1});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    h.on<controls::latticeAtoms::Tag>().click(Command3);
    QCOMPARE(h.currentName(), formName(c.neighbours));
}

void LatticeAnswersTest::atomsHintFrameHoldsTheFractions_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("hints");
    const QStringList cubic{"hint-1", "hint-half", "hint-quarter", "hint-eighth"};
    QTest::newRow("体心立方") << 0 << cubic;
    QTest::newRow("面心立方") << 1 << cubic;
    QTest::newRow("六方最密") << 2 << QStringList{"hint-1", "hint-half", "hint-sixth"};
}

void LatticeAnswersTest::atomsHintFrameHoldsTheFractions() {
    using namespace controls::latticeAtoms;
    QFETCH(int, row);
    QFETCH(QStringList, hints);
    Harness h;
    h.open(copyAt(row).atoms);
    auto* frame = h.on<controls::latticeAtoms::Tag>().element<QGroupBox>(Frame1);
    QVERIFY(frame);
    QCOMPARE(frame->title(), QString("ヒント"));
    QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QStringList inside;
    int right = -1;
    for (ControlName name : {Image4, Image5, Image6, Image7}) {
        auto* p = frame->findChild<Picture*>(name.text(), Qt::FindDirectChildrenOnly);
        if (!p)
            continue;
        inside << p->pictureName();
        QCOMPARE(p->size(), QSize(110, 120));
        QVERIFY2(frame->contentsRect().contains(p->geometry()), qPrintable(name.text()));
        QVERIFY2(p->x() > right, "side by side, in order");
        right = p->geometry().right();
    }
    QCOMPARE(inside, hints);
    // Below the cell picture and the text.
    QVERIFY(frame->geometry().top() > geometryOf(h, Image2).bottom());
    QVERIFY(frame->geometry().top() > geometryOf(h, List2).bottom());
    h.on<controls::latticeAtoms::Tag>().click(Command1);
    QVERIFY(h.on<controls::latticeAtoms::Tag>().shown(Frame1));
    QCOMPARE(frame->findChildren<QWidget*>().size(), hints.size());
}

void LatticeAnswersTest::atomsPanelsAndFramesGrowWithTheStructure() {
    using namespace controls::latticeAtoms;
    Harness h;
    int answer[3], frame[3];
    for (int i = 0; i < 3; ++i) {
        h.open(copyAt(i).atoms);
        answer[i] = geometryOf(h, List2).height();
        frame[i] = geometryOf(h, Frame1).width();
    }
    QVERIFY(answer[0] < answer[1]);
    QVERIFY(answer[1] < answer[2]);
    QCOMPARE(frame[0], frame[1]);
    QVERIFY(frame[2] < frame[0]);
}

void LatticeAnswersTest::neighboursQuestionThenAnswer() {
    using namespace controls::latticeNeighbours;
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.neighbours);
    QCOMPARE(h.currentName(), formName(c.neighbours));
    QCOMPARE(h.current()->focusWidget()->objectName(), List1.text());
    QCOMPARE(h.on<controls::latticeNeighbours::Tag>().element<Picture>(Image3)->pictureName(),
             picture(c, "neighbour-q"));
    QCOMPARE(h.on<controls::latticeNeighbours::Tag>().element<Picture>(Image4)->pictureName(),
             picture(c, "neighbour-a"));
    QString bad =
        visibilityMismatch(h, {Image1, Image2, List1, Image3, Command1, Command2}, {List2, Image4});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
    QCOMPARE(h.on<controls::latticeNeighbours::Tag>().panelLines(List1),
             QStringList{textPath(c, 9)});
    QCOMPARE(h.on<controls::latticeNeighbours::Tag>().panelLines(List2),
             QStringList{textPath(c, 10)});

    h.on<controls::latticeNeighbours::Tag>().click(Command1);
    bad =
        visibilityMismatch(h, {Image1, Image2, List2, Image4, Command2}, {List1, Image3, Command1});
    QVERIFY2(bad.isEmpty(), qPrintable(bad));
}

void LatticeAnswersTest::neighboursAnswerPlaces() {
    using namespace controls::latticeNeighbours;
    QFETCH(int, row);
    const Copy& c = copyAt(row);
    Harness h;
    h.open(c.neighbours);
    const QRect question = geometryOf(h, Image3), answer = geometryOf(h, Image4);
    const QRect run = geometryOf(h, Command1);
    QCOMPARE(question.size(), QSize(260, 260));
    QCOMPARE(answer.left(), question.left());
    if (c.structure == cell::Structure::Bcc) {
        QCOMPARE(answer, question);
    } else {
        // Two cells drawn apart: from the top of the window to just above the buttons.
        QCOMPARE(answer.size(), QSize(260, 400));
        QVERIFY(answer.top() <= 16);
        QVERIFY(answer.bottom() < run.top());
        QVERIFY(run.top() - answer.bottom() <= 16);
    }
    const QRect q = geometryOf(h, List1), a = geometryOf(h, List2);
    QVERIFY(a.contains(q));
    const double ratio = double(a.height()) / q.height();
    if (c.structure == cell::Structure::Bcc) {
        QVERIFY2(ratio >= 1.4 && ratio <= 1.6, qPrintable(QString::number(ratio)));
    } else {
        QVERIFY2(ratio >= 1.8 && ratio <= 2.2, qPrintable(QString::number(ratio)));
        QVERIFY(a.top() < q.top() - q.height() / 2); // reaching higher up the window
    }
}

void LatticeAnswersTest::answersAreReadAtLoad_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("atoms");
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("%s msg8", copyAt(i).folder) << i << true;
        QTest::addRow("%s msg10", copyAt(i).folder) << i << false;
    }
}

void LatticeAnswersTest::answersAreReadAtLoad() {
    QFETCH(int, row);
    QFETCH(bool, atoms);
    const Copy& c = copyAt(row);
    Harness h;
    const int number = atoms ? 8 : 10;
    h.content.writeLines(textPath(c, number), {"読み込み時の答え"});
    const ControlName run = atoms ? ControlName(controls::latticeAtoms::Command1)
                                  : ControlName(controls::latticeNeighbours::Command1);
    const ControlName answer = atoms ? ControlName(controls::latticeAtoms::List2)
                                     : ControlName(controls::latticeNeighbours::List2);
    h.open(atoms ? c.atoms : c.neighbours);
    h.content.writeLines(textPath(c, number), {"後から書き換えた答え"});
    h.clickNamed(run);
    QVERIFY(h.shownNamed(answer));
    QCOMPARE(panelLinesOf(h.named(answer)), QStringList{"読み込み時の答え"});
    // The edit shows at the next visit.
    h.open(atoms ? c.atoms : c.neighbours);
    QCOMPARE(panelLinesOf(h.named(answer)), QStringList{"後から書き換えた答え"});
}

MIROSUTA_TEST_CLASS(LatticeAnswersTest)
#include "tst_latticeanswers.moc"
