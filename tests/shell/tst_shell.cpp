#include "basefolder.h"
#include "menudesign.h"
#include "picturebutton.h"
#include "startdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textloader.h"
#include "textpanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void rootFolderRule_data();
    void rootFolderRule();
    void contentPathsUseThePlatformSeparator();
    void schoolFolderTakesThePlaceOfTheProgramsFolder_data();
    void schoolFolderTakesThePlaceOfTheProgramsFolder();
    void unreachableSchoolFolderIsReportedNeverLeftFor();

    void decodeLines_data();
    void decodeLines();
    void invalidBytesNeverCrash();

    void startShowsItsTextsAndLeadsToTheMenu();
    void endButtonsEndTheProgram_data();
    void endButtonsEndTheProgram();
    void closeBoxEndsTheProgram_data() { addScreenRows(); }
    void closeBoxEndsTheProgram();
    void missingStartTextEndsBeforeAnyScreen();
    void unreadableFileIsReportedWithPathAndReason_data();
    void unreadableFileIsReportedWithPathAndReason();
};

void ShellTest::rootFolderRule_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("drive root") << "C:\\"
                                << "C:";
    // What Qt reports on Windows for a program in the root of a drive.
    QTest::newRow("drive root, forward slash") << "C:/"
                                               << "C:";
    QTest::newRow("unix root") << "/"
                               << "";
    QTest::newRow("ordinary folder") << "C:\\教材\\ミロスタ"
                                     << "C:\\教材\\ミロスタ";
    QTest::newRow("only one separator goes") << "C:\\\\"
                                             << "C:\\";
    QTest::newRow("trailing slash") << "/opt/mirosuta/"
                                    << "/opt/mirosuta";
}

void ShellTest::rootFolderRule() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(RootFolderRule(folder), expected);
}

void ShellTest::contentPathsUseThePlatformSeparator() {
    QCOMPARE(ContentPath(QDir::fromNativeSeparators("/opt/ミロスタ"), "\\説明\\メニュー\\msg1.txt"),
             QDir::toNativeSeparators("/opt/ミロスタ/説明/メニュー/msg1.txt"));
#ifdef Q_OS_WIN
    QCOMPARE(ContentPath(RootFolderRule(QStringLiteral("C:/")), "\\説明\\メニュー\\msg1.txt"),
             QStringLiteral("C:\\説明\\メニュー\\msg1.txt"));
#endif
}

void ShellTest::schoolFolderTakesThePlaceOfTheProgramsFolder_data() {
    QTest::addColumn<QString>("school");
    QTest::addColumn<QString>("expected");
    const QString program = QDir::fromNativeSeparators(QDir::tempPath()) + "/ミロスタ";
    QTest::newRow("none named") << QString() << program;
    // An absolute folder on every system (a drive's on Windows).
    const QString other = QDir::fromNativeSeparators(QDir::tempPath()) + "/学校 教材";
    QTest::newRow("another folder") << other << other;
    QTest::newRow("its trailing separator goes") << other + "/" << other;
    QTest::newRow("relative to the program") << "../教材" << QDir::cleanPath(program + "/../教材");
}

void ShellTest::schoolFolderTakesThePlaceOfTheProgramsFolder() {
    QFETCH(QString, school);
    QFETCH(QString, expected);
    const QString program = QDir::fromNativeSeparators(QDir::tempPath()) + "/ミロスタ";
    QCOMPARE(ContentBaseFolder(program + "/", school), expected);
}

void ShellTest::unreachableSchoolFolderIsReportedNeverLeftFor() {
    // The program's own folder has every text; the school's cannot be reached.
    Harness h;
    const QString school = h.content.base() + "/届かない 教材";
    h.navigator().startUp(ContentBaseFolder(h.content.base(), school));
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages.first().contains(
        QDir::toNativeSeparators(school + "/説明/メニュー/msg1.txt")));
}

void ShellTest::decodeLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("one line end only") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("final line end adds nothing")
        << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("blank lines kept")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("lone LF ends a line") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("full-width indentation kept")
        << encodeCp932({"　　字下げ", " 半角"}) << QStringList{"　　字下げ", " 半角"};
    QTest::newRow("CP932 circled one and wave dash")
        << QByteArray("\x87\x40\x81\x60\r\n") << QStringList{QString::fromUtf8("①～")};
    QTest::newRow("trailing spaces kept") << QByteArray("ab  \r\n") << QStringList{"ab  "};
}

void ShellTest::decodeLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(DecodeLines(bytes), lines);
}

