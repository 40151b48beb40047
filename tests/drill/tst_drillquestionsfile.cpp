#include "drilldesign.h"
#include "drillfixture.h"
#include "drillquestions.h"
#include "testmain.h"

#include <QFileInfo>
#include <QStringEncoder>

using namespace drilltest;
using namespace controls::drill;

namespace {

// Every picture is there, except those named "missing".
QString allThere(const QString& relative) {
    return relative.contains(QStringLiteral("missing"))
               ? QStringLiteral("ファイルが見つかりません。")
               : QString();
}

QByteArray utf8(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")).toUtf8();
}

DrillQuestion q(const QString& picture, int a, int b) {
    return {QStringLiteral("\\画像\\") + picture, qint16(a), qint16(b)};
}

// Seven questions from the shelf, each picture of a size of its own.
const QStringList kShelfSeven = {"zns", "li2o", "cu3au", "caf2", "sio2", "fe3al", "nb3sn"};

QSize shelfSize(int i) {
    return QSize(150 + 10 * i, 90 + 5 * i);
}

} // namespace

// The teacher's questions file: what it accepts, what it refuses and where,
// and the drill that it makes.
class DrillQuestionsFileTest : public QObject {
    Q_OBJECT

private slots:
    void linesAreReadAsTeachersType_data();
    void linesAreReadAsTeachersType();
    void everyEncodingOfTheTextsIsRead_data();
    void everyEncodingOfTheTextsIsRead();
    void faultsNameTheirLine_data();
    void faultsNameTheirLine();
    void answerNotInLowestTermsIsOnlyANote();
    void twentyQuestionsAreTheMost();
    void withoutAFileTheShippedFiveAreAsked();
    void sevenQuestionsFromTheShelfPlayToTheEnd();
    void damagedFileEndsTheProgram_data();
    void damagedFileEndsTheProgram();
};

void DrillQuestionsFileTest::linesAreReadAsTeachersType_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<DrillQuestion>>("questions");
    QTest::newRow("ASCII") << QStringList{"mondai1.gif 1:1"} << QList{q("mondai1.gif", 1, 1)};
    QTest::newRow("full-width digits and colon")
        << QStringList{"mondai2.gif １：２"} << QList{q("mondai2.gif", 1, 2)};
    QTest::newRow("full-width space, tab, blanks around the colon")
        << QStringList{"mondai3.gif　1 ： 3", "mondai4.gif\t\t２:１", "  mondai5.gif 3　：　1  "}
        << QList{q("mondai3.gif", 1, 3), q("mondai4.gif", 2, 1), q("mondai5.gif", 3, 1)};
    QTest::newRow("subfolder, either separator")
        << QStringList{"追加/zns.gif 1：1", "追加\\li2o.gif 2：1"}
        << QList{q("追加\\zns.gif", 1, 1), q("追加\\li2o.gif", 2, 1)};
    QTest::newRow("name with a blank")
        << QStringList{"新しい 絵.gif 1：4"} << QList{q("新しい 絵.gif", 1, 4)};
    QTest::newRow("comments and empty lines")
        << QStringList{"# 問題", "＃ 全角の＃", "", "　", "  # 字下げした注釈", "mondai1.gif 9：8"}
        << QList{q("mondai1.gif", 9, 8)};
}

void DrillQuestionsFileTest::linesAreReadAsTeachersType() {
    QFETCH(QStringList, lines);
    QFETCH(QList<DrillQuestion>, questions);
    const QuestionList list = parseQuestions(utf8(lines), allThere);
    QVERIFY(!list.hasProblem());
    QCOMPARE(list.faults.size(), 0);
    QCOMPARE(list.questions, questions);
}

void DrillQuestionsFileTest::everyEncodingOfTheTextsIsRead_data() {
    const QStringList lines{"# 問題です", "追加/zns.gif １：１", "mondai2.gif 1：2"};
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CP932, CR LF") << encodeCp932(lines);
    QTest::newRow("UTF-8, LF") << lines.join('\n').toUtf8();
    QTest::newRow("UTF-8 with a mark") << "\xEF\xBB\xBF" + utf8(lines);
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("UTF-16 with a mark") << QByteArray(utf16.encode(lines.join("\r\n")));
}

void DrillQuestionsFileTest::everyEncodingOfTheTextsIsRead() {
    QFETCH(QByteArray, bytes);
    const QuestionList list = parseQuestions(bytes, allThere);
    QCOMPARE(list.faults.size(), 0);
    QCOMPARE(list.questions, (QList{q("追加\\zns.gif", 1, 1), q("mondai2.gif", 1, 2)}));
}

