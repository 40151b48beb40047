#include "basefolder.h"
#include "drilldesign.h"
#include "latticeintrodesign.h"
#include "startdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textloader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <array>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Where a learner meets each text file: the screen that reads it and how many
// presses of its 実行 come first (the first press on `first` where the screen
// starts with another element).
struct Reader {
    ScreenId screen;
    int presses;
    const char* first = "Command1";
};

Reader readerOf(const QString& file) {
    using S = ScreenId;
    // Each structure's chain: 開始 (msg1-3), 内部 (msg4-6), 原子 (msg7-8), 隣接 (msg9-10).
    static const QHash<QString, std::array<ScreenId, 4>> chainByFolder{
        {"体心立方", {S::BccIntro, S::BccInterior, S::BccAtoms, S::BccNeighbours}},
        {"面心立方", {S::FccIntro, S::FccInterior, S::FccAtoms, S::FccNeighbours}},
        {"六方最密", {S::HcpIntro, S::HcpInterior, S::HcpAtoms, S::HcpNeighbours}}};
    const QStringList parts = file.split('\\', Qt::SkipEmptyParts); // 説明, folder, msgN.txt
    const QString folder = parts.at(1);
    const int n = parts.at(2).mid(3).chopped(4).toInt();
    if (folder == "メニュー")
        return {ScreenId::Start, 0};
    if (folder == "まとめ")
        return {ScreenId::Summary, 0};
    if (folder == "ドリル")
        return {n == 1 ? ScreenId::DrillStart : ScreenId::Drill, 0};
    if (folder == "原子半径")
        return {n == 1   ? ScreenId::RadiusIntro
                : n <= 3 ? ScreenId::FccRadius
                         : ScreenId::BccRadius,
                0};
    if (folder == "積み重ね") {
        // 積み重ね選択 reads msg6 as it opens; msg5 and msg7 follow the third layer over A.
        if (n <= 3)
            return {S::StackingLayer, n - 1};
        if (n <= 7)
            return {S::StackingThird, n == 5 ? 1 : n == 7 ? 2 : 0, "Image2"};
        return {S::StackingCells, n - 8};
    }
    const std::array<ScreenId, 4> chain = chainByFolder.value(folder);
    if (n <= 3)
        return {chain[0], n - 1};
    return {chain[n <= 6 ? 1 : n <= 8 ? 2 : 3], 0};
}

} // namespace

class DamageTest : public QObject {
    Q_OBJECT

private slots:
    void damagedTextFile_data();
    void damagedTextFile();
    void contentFoldersMissingAltogether();
    void damagedDrillPicture_data();
    void damagedDrillPicture();
    void folderWithSpacesAndJapanese();
};

void DamageTest::damagedTextFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    for (const QString& f : allTextFiles())
        for (const char* d :
             {"missing", "folder", "empty", "noise", "50MB", "rows", "long row", "UTF-32"})
            QTest::addRow("%s %s", qPrintable(f), d) << f << QString(d);
#if defined(Q_OS_UNIX) && !defined(Q_OS_WASM)
    // Windows has no named pipe in the file system, nor has a browser's.
    for (const QString& f : allTextFiles())
        QTest::addRow("%s fifo", qPrintable(f)) << f << QString("fifo");
#endif
}

