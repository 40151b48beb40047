// The content checker over the shipped content and over damaged copies of it:
// one finding per fault, naming the file and the line, and never a write.

#include "contentchecker.h"
#include "drillquestions.h"
#include "paneldesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include "textloader.h"
#include <QStyle>

#include <QDirIterator>
#include <QFontMetrics>
#include <QProcess>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString kOutput = QStringLiteral(MIROSUTA_OUTPUT_DIR);

QString checkerExe() {
    return kOutput + "/mirosuta-check";
}

QByteArray shippedText(const QString& relative) {
    QString rel = relative;
    rel.replace('\\', '/');
    QFile f(QStringLiteral(MIROSUTA_SOURCE_DIR "/content") + rel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The shipped texts, pictures and sounds in a folder of their own.
class ContentCopy : public ContentFolder {
public:
    ContentCopy() {
        for (const QString& f : allTextFiles())
            writeBytes(f, shippedText(f));
    }
};

// Names, sizes and times of everything below a folder.
QStringList snapshot(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo i = it.fileInfo();
        out << QStringLiteral("%1 %2 %3")
                   .arg(i.filePath())
                   .arg(i.size())
                   .arg(i.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

QString describe(const QList<Finding>& findings) {
    QStringList lines;
    for (const Finding& f : findings)
        lines << ContentChecker::reportLine(f);
    return lines.join('\n');
}

// A GIF header that claims a picture of the given size.
QByteArray claimingGif(int width, int height) {
    QByteArray b("GIF89a");
    for (int v : {width, height})
        b += char(v & 0xFF), b += char(v >> 8);
    return b + QByteArray("\x00\x00\x00", 3) + QByteArray(20, '\0') + ';';
}

// A WAV file: format tag, channels, bits per sample, and the bytes of sound.
QByteArray wavBytes(quint16 tag, quint16 channels, quint16 bits, int dataBytes) {
    const auto u16 = [](quint16 v) {
        QByteArray b;
        return b.append(char(v & 0xFF)).append(char(v >> 8));
    };
    const auto u32 = [&](quint32 v) { return u16(quint16(v & 0xFFFF)) + u16(quint16(v >> 16)); };
    const quint32 rate = 22050, align = channels * bits / 8;
    const QByteArray fmt =
        u16(tag) + u16(channels) + u32(rate) + u32(rate * align) + u16(quint16(align)) + u16(bits);
    const QByteArray body = "WAVE" + QByteArray("fmt ") + u32(quint32(fmt.size())) + fmt + "data" +
                            u32(quint32(dataBytes)) + QByteArray(dataBytes, '\x10');
    return "RIFF" + u32(quint32(body.size())) + body;
}

// A WAV under WAVE_FORMAT_EXTENSIBLE: stereo PCM of the given bits.
QByteArray extensibleWav(quint16 bits, int dataBytes) {
    QByteArray plain = wavBytes(0xFFFE, 2, bits, dataBytes);
    // fmt grows from 16 to 40 bytes: cbSize 22, valid bits, channel mask, PCM's GUID.
    const auto u16 = [](quint16 v) { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); };
    const QByteArray extension = u16(22) + u16(bits) + QByteArray("\x03\0\0\0", 4) +
                                 QByteArray("\x01\0\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 16);
    plain.insert(36, extension);
    plain[16] = char(40); // the fmt chunk's length
    const quint32 riff = quint32(plain.size() - 8);
    for (int i = 0; i < 4; ++i)
        plain[4 + i] = char(riff >> (8 * i) & 0xFF);
    return plain;
}

const QString kStartText = QStringLiteral("\\説明\\メニュー\\msg1.txt");
const QString kDrillClosing = QStringLiteral("\\説明\\ドリル\\msg3.txt");

} // namespace

class CheckerTest : public QObject {
    Q_OBJECT

private slots:
    void shippedContentHasNoFindings();
    void installedCheckerReadsItsOwnFolder();
    void damage_data();
    void damage();
    void playableSoundsAreAccepted_data();
    void playableSoundsAreAccepted();
    void everyEncodingThatReadsIsAccepted_data();
    void everyEncodingThatReadsIsAccepted();
    void widthIsMeasuredInThePanel_data();
    void widthIsMeasuredInThePanel();
    void checkerProcessMeasuresAsTheScreen_data();
    void checkerProcessMeasuresAsTheScreen();
    void tooManyRowsIsOnlyANote();
    void reportNamesFileAndLineAndNeverWrites();
    void questionsFileFaultsOneLineEach_data();
    void questionsFileFaultsOneLineEach();
    void questionsFromTheShelfAreChecked();
    void drillTextsNameTheNumberOfQuestions_data();
    void drillTextsNameTheNumberOfQuestions();
};

void CheckerTest::shippedContentHasNoFindings() {
    // The texts exactly as shipped, the drill's media as the build made them.
    ContentCopy copy;
    const ContentChecker checker(copy.base());
    const QList<Finding> findings = checker.check();
    QVERIFY2(findings.isEmpty(), qPrintable(describe(findings)));
    // Every text that ships is checked once, and every one is declared by a screen.
    int shipped = 0;
    for (QDirIterator it(QStringLiteral(MIROSUTA_SOURCE_DIR "/content/説明"), {"*.txt"},
                         QDir::Files, QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++shipped;
    QCOMPARE(checker.textCount(), shipped);
    QCOMPARE(checker.textCount(), allTextFiles().size());
    QCOMPARE(checker.pictureCount(), 7);
    QCOMPARE(checker.soundCount(), 3);
}

void CheckerTest::installedCheckerReadsItsOwnFolder() {
    // Without an argument the checker reads the folder it lies in, beside the program.
    QProcess p;
    p.start(checkerExe(), {});
    QVERIFY(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(p.exitCode(), 0);
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1); // the summary alone
    QVERIFY2(lines[0].contains(QStringLiteral("問題はありません")), qPrintable(out));
    QVERIFY2(lines[0].contains(QDir::toNativeSeparators(kOutput)), qPrintable(out));
}

void CheckerTest::damage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // what the file holds; see "how"
    QTest::addColumn<QString>("how");      // write, remove, folder, fifo, truncate
    QTest::addColumn<int>("line");         // 0: the whole file
    QTest::addColumn<QString>("says");

    const QString sound = QStringLiteral("\\音\\o.wav");
    QTest::newRow("missing text") << kStartText << QByteArray() << "remove" << 0
                                  << "見つかりません";
    QTest::newRow("folder for a text")
        << kDrillClosing << QByteArray() << "folder" << 0 << "フォルダー";
#ifdef Q_OS_UNIX
    // A pipe would block a reader for ever; as root, the only unreadable file at hand.
    QTest::newRow("unreadable text")
        << kDrillClosing << QByteArray() << "fifo" << 0 << "読み込めません";
#endif
    QTest::newRow("text without read permission")
        << kDrillClosing << QByteArray() << "chmod" << 0 << "開けません";
    QTest::newRow("invalid CP932 on line 3")
        << kDrillClosing << QByteArray("\x82\xa0\r\n\r\n\x82\xa0\x82\r\n") << "write" << 3
        << "CP932 (Shift_JIS) として読めない";
    QTest::newRow("invalid UTF-8 after a mark on line 2")
        << kDrillClosing << QByteArray("\xef\xbb\xbf\xe3\x81\x82\r\n\xe3\x81\r\n") << "write" << 2
        << "UTF-8 として読めない";
    // 体心立方の結晶構造です: as CP932 it has bytes that cannot be read.
    QTest::newRow("EUC-JP") << kDrillClosing
                            << QByteArray("\xc2\xce\xbf\xb4\xce\xa9\xca\xfd\xa4\xce\xb7\xeb"
                                          "\xbe\xbd\xb9\xbd\xc2\xa4\xa4\xc7\xa4\xb9\r\n")
                            << "write" << 0 << "EUC-JP";
    QTest::newRow("UTF-16 without a mark")
        << kDrillClosing << QByteArray("B0D0\r\0\n\0", 8) << "write" << 0 << "BOM のない UTF-16";
    // One line without CR LF has no 00 byte: カタカナ, and 体心立方格子 big-endian.
    QTest::newRow("UTF-16 without a mark, kana only")
        << kDrillClosing << QByteArray("\xab\x30\xbf\x30\xab\x30\xca\x30", 8) << "write" << 0
        << "BOM のない UTF-16";
    QTest::newRow("UTF-16 without a mark, kanji only")
        << kDrillClosing << QByteArray("\x4f\x53\x5f\xc3\x7a\xcb\x65\xb9\x68\x3c\x5b\x50", 12)
        << "write" << 0 << "BOM のない UTF-16";
    QTest::newRow("UTF-32") << kDrillClosing << QByteArray("\xff\xfe\0\0a\0\0\0", 8) << "write" << 0
                            << "UTF-32";
    QTest::newRow("too many rows")
        << kDrillClosing << QByteArray(kMaxTextRows + 1, '\n') << "write" << 0 << "行が多すぎます";
    QTest::newRow("row too long") << kDrillClosing << QByteArray(kMaxRowCharacters + 1, 'x')
                                  << "write" << 0 << "1 行目が長すぎます";
    QTest::newRow("a mark at a row's end on line 2")
        << kDrillClosing << QByteArray("r\r\n4/3 r^\r\n") << "write" << 2
        << "6 文字目の「^」（上付き）が行の終わりにあります";
    QTest::newRow("an unclosed brace") << kDrillClosing << QByteArray("10^{-8 cm\r\n") << "write"
                                       << 1 << "3 文字目の「^{」を閉じる「}」がありません";
    QTest::newRow("missing picture")
        << "\\画像\\mondai4.gif" << QByteArray() << "remove" << 0 << "見つかりません";
    QTest::newRow("damaged picture")
        << "\\画像\\maru.gif" << QByteArray(3000, '\xA5') << "write" << 0 << "壊れ";
    QTest::newRow("picture over the drill's limit")
        << "\\画像\\mondai2.gif" << claimingGif(2400, 600) << "write" << 0 << "2400 × 600";
    QTest::newRow("folder for a picture")
        << "\\画像\\batu.gif" << QByteArray() << "folder" << 0 << "フォルダー";
    QTest::newRow("missing sound")
        << "\\音\\gokaku.wav" << QByteArray() << "remove" << 0 << "見つかりません";
    QTest::newRow("text as a sound")
        << sound << QByteArray("RIFF but not a sound") << "write" << 0 << "WAV ではありません";
    QTest::newRow("picture as a sound") << sound << claimingGif(10, 10) << "write" << 0 << "WAV";
    QTest::newRow("compressed WAV (ADPCM)")
        << sound << wavBytes(2, 1, 4, 400) << "write" << 0 << "非圧縮（PCM）";
    QTest::newRow("WAV without sound")
        << sound << wavBytes(1, 1, 16, 0) << "write" << 0 << "音のデータが入っていません";
    // The Windows wave API takes more than 16 bits only under WAVE_FORMAT_EXTENSIBLE.
    QTest::newRow("24-bit PCM, plain tag")
        << sound << wavBytes(1, 2, 24, 1200) << "write" << 0 << "WAVE_FORMAT_EXTENSIBLE";
    QTest::newRow("32-bit PCM, plain tag")
        << sound << wavBytes(1, 1, 32, 1200) << "write" << 0 << "16 ビットの PCM";
    QTest::newRow("64-bit float") << sound << wavBytes(3, 1, 64, 1600) << "write" << 0 << "PCM";
    QTest::newRow("six-channel WAV")
        << sound << wavBytes(1, 6, 16, 1200) << "write" << 0 << "モノラルかステレオ";
    QTest::newRow("sound cut short") << sound << QByteArray() << "truncate" << 0 << "途中で切れて";
}

void CheckerTest::damage() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, how);
    QFETCH(int, line);
    QFETCH(QString, says);
    ContentCopy copy;
    const QString path = copy.full(file);
    if (how == "write") {
        copy.writeBytes(file, bytes);
    } else if (how == "remove") {
        copy.remove(file);
    } else if (how == "folder") {
        copy.remove(file);
        QVERIFY(QDir().mkpath(path));
    } else if (how == "truncate") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() / 2));
    }