void DrillQuestionsFileTest::faultsNameTheirLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("says");
    const QString first = "# 先頭\r\nmondai1.gif 1：1\r\n";
    auto with = [&](const QString& third) { return (first + third + "\r\n").toUtf8(); };
    QTest::newRow("missing picture") << with("missing.gif 1：1") << 3 << "見つかりません";
    QTest::newRow("letter for a digit") << with("mondai2.gif a：2") << 3 << "「a」";
    QTest::newRow("full-width letter") << with("mondai2.gif 1：ｂ") << 3 << "「ｂ」";
    QTest::newRow("zero") << with("mondai2.gif 0：2") << 3 << "「0」";
    QTest::newRow("ten") << with("mondai2.gif 1：10") << 3 << "「10」";
    QTest::newRow("picture twice") << with("mondai1.gif 1：2") << 3 << "2 行目でも";
    QTest::newRow("picture twice, other case and separator")
        << (first + "追加/zns.gif 1：1\r\n追加\\ZNS.gif 1：1\r\n").toUtf8() << 4 << "3 行目でも";
    QTest::newRow("no answer") << with("mondai2.gif") << 3 << "答えがありません";
    QTest::newRow("no blank before the answer") << with("mondai2.gif1：2") << 3 << "空白";
    QTest::newRow("outside the picture folder")
        << with("../説明/x.gif 1：2") << 3 << "画像フォルダー";
    QTest::newRow("invalid bytes")
        << encodeCp932({"# 先頭", "mondai1.gif 1：1"}) + QByteArray("mondai2.gif 1:\x82\r\n") << 3
        << "読めない文字";
    QTest::newRow("nothing but comments") << QByteArray("# 問題\r\n\r\n") << 0 << "一つも";
}

void DrillQuestionsFileTest::faultsNameTheirLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, says);
    const QuestionList list = parseQuestions(bytes, allThere);
    QVERIFY(list.hasProblem());
    QCOMPARE(list.faults.size(), 1);
    QCOMPARE(list.faults[0].kind, QuestionFault::Kind::Problem);
    QCOMPARE(list.faults[0].line, line);
    QVERIFY2(list.faults[0].message.contains(says), qPrintable(list.faults[0].message));
    if (line > 0)
        QVERIFY(list.problemText().startsWith(QStringLiteral("%1 行目: ").arg(line)));
}

void DrillQuestionsFileTest::answerNotInLowestTermsIsOnlyANote() {
    const QuestionList list = parseQuestions(
        utf8({"mondai1.gif 1：1", "mondai2.gif ２：４", "mondai3.gif 3：9"}), allThere);
    QVERIFY(!list.hasProblem());
    QCOMPARE(list.questions.size(), 3);
    QCOMPARE(list.questions[1], q("mondai2.gif", 2, 4)); // asked as written
    QCOMPARE(list.faults.size(), 2);
    QCOMPARE(list.faults[0].kind, QuestionFault::Kind::Note);
    QCOMPARE(list.faults[0].line, 2);
    QVERIFY2(list.faults[0].message.contains(QStringLiteral("1：2")),
             qPrintable(list.faults[0].message));
    QCOMPARE(list.faults[1].line, 3);
}

void DrillQuestionsFileTest::twentyQuestionsAreTheMost() {
    QStringList lines{"# 二十一問"};
    for (int i = 1; i <= 22; ++i)
        lines << QStringLiteral("e%1.gif 1：%2").arg(i).arg(i % 9 + 1);
    QuestionList list = parseQuestions(utf8(lines.mid(0, 21)), allThere);
    QCOMPARE(list.faults.size(), 0);
    QCOMPARE(list.questions.size(), 20);
    // One fault, at the twenty-first question; the lines after it are still checked.
    lines << "e3.gif 1：1";
    list = parseQuestions(utf8(lines), allThere);
    QCOMPARE(list.faults.size(), 2);
    QCOMPARE(list.faults[0].line, 22);
    QVERIFY(list.faults[0].message.contains(QStringLiteral("20 問まで")));
    QCOMPARE(list.faults[1].line, 24);
}