void DamageTest::damagedTextFile() {
    QFETCH(QString, file);
    QFETCH(QString, damage);
    const Reader reader = readerOf(file);
    Harness h;
    h.content.remove(file);
    if (damage == "folder") {
        QDir().mkpath(h.content.full(file));
    } else if (damage == "empty") {
        h.content.writeBytes(file, {});
    } else if (damage == "noise") {
        QByteArray noise(4096, 0);
        QRandomGenerator rng(qHash(file));
        for (char& c : noise)
            c = char(rng.bounded(256));
        h.content.writeBytes(file, noise);
    } else if (damage == "50MB") {
        QFile f(h.content.full(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(50 * 1024 * 1024)); // sparse: quick to make
    } else if (damage == "rows") {
        // Far more rows than any text: the panel would take gigabytes at 16 MiB.
        h.content.writeBytes(file, QByteArray(kMaxTextRows + 1, '\n'));
    } else if (damage == "long row") {
        h.content.writeBytes(file, "ok\r\n" + QByteArray(kMaxRowCharacters + 1, 'a'));
    } else if (damage == "UTF-32") {
        h.content.writeBytes(file, QByteArray("\xff\xfe\0\0"
                                              "a\0\0\0",
                                              8));
    } else if (damage == "fifo") {
        // A pipe at the text's place would block the program for ever.
#ifdef Q_OS_UNIX
        QCOMPARE(mkfifo(QFile::encodeName(h.content.full(file)).constData(), 0644), 0);
#endif
    }
    const bool fails = damage != "empty" && damage != "noise";

    h.navigator().switchScreen(reader.screen);
    Harness::flushDeletes();
    for (int i = 0; i < reader.presses && h.current(); ++i)
        h.click(i == 0 ? QString::fromLatin1(reader.first) : QStringLiteral("Command1"));

    if (fails) {
        QCOMPARE(h.exits.statuses, QList<int>{1});
        QCOMPARE(h.errors.messages.size(), 1);
        QVERIFY2(h.errors.messages.first().contains(h.content.full(file)),
                 qPrintable(h.errors.messages.first()));
        QVERIFY(!h.current());
        const QString says = damage == "rows"       ? "行が多すぎます"
                             : damage == "long row" ? "2 行目が長すぎます"
                             : damage == "UTF-32"   ? "UTF-32"
                             : damage == "fifo"     ? "普通のファイルではない"
                                                    : "";
        QVERIFY2(h.errors.messages.first().contains(says), qPrintable(h.errors.messages.first()));
    } else {
        QVERIFY(h.errors.messages.isEmpty());
        QVERIFY(h.exits.statuses.isEmpty());
        QCOMPARE(h.currentName(), screenDesign(reader.screen).formName);
    }
}

void DamageTest::contentFoldersMissingAltogether() {
    Harness h;
    QTemporaryDir empty;
    h.navigator().startUp(empty.path());
    QVERIFY(!h.current());
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY(h.errors.messages.first().contains(
        ContentPath(empty.path(), "\\説明\\メニュー\\msg1.txt")));
    QVERIFY(h.errors.messages.first().contains("ファイルが見つかりません"));
}

void DamageTest::damagedDrillPicture_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    // The drill's pictures (its sounds are only played, never read).
    for (const QString& f : allMediaFiles().filter(".gif"))
        for (const char* d : {"missing", "truncated", "noise"})
            QTest::addRow("%s %s", qPrintable(f), d) << f << QString(d);
}

void DamageTest::damagedDrillPicture() {
    QFETCH(QString, file);
    QFETCH(QString, damage);
    Harness h; // its content folder holds the drill's pictures as the build made them
    if (damage == "missing") {
        h.content.remove(file);
    } else {
        QFile f(h.content.full(file));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        f.close();
        if (damage == "truncated") {
            bytes.truncate(bytes.size() / 3);
        } else {
            QRandomGenerator rng(7);
            for (char& c : bytes)
                c = char(rng.bounded(256));
        }
        h.content.writeBytes(file, bytes);
    }
    // Ask question 1 first (answer 1 : 1); a right or a wrong answer shows its mark.
    const bool question = file.contains("mondai");
    const int number = question ? file.mid(file.indexOf("mondai") + 6, 1).toInt() : 1;
    h.random.values = {(number - 1) / 5.0 + 0.01};
    h.navigator().switchScreen(ScreenId::Drill);
    Harness::flushDeletes();
    if (!question && h.current()) {
        const bool right = file.contains("maru");
        h.click(controls::drill::Command2[1]);
        h.click(controls::drill::Command2[right ? 1 : 9]);
    }
    QCOMPARE(h.exits.statuses, QList<int>{1});
    QCOMPARE(h.errors.messages.size(), 1);
    QVERIFY2(h.errors.messages.first().contains(h.content.full(file)),
             qPrintable(h.errors.messages.first()));
    QVERIFY(!h.current());
}

void DamageTest::folderWithSpacesAndJapanese() {
    Harness h;
    QTemporaryDir parent(QDir::tempPath() + "/ミロスタ 教材 XXXXXX");
    QVERIFY(parent.isValid());
    const QString base = parent.path() + "/理科 の 教材";
    for (const QString& f : allTextFiles()) {
        QString rel = f;
        rel.replace('\\', '/');
        QDir().mkpath(QFileInfo(base + rel).path());
        QVERIFY(QFile::copy(h.content.full(f), base + rel));
    }
    h.navigator().startUp(base + "/");
    QCOMPARE(h.navigator().context().baseFolder, base);
    QCOMPARE(h.currentName(), QString("スタート"));
    QCOMPARE(h.panelLines(controls::start::List1), QStringList{"\\説明\\メニュー\\msg1.txt"});
    h.click(controls::start::Command1);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
}

MIROSUTA_TEST_CLASS(DamageTest)
#include "tst_damage.moc"