#ifdef Q_OS_WIN
    // Windows has no read permission to take away; a file that another
    // program holds open without sharing cannot be read either.
    HANDLE lock = INVALID_HANDLE_VALUE;
    const auto unlock = qScopeGuard([&lock] {
        if (lock != INVALID_HANDLE_VALUE)
            CloseHandle(lock);
    });
    if (how == "chmod") {
        lock = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(lock != INVALID_HANDLE_VALUE);
    }
#else
    // Root reads a file without read permission; the checker then runs as its
    // own process under an unprivileged user, as a teacher runs it.
    bool asOtherUser = false;
    if (how == "chmod") {
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QFile probe(path);
        asOtherUser = probe.open(QIODevice::ReadOnly);
    }
#endif
#ifdef Q_OS_UNIX
    if (how == "fifo") {
        copy.remove(file);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    }
#endif
#ifdef Q_OS_UNIX
    if (asOtherUser) {
        // Everything else stays readable to that user: the folder is opened to all.
        QVERIFY(QFile::setPermissions(
            copy.base(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                             QFileDevice::ReadOther | QFileDevice::ExeOther));
        const QString nobody = QStringLiteral("65534");
        QProcess p;
        p.start(QStringLiteral("setpriv"), {"--reuid=" + nobody, "--regid=" + nobody,
                                            "--clear-groups", checkerExe(), copy.base()});
        QVERIFY2(p.waitForFinished(60000), qPrintable(p.errorString()));
        const QStringList lines =
            QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() == 2, qPrintable(lines.join('\n') + p.readAllStandardError()));
        const QString where = ContentChecker::reportLine({Finding::Kind::Problem, file, line, {}});
        QVERIFY2(lines[0].startsWith(where) && lines[0].contains(says), qPrintable(lines[0]));
        QCOMPARE(p.exitCode(), 1);
        return;
    }