void ShellTest::invalidBytesNeverCrash() {
    // A lead byte at a line end must not swallow the line end.
    QCOMPARE(DecodeLines(QByteArray("\x82\r\nok")).size(), 2);
    QCOMPARE(DecodeLines(QByteArray("\x82\r\nok")).at(1), QString("ok"));
    QCOMPARE(DecodeLines(QByteArray("\x82\x20\x41")).first(), QString::fromUtf8("\uFFFD A"));
    QCOMPARE(DecodeLines(QByteArray("A\x82")).first(), QString::fromUtf8("A\uFFFD"));
    QCOMPARE(DecodeLines(QByteArray("\x88\x9f\x82")).first(), QString::fromUtf8("亜\uFFFD"));
    QByteArray noise;
    quint32 x = 12345;
    for (int i = 0; i < 100000; ++i) {
        x = x * 1664525u + 1013904223u;
        noise += char(x >> 24);
    }
    const QStringList lines = DecodeLines(noise);
    QVERIFY(!lines.isEmpty());
    QVERIFY(lines.size() <= noise.count('\n') + noise.count('\r') + 1);
}

void ShellTest::startShowsItsTextsAndLeadsToTheMenu() {
    using namespace controls::start;
    Harness h;
    h.content.writeLines("\\説明\\メニュー\\msg1.txt", {"ようこそ", "", "　字下げ"});
    h.navigator().startUp(h.content.base() + "/");
    QCOMPARE(h.navigator().context().baseFolder, h.content.base());
    QCOMPARE(h.currentName(), QString("スタート"));
    QCOMPARE(h.current()->windowTitle(), QString("はじめに"));
    QCOMPARE(h.current()->size(), QSize(768, 480));
    QCOMPARE(h.on<controls::start::Tag>().panelLines(List1),
             (QStringList{"ようこそ", "", "　字下げ"}));
    QCOMPARE(h.on<controls::start::Tag>().panelLines(List2),
             QStringList{"\\説明\\メニュー\\msg2.txt"});
    QVERIFY(h.current()->focusWidget());
    QCOMPARE(h.current()->focusWidget()->objectName(), Command1.text());
    auto* b = h.on<controls::start::Tag>().element<PictureButton>(Command1);
    QVERIFY(b);
    QCOMPARE(b->accessibleName(), QString("メニュー"));
    h.on<controls::start::Tag>().click(Command1);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
}

void ShellTest::endButtonsEndTheProgram_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<ControlName>("button");
    QTest::newRow("スタート 終了") << ScreenId::Start << controls::start::Command2;
    QTest::newRow("メニュー 終了") << ScreenId::Menu << controls::menu::Command7;
}

void ShellTest::endButtonsEndTheProgram() {
    QFETCH(ScreenId, screen);
    QFETCH(ControlName, button);
    Harness h;
    h.open(screen);
    h.clickNamed(button);
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{0});
    QVERIFY(h.navigator().ended());
    // Nothing opens after the end.
    h.navigator().switchScreen(ScreenId::Menu);
    QVERIFY(!h.current());
}

void ShellTest::closeBoxEndsTheProgram() {
    QFETCH(ScreenId, id);
    Harness h;
    QVERIFY(h.open(id));
    h.current()->close();
    Harness::flushDeletes();
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{0});
}

void ShellTest::missingStartTextEndsBeforeAnyScreen() {
    Harness h;
    h.content.remove("\\説明\\メニュー\\msg1.txt");
    int shown = 0;
    auto c = QObject::connect(&h.navigator(), &Navigator::screenShown, [&] { ++shown; });
    h.navigator().startUp(h.content.base());
    QObject::disconnect(c);
    QCOMPARE(shown, 0);
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages.first().contains(
        QDir::toNativeSeparators(h.content.base() + "/説明/メニュー/msg1.txt")));
    QVERIFY(h.errors.messages.first().contains("ファイルが見つかりません"));
}

void ShellTest::unreadableFileIsReportedWithPathAndReason_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder in its place") << "folder"
                                         << "フォルダー";
    QTest::newRow("too large") << "huge"
                               << "大きすぎ";
}

void ShellTest::unreadableFileIsReportedWithPathAndReason() {
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    Harness h;
    const QString rel = "\\説明\\メニュー\\msg2.txt";
    h.content.remove(rel);
    if (damage == "folder")
        QDir().mkpath(h.content.full(rel));
    else
        h.content.writeBytes(rel, QByteArray(kMaxTextFileBytes + 1, 'a'));
    h.navigator().startUp(h.content.base());
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages.first().contains("msg2.txt"));
    QVERIFY2(h.errors.messages.first().contains(reason), qPrintable(h.errors.messages.first()));
}

MIROSUTA_TEST_CLASS(ShellTest)
#include "tst_shell.moc"
