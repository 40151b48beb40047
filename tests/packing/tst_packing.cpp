#include "densityquestionscreen.h"
#include "drillfiles.h"
#include "label.h"
#include "packingdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// A shipped text of the lesson, decoded.
QString shippedText(int n) {
    QFile f(QStringLiteral(MIROSUTA_SOURCE_DIR "/content/説明/%1/msg%2.txt")
                .arg(QString::fromUtf8(kPackingFolder))
                .arg(n));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder cp932("Shift_JIS");
    return cp932.decode(f.readAll());
}

QString nm(double v) {
    return packing::figures(v, 3);
}

} // namespace

class PackingTest : public QObject {
    Q_OBJECT

private slots:
    void everyStageShowsItsText_data();
    void everyStageShowsItsText();
    void textsCarryTheTablesNumbers();
    void questionIsJudgedAtOnce_data();
    void questionIsJudgedAtOnce();
};

void PackingTest::everyStageShowsItsText_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<ScreenId>("next");
    QTest::newRow("充填率") << ScreenId::PackingIntro << ScreenId::PackingWorked;
    QTest::newRow("充填率計算") << ScreenId::PackingWorked << ScreenId::Density;
    QTest::newRow("密度") << ScreenId::Density << ScreenId::DensityQuiz;
}

// At the opening and after each press of 実行 one text shows, a new one each
// time, read as it is shown; the last press moves on along the lesson.
void PackingTest::everyStageShowsItsText() {
    QFETCH(ScreenId, id);
    QFETCH(ScreenId, next);
    const ScreenDesign& d = screenDesign(id);
    Harness h;
    QVERIFY(h.open(id));
    QStringList seen;
    for (int state = 0;;) {
        QStringList shown;
        for (TextPanel* p : h.current()->findChildren<TextPanel*>())
            if (!p->isHidden()) {
                shown << p->objectName();
                QCOMPARE(p->lines(), QStringList{d.element(p->objectName())->file});
            }
        QCOMPARE(shown.size(), 1);
        QVERIFY2(!seen.contains(shown.first()), qPrintable(shown.first()));
        seen << shown.first();
        // On by the state's first way, until it leaves.
        const Transition& way = d.states[std::size_t(state)].transitions.front();
        h.clickNamed(way.element);
        if (way.leaves())
            break;
        state = way.to.state;
    }
    QVERIFY(h.current() && h.current()->id() == next);
}

// The shipped texts work the same numbers as the screens: each carries the
// values the table and the cell model give.
void PackingTest::textsCarryTheTablesNumbers() {
    using cell::Structure;
    const cell::Metal &cu = cell::metal(kExampleMetal), &al = cell::metal(kQuestionMetal);
    const auto percent = [](Structure s) {
        return QString::number(std::lround(cell::packingFraction(s) * 100)) + QStringLiteral(" %");
    };
    const QList<std::pair<int, QStringList>> carried{
        {2, {packing::atomCount(Structure::Bcc)}},
        {5, {packing::atomCount(Structure::Fcc)}},
        {7, {packing::figures(cell::packingFraction(Structure::Bcc), 2), percent(Structure::Bcc)}},
        {8, {packing::figures(cell::packingFraction(Structure::Fcc), 2), percent(Structure::Fcc)}},
        {9, {packing::atomCount(Structure::Hcp), percent(Structure::Hcp)}},
        {11, {nm(cu.edgeNm), nm(cu.molarMass), nm(cell::kAvogadro / 1e23)}},
        {12, {packing::figures(cell::density(cu), 3), nm(cu.handbook)}},
        {14, {nm(al.molarMass), packing::figures(cell::density(al), 2)}},
        {16, {nm(al.edgeNm * 10)}},
        {15, {packing::figures(cell::density(al), 2), nm(al.handbook)}},
    };
    for (const auto& [n, numbers] : carried) {
        const QString text = shippedText(n);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(n)));
        for (const QString& number : numbers)
            QVERIFY2(text.contains(number),
                     qPrintable(QStringLiteral("msg%1 lacks %2").arg(n).arg(number)));
    }
}

void PackingTest::questionIsJudgedAtOnce_data() {
    QTest::addColumn<int>("ones");
    QTest::addColumn<int>("tenths");
    const std::array<int, 2> a = packing::answerDigits(cell::metal(kQuestionMetal));
    QTest::newRow("right") << a[0] << a[1];
    QTest::newRow("ones wrong") << (a[0] + 1) % 10 << a[1];
    QTest::newRow("tenths wrong") << a[0] << (a[1] + 1) % 10;
    // The density read off the point's other side.
    QTest::newRow("digits swapped") << a[1] << a[0];
}

// The second digit judges: the mark and its sound at once, clear of the
// question and the keys; the metal's numbers stay. A wrong entry is cleared
// for another try with a hint, and a second wrong one brings the worked
// answer; the next digit takes the mark away.
void PackingTest::questionIsJudgedAtOnce() {
    using namespace controls::densityQuestion;
    QFETCH(int, ones);
    QFETCH(int, tenths);
    const std::array<int, 2> a = packing::answerDigits(cell::metal(kQuestionMetal));
    const bool right = ones == a[0] && tenths == a[1];
    Harness h;
    auto q = h.open<ScreenId::DensityQuiz>();
    q.click(Command2[ones]);
    QCOMPARE(q.element<Label>(Label7[0])->text(), QString::number(ones));
    QVERIFY(!q.shown(Image2[0]) && q.shown(Image2[1]) && !q.shown(Image3));
    QVERIFY(h.sound.played.isEmpty());
    q.click(Command2[tenths]);
    QCOMPARE(h.sound.played,
             QStringList{h.navigator().context().contentPath(right ? kRightSound : kWrongSound)});
    QVERIFY(q.shown(Image3));
    QCOMPARE(q.element<QWidget>(Image3)->accessibleName(),
             right ? QString("正解") : QString("不正解"));
    const QRect mark = q.element<QWidget>(Image3)->geometry();
    QVERIFY(!mark.intersects(q.element<QWidget>(List1)->geometry()));
    QVERIFY(!mark.intersects(q.element<QWidget>(Command2[0])->geometry()));
    QCOMPARE(q.shown(List3), right);
    QCOMPARE(q.shown(List4), !right); // the hint, not yet the working
    QVERIFY(!q.shown(List2));
    QVERIFY(q.shown(Label2) && q.shown(Label5));
    QCOMPARE(q.element<Label>(Label7[1])->text(), right ? QString::number(tenths) : QString());
    QCOMPARE(q.shown(Image2[0]), !right);
    q.click(Command2[ones]);
    QVERIFY(!q.shown(Image3));
    QCOMPARE(q.element<Label>(Label7[0])->text(), QString::number(ones));
    QVERIFY(q.shown(Image2[1]));
    if (!right) {
        q.click(Command2[tenths]);
        QVERIFY(q.shown(List2) && !q.shown(List4));
    }
    QVERIFY(h.errors.messages.isEmpty());
}

MIROSUTA_TEST_CLASS(PackingTest)
#include "tst_packing.moc"