#endif
    const ContentChecker checker(copy.base());
    const QList<Finding> findings = checker.check();
    QVERIFY2(findings.size() == 1, qPrintable(describe(findings)));
    const Finding& f = findings[0];
    QCOMPARE(f.kind, Finding::Kind::Problem);
    QCOMPARE(f.file, file);
    QCOMPARE(f.line, line);
    QVERIFY2(f.message.contains(says), qPrintable(f.message));
    QCOMPARE(ContentChecker::exitStatus(findings), 1);
}

void CheckerTest::playableSoundsAreAccepted_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("8-bit mono PCM") << wavBytes(1, 1, 8, 1000);
    QTest::newRow("16-bit stereo PCM") << wavBytes(1, 2, 16, 4000);
    QTest::newRow("32-bit float mono") << wavBytes(3, 1, 32, 4000);
    QTest::newRow("24-bit PCM, extensible") << extensibleWav(24, 1200);
    QTest::newRow("32-bit PCM, extensible") << extensibleWav(32, 1600);
}

void CheckerTest::playableSoundsAreAccepted() {
    QFETCH(QByteArray, bytes);
    ContentCopy copy;
    copy.writeBytes("\\音\\x.wav", bytes);
    const QList<Finding> findings = ContentChecker(copy.base()).check();
    QVERIFY2(findings.isEmpty(), qPrintable(describe(findings)));
}