void DrillQuestionsFileTest::withoutAFileTheShippedFiveAreAsked() {
    Harness h;
    QVERIFY(!QFileInfo::exists(h.content.full(kQuestionsFile)));
    QList<DrillQuestion> questions;
    QCOMPARE(readDrillQuestions(h.content.base(), &questions), QString());
    QCOMPARE(questions, shippedQuestions());
    QCOMPARE(questions.size(), 5);
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(questions[n - 1].picture, QStringLiteral("\\画像\\mondai%1.gif").arg(n));
        QCOMPARE(questions[n - 1].rightA, rightRatio(n).a);
        QCOMPARE(questions[n - 1].rightB, rightRatio(n).b);
    }
    // The shipped file lists the same five, in the same order.
    h.content.copyShipped(kQuestionsFile);
    QCOMPARE(readDrillQuestions(h.content.base(), &questions), QString());
    QCOMPARE(questions, shippedQuestions());
}

void DrillQuestionsFileTest::sevenQuestionsFromTheShelfPlayToTheEnd() {
    Harness h;
    writeDrillPictures(h);
    QStringList lines{"# 七問"};
    QList<RightRatio> answers;
    for (int i = 0; i < kShelfSeven.size(); ++i) {
        h.content.writeBytes(QStringLiteral("\\画像\\追加\\%1.gif").arg(kShelfSeven[i]),
                             gifBytes(shelfSize(i)));
        answers.append({i % 3 + 1, i % 4 + 1});
        lines << QStringLiteral("追加/%1.gif %2：%3")
                     .arg(kShelfSeven[i])
                     .arg(answers[i].a)
                     .arg(answers[i].b);
    }
    h.content.writeLines(kQuestionsFile, lines);
    DrillScreen* d = openDrill(h, 0.0);
    QVERIFY(d);
    QCOMPARE(d->game().questionCount(), 7);
    for (int i = 0; i < 7; ++i) {
        // Draws of 0 bring the questions in the order of the file.
        QCOMPARE(d->game().questionNo(), i + 1);
        QCOMPARE(h.on<controls::drill::Tag>().element<QWidget>(Image5)->size(), shelfSize(i));
        QCOMPARE(h.on<controls::drill::Tag>().element<QLabel>(Label2)->text(),
                 QString::number(i + 1));
        QCOMPARE(h.on<controls::drill::Tag>().element<QWidget>(Label2)->accessibleName(),
                 QStringLiteral("第%1問").arg(i + 1));
        if (i == 6) { // B before A is wrong
            enter(h, answers[i].b, answers[i].a);
            QVERIFY(h.on<controls::drill::Tag>().shown(Image6));
            QCOMPARE(h.sound.played.last(), h.content.full("\\音\\x.wav"));
            endPause(h);
        }
        enter(h, answers[i].a, answers[i].b);
        QCOMPARE(h.sound.played.last(), h.content.full("\\音\\o.wav"));
        QVERIFY(!h.on<controls::drill::Tag>().shown(List2));
        endPause(h, 0.0);
    }
    QVERIFY(h.on<controls::drill::Tag>().shown(List2) &&
            h.on<controls::drill::Tag>().shown(Image7));
    QVERIFY(!h.on<controls::drill::Tag>().shown(Image5) &&
            !h.on<controls::drill::Tag>().shown(Label2));
    QCOMPARE(h.sound.played.last(), h.content.full("\\音\\gokaku.wav"));
    QVERIFY(h.errors.messages.isEmpty());
}

void DrillQuestionsFileTest::damagedFileEndsTheProgram_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing picture") << QStringList{"mondai1.gif 1：1", "追加/nothing.gif 1：1"}
                                     << "2 行目: 絵「追加/nothing.gif」";
    QTest::newRow("two faults")
        << QStringList{"mondai1.gif 1：0", "mondai1.gif 1：1", "mondai1.gif 1：1"}
        << "1 行目: 答えの B が「0」です。1 から 9 までの一けたの数字にしてください。\n3 行目: ";
}

void DrillQuestionsFileTest::damagedFileEndsTheProgram() {
    QFETCH(QStringList, lines);
    QFETCH(QString, says);
    Harness h;
    writeDrillPictures(h);
    h.content.writeLines(kQuestionsFile, lines);
    openDrill(h, 0.0);
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages[0].contains(h.content.full(kQuestionsFile)));
    QVERIFY2(h.errors.messages[0].contains(says), qPrintable(h.errors.messages[0]));
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.currentName(), QString());
    QVERIFY(h.sound.played.isEmpty());
}

MIROSUTA_TEST_CLASS(DrillQuestionsFileTest)
#include "tst_drillquestionsfile.moc"
