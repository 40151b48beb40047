#include "basefolder.h"
#include "drilldesign.h"
#include "startdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textloader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Where a learner meets each text file: the first screen whose declaration
// names it, and the presses that lead to the state that reads it (none for a
// text read as the screen opens).
struct Reader {
    ScreenId screen;
    QStringList presses;
};

Reader readerOf(const QString& file) {
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& d = screenDesign(ScreenId(i));
        for (const ElementDesign& e : d.elements) {
            if (e.file != file)
                continue;
            for (std::size_t s = 0; s < d.states.size(); ++s)
                if (d.states[s].fill.contains(e.name))
                    return {d.id, pressesTo(d, int(s))};
            return {d.id, {}};
        }
    }
    qFatal("no screen reads %s", qPrintable(file));
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
    for (const QString& element : reader.presses)
        if (h.current())
            h.clickNamed(element);

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
        h.on<controls::drill::Tag>().click(controls::drill::Command2[1]);
        h.on<controls::drill::Tag>().click(controls::drill::Command2[right ? 1 : 9]);
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
    QCOMPARE(h.on<controls::start::Tag>().panelLines(controls::start::List1),
             QStringList{"\\説明\\メニュー\\msg1.txt"});
    h.on<controls::start::Tag>().click(controls::start::Command1);
    QCOMPARE(h.currentName(), QString("メニュー"));
    QVERIFY(h.errors.messages.isEmpty());
}

MIROSUTA_TEST_CLASS(DamageTest)
#include "tst_damage.moc"