void CheckerTest::everyEncodingThatReadsIsAccepted_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QStringList lines{QStringLiteral("① ミロスタ"), QString(), QStringLiteral("　～ 終わり")};
    const QString text = lines.join("\r\n");
    QTest::newRow("CP932") << QByteArray(QStringEncoder("Shift_JIS").encode(text));
    // Half-width katakana in CP932 are valid EUC-JP as well: not taken for it.
    QTest::newRow("CP932 half-width katakana") << QByteArray("\xb6\xc0\xb6\xc5\r\n\xc3\xbd");
    QTest::newRow("UTF-8") << QByteArray(QStringEncoder(QStringEncoder::Utf8).encode(text));
    QTest::newRow("UTF-8 with mark") << QByteArray(
        QStringEncoder(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom).encode(text));
    QTest::newRow("UTF-16LE with mark") << QByteArray(
        QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text));
    QTest::newRow("UTF-16BE with mark") << QByteArray(
        QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(text));
}

void CheckerTest::everyEncodingThatReadsIsAccepted() {
    QFETCH(QByteArray, bytes);
    ContentCopy copy;
    copy.writeBytes(kStartText, bytes);
    const QList<Finding> findings = ContentChecker(copy.base()).check();
    QVERIFY2(findings.isEmpty(), qPrintable(describe(findings)));
}

void CheckerTest::widthIsMeasuredInThePanel_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("extra"); // characters past the last that fits
    // The narrowest panel (スタート List2) and a wide one (体心半径 List3).
    for (const char* f : {"\\説明\\メニュー\\msg2.txt", "\\説明\\原子半径\\msg6.txt"}) {
        QTest::newRow((QByteArray(f).mid(7) + " fits").constData()) << QString::fromUtf8(f) << 0;
        QTest::newRow((QByteArray(f).mid(7) + " one more").constData())
            << QString::fromUtf8(f) << 1;
    }
}

void CheckerTest::widthIsMeasuredInThePanel() {
    QFETCH(QString, file);
    QFETCH(int, extra);
    const PanelDesign* design = nullptr;
    for (const PanelDesign& d : allPanelDesigns())
        if (d.file == file)
            design = &d;
    QVERIFY(design);
    // As wide as the screen's own panel takes: that panel, built by its screen.
    Harness h;
    // The panel named in the program's own table, so looked up by that name.
    Screen* screen = h.open(design->screen);
    auto* panel = screen ? screen->findChild<TextPanel*>(design->name) : nullptr;
    QVERIFY(panel);
    const QFontMetrics fm(panel->font());
    // The text begins after the margin and runs to the panel's inner edge.
    const int room = panel->contentsRect().width() -
                     (panel->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    QString line;
    while (fm.horizontalAdvance(line + QStringLiteral("あ")) <= room)
        line += QStringLiteral("あ");
    for (int i = 0; i < extra; ++i)
        line += QStringLiteral("あ");

    ContentCopy copy;
    copy.writeLines(file, {QStringLiteral("一行目"), line});
    const QList<Finding> findings = ContentChecker(copy.base()).check();
    if (extra == 0) {
        QVERIFY2(findings.isEmpty(), qPrintable(describe(findings)));
        return;
    }
    QVERIFY2(findings.size() == 1, qPrintable(describe(findings)));
    QCOMPARE(findings[0].line, 2);
    const int cut = fm.horizontalAdvance(line) - room;
    QVERIFY(cut > 0);
    QVERIFY2(findings[0].message.contains(QStringLiteral("%1 ピクセル切れて").arg(cut)),
             qPrintable(findings[0].message));
    QVERIFY2(findings[0].message.contains(screenDesign(design->screen).formName),
             qPrintable(findings[0].message));
}

void CheckerTest::checkerProcessMeasuresAsTheScreen_data() {
    QTest::addColumn<int>("over"); // pixels past the panel's room
    QTest::newRow("just fits") << 0;
    QTest::newRow("1 px too wide") << 1;
}

// The built checker, as its own process as a teacher starts it, measures a
// scrolling panel as the screen shows it: in the program's look, whose scroll
// bar the room leaves out.
void CheckerTest::checkerProcessMeasuresAsTheScreen() {
    QFETCH(int, over);
    const PanelDesign* design = nullptr;
    for (const PanelDesign& d : allPanelDesigns())
        if (d.file == kDrillClosing)
            design = &d;
    QVERIFY(design);
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("%1 行目").arg(i);
    Harness h;
    // The panel named in the program's own table, so looked up by that name.
    Screen* screen = h.open(design->screen);
    auto* panel = screen ? screen->findChild<TextPanel*>(design->name) : nullptr;
    QVERIFY(panel);
    panel->clear();
    panel->addItems(lines);
    QVERIFY(panel->count() > panel->rowsInView());
    const int target = panel->textRoom() + over;
    // Full-width kana, then a few ASCII characters to hit the width exactly.
    const QFontMetrics fm(panel->font());
    QString line;
    while (fm.horizontalAdvance(line + QStringLiteral("あ")) < target - 48)
        line += QStringLiteral("あ");
    const QString tail = QStringLiteral(" !ijlrt1-.Ilfa08MWあ、");
    const qsizetype t = tail.size();
    QString exact;
    for (qsizetype n = 0; n < t * t * t * t && exact.isEmpty(); ++n) {
        QString candidate = line;
        for (qsizetype k = n, digits = 0; digits < 4; k /= t, ++digits)
            candidate += tail[k % t];
        if (fm.horizontalAdvance(candidate) == target && !candidate.endsWith(' '))
            exact = candidate;
    }
    QVERIFY2(!exact.isEmpty(), "no line of that width");
    lines[5] = exact;

    ContentCopy copy;
    copy.writeLines(kDrillClosing, lines);
    QProcess p;
    p.start(checkerExe(), {copy.base()});
    QVERIFY(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QStringList report = out.split('\n', Qt::SkipEmptyParts);
    if (over == 0) {
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(report.size() == 2 && report[0].startsWith(QStringLiteral("注意")),
                 qPrintable(out));
    } else {
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(report.size() == 3, qPrintable(out));
        QVERIFY2(report[0].contains(QStringLiteral("6 行目")) &&
                     report[0].contains(QStringLiteral("右端で 1 ピクセル切れて")),
                 qPrintable(out));
    }
}

void CheckerTest::tooManyRowsIsOnlyANote() {
    // The drill's closing text in its small panel: forty rows need the scroll bar.
    ContentCopy copy;
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("%1 行目").arg(i);
    copy.writeLines(kDrillClosing, lines);
    const QList<Finding> findings = ContentChecker(copy.base()).check();
    QVERIFY2(findings.size() == 1, qPrintable(describe(findings)));
    QCOMPARE(findings[0].kind, Finding::Kind::Note);
    QCOMPARE(findings[0].file, kDrillClosing);
    QVERIFY2(findings[0].message.contains(QStringLiteral("40 行あり")),
             qPrintable(findings[0].message));
    QCOMPARE(ContentChecker::exitStatus(findings), 0);
}

void CheckerTest::reportNamesFileAndLineAndNeverWrites() {
    ContentCopy copy;
    copy.remove("\\画像\\maru.gif");
    copy.writeBytes(kDrillClosing, QByteArray("ok\r\n\x82\r\n"));
    copy.writeLines(kStartText,
                    {QStringLiteral("行"), QStringLiteral("行"), QString(200, QChar(0x3042))});
    const QStringList before = snapshot(copy.base());

    QProcess p;
    p.start(checkerExe(), {copy.base()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    const QStringList lines =
        QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    // Files are named as the platform names them: 説明\メニュー\msg1.txt on Windows.
    const auto problem = [](const char* file) {
        return QStringLiteral("問題: ") + QDir::toNativeSeparators(QString::fromUtf8(file));
    };
    QVERIFY2(lines[0].startsWith(problem("説明/メニュー/msg1.txt 3 行目: ")), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith(problem("説明/ドリル/msg3.txt 2 行目: ")), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith(problem("画像/maru.gif: ファイルが見つかりません")),
             qPrintable(lines[2]));
    QVERIFY2(lines[3].contains(QStringLiteral("問題 3 件、注意 0 件")), qPrintable(lines[3]));
    QCOMPARE(snapshot(copy.base()), before);
}

void CheckerTest::questionsFileFaultsOneLineEach_data() {
    // The file as a teacher might spoil it, one fault at a time on line 3.
    QTest::addColumn<QString>("third");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing picture") << "追加/zsn.gif 1：1"
                                     << "ファイルが見つかりません";
    QTest::newRow("letter") << "mondai2.gif a：2"
                            << "「a」";
    QTest::newRow("zero") << "mondai2.gif 0：2"
                          << "「0」";
    QTest::newRow("ten") << "mondai2.gif 1：10"
                         << "「10」";
    QTest::newRow("picture twice") << "mondai1.gif 1：1"
                                   << "2 行目でも";
    QTest::newRow("no answer") << "mondai2.gif"
                               << "答えがありません";
}

void CheckerTest::questionsFileFaultsOneLineEach() {
    QFETCH(QString, third);
    QFETCH(QString, says);
    ContentCopy copy;
    copy.writeLines(kQuestionsFile, {"# 三行目がまちがい", "mondai1.gif 1：1", third});
    const QList<Finding> findings = ContentChecker(copy.base()).check();
    QVERIFY2(findings.size() == 1, qPrintable(describe(findings)));
    QCOMPARE(findings[0].kind, Finding::Kind::Problem);
    QCOMPARE(findings[0].file, kQuestionsFile);
    QCOMPARE(findings[0].line, 3);
    QVERIFY2(findings[0].message.contains(says), qPrintable(findings[0].message));
    QVERIFY(ContentChecker::reportLine(findings[0])
                .startsWith(QStringLiteral("問題: ") +
                            QDir::toNativeSeparators(QStringLiteral("画像/問題.txt 3 行目: "))));
}

void CheckerTest::questionsFromTheShelfAreChecked() {
    ContentCopy copy;
    for (const QString& f : {"zns", "li2o"})
        QVERIFY(copy.copyShipped(QStringLiteral("\\画像\\追加\\%1.gif").arg(f)));
    copy.writeBytes("\\画像\\追加\\mine.gif", QByteArray(300, '\xA5'));
    // The shipped five are not listed: a damaged one of them is no concern.
    copy.writeBytes("\\画像\\mondai3.gif", QByteArray(300, '\xA5'));
    copy.writeLines(kQuestionsFile, {"追加/zns.gif 1：1", "追加\\li2o.gif ２：１",
                                     "追加/mine.gif 2：4", "mondai1.gif 1：1", "mondai2.gif 1：2",
                                     "mondai4.gif 1：3", "mondai5.gif 1：1"});
    const ContentChecker checker(copy.base());
    const QList<Finding> findings = checker.check();
    QCOMPARE(checker.pictureCount(), 9);
    // The answer that is not in lowest terms, the damaged picture of the
    // list, and the shipped texts that speak of five questions.
    QVERIFY2(findings.size() == 4, qPrintable(describe(findings)));
    QCOMPARE(findings[0].kind, Finding::Kind::Note);
    QCOMPARE(findings[0].line, 3);
    QVERIFY(findings[0].message.contains(QStringLiteral("1：2")));
    QCOMPARE(findings[1].kind, Finding::Kind::Problem);
    QCOMPARE(findings[1].file, QStringLiteral("\\画像\\追加\\mine.gif"));
    QCOMPARE(findings[2].kind, Finding::Kind::Note);
    QCOMPARE(findings[3].kind, Finding::Kind::Note);
    QVERIFY(checker.summaryLine(findings).contains(QStringLiteral("画像 9 個")));
}

void CheckerTest::drillTextsNameTheNumberOfQuestions_data() {
    QTest::addColumn<QStringList>("closing"); // msg3.txt; msg1.txt is the shipped one
    QTest::addColumn<int>("questions");       // listed in the file; 0: no file
    // Lines with a note: of msg1.txt negative, of msg3.txt positive.
    QTest::addColumn<QList<int>>("notes");
    const QStringList shipped = {"おめでとうございます！", "5問すべて正解です。"};
    QTest::newRow("no file, five") << shipped << 0 << QList<int>{};
    QTest::newRow("file of five") << shipped << 5 << QList<int>{};
    // The shipped msg1.txt says 「5つの問題」 on its first line.
    QTest::newRow("seven listed") << shipped << 7 << QList<int>{-1, 2};
    QTest::newRow("ordinals and one at a time are no count")
        << QStringList{"７問すべて正解です。", "第1問から七問まで、", "一問ずつ。"} << 7
        << QList<int>{-1};
    QTest::newRow("kanji") << QStringList{"全部で三問、", "いや十二問です。"} << 3
                           << QList<int>{-1, 2};
}

void CheckerTest::drillTextsNameTheNumberOfQuestions() {
    QFETCH(QStringList, closing);
    QFETCH(int, questions);
    QFETCH(QList<int>, notes);
    ContentCopy copy;
    copy.writeLines(kDrillClosing, closing);
    if (questions > 0) {
        QFile gif(kOutput + QStringLiteral("/画像/maru.gif"));
        QVERIFY(gif.open(QIODevice::ReadOnly));
        const QByteArray bytes = gif.readAll();
        QStringList lines;
        for (int i = 1; i <= questions; ++i) {
            const QString name = QStringLiteral("q%1.gif").arg(i);
            copy.writeBytes(QStringLiteral("\\画像\\") + name, bytes);
            lines << name + QStringLiteral(" 1：%1").arg(i % 9 + 1);
        }
        copy.writeLines(kQuestionsFile, lines);
    }
    const QList<Finding> findings = ContentChecker(copy.base()).check();
    QList<int> seen;
    for (const Finding& f : findings) {
        QVERIFY2(f.kind == Finding::Kind::Note, qPrintable(describe(findings)));
        QVERIFY2(f.message.contains(QStringLiteral("ドリルの問題は %1 問").arg(questions)),
                 qPrintable(f.message));
        seen << (f.file == kDrillClosing ? f.line : -f.line);
    }
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, notes);
}

MIROSUTA_TEST_CLASS(CheckerTest)
#include "tst_checker.moc"
