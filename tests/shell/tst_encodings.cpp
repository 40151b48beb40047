// The encodings a teacher's editor writes: CP932 as shipped, UTF-8 with and
// without a byte-order mark, UTF-16 with one and without. Each is read into
// the same panel rows, with every kind of line end; bytes that are valid in
// more than one are read in the one that gives Japanese text.

#include "startdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textloader.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// A text with what teachers write and what encodings get wrong: a circled
// digit and a wave dash (CP932 extensions), full-width indentation, a blank
// line, and a last line without a line end.
const QStringList kLines{
    QStringLiteral("① 体心立方格子の原子は２個"),
    QStringLiteral("　　半径は 0.1～0.2 nm"),
    QString(),
    QStringLiteral("ﾐﾛｽﾀ と ミロスタ"),
};

QByteArray joined(const QStringList& lines, QStringEncoder::Encoding encoding, bool mark,
                  const QString& eol) {
    QStringEncoder enc(encoding,
                       mark ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
    return enc.encode(lines.join(eol));
}

QByteArray cp932(const QStringList& lines, const QString& eol) {
    QStringEncoder enc("Shift_JIS");
    return enc.encode(lines.join(eol));
}

} // namespace

class EncodingTest : public QObject {
    Q_OBJECT

private slots:
    void decodesEachEncoding_data();
    void decodesEachEncoding();
    void cp932KeepsItsLook_data();
    void cp932KeepsItsLook();
    void validBothWays_data();
    void validBothWays();
    void utf16WithoutMark_data();
    void utf16WithoutMark();
    void endOfFileByteAndUtf32Mark();
    void rowsAndRowLengthAreBounded();
    void damagedUnicodeShowsReplacement_data();
    void damagedUnicodeShowsReplacement();
    void utf8FileFillsThePanel();
};

void EncodingTest::decodesEachEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    for (const auto& [eolName, eol] :
         {std::pair("CR LF", "\r\n"), std::pair("LF", "\n"), std::pair("CR", "\r")}) {
        const QString e = QString::fromLatin1(eol);
        const QByteArray tag = QByteArray(", ") + eolName;
        QTest::newRow("CP932" + tag) << cp932(kLines, e) << TextEncoding::Cp932;
        QTest::newRow("UTF-8" + tag)
            << joined(kLines, QStringEncoder::Utf8, false, e) << TextEncoding::Utf8;
        QTest::newRow("UTF-8 with mark" + tag)
            << joined(kLines, QStringEncoder::Utf8, true, e) << TextEncoding::Utf8;
        QTest::newRow("UTF-16LE with mark" + tag)
            << joined(kLines, QStringEncoder::Utf16LE, true, e) << TextEncoding::Utf16LE;
        QTest::newRow("UTF-16BE with mark" + tag)
            << joined(kLines, QStringEncoder::Utf16BE, true, e) << TextEncoding::Utf16BE;
    }
}

void EncodingTest::decodesEachEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    TextEncoding used;
    QCOMPARE(DecodeLines(bytes, &used), kLines);
    QCOMPARE(used, encoding);
    // A final line end adds no row, whatever the encoding.
    const QByteArray lf = encoding == TextEncoding::Utf16LE   ? QByteArray("\n\0", 2)
                          : encoding == TextEncoding::Utf16BE ? QByteArray("\0\n", 2)
                                                              : QByteArray("\n");
    QCOMPARE(DecodeLines(bytes + lf), kLines);
}

void EncodingTest::cp932KeepsItsLook_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    // Hiragana, full-width katakana and most kanji in CP932 begin with bytes that
    // cannot begin a UTF-8 sequence, so texts like the shipped ones are not valid
    // UTF-8 at all (for the few that are, see validBothWays).
    QTest::newRow("kanji") << QByteArray("\x91\xcc\x90\x53\x97\xa7\x95\xfb\r\n")
                           << QStringList{QStringLiteral("体心立方")};
    QTest::newRow("circled digit and wave dash")
        << QByteArray("\x87\x40\x81\x60") << QStringList{QStringLiteral("①～")};
    // Plain ASCII reads the same in both; an empty file gives no row.
    QTest::newRow("ASCII") << QByteArray("r = a/2\r\n\r\nend") << QStringList{"r = a/2", "", "end"};
    QTest::newRow("empty") << QByteArray() << QStringList();
    // One byte that cannot continue UTF-8 after half-width katakana.
    QTest::newRow("ﾃｽﾄ") << QByteArray("\xc3\xbd\xc4") << QStringList{QStringLiteral("ﾃｽﾄ")};
    // Half-width katakana, also valid EUC-JP and, in pairs, UTF-16.
    QTest::newRow("ｶﾀｶﾅ") << QByteArray("\xb6\xc0\xb6\xc5") << QStringList{QStringLiteral("ｶﾀｶﾅ")};
}

void EncodingTest::cp932KeepsItsLook() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TextEncoding used;
    QCOMPARE(DecodeLines(bytes, &used), lines);
    QCOMPARE(used, TextEncoding::Cp932);
}

void EncodingTest::validBothWays_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("line");
    // CP932 that is also valid UTF-8: half-width katakana (ﾃｽ is "ý" in UTF-8),
    // a level-2 kanji before a full-width symbol (爛、 is U+08C1 "A"), a
    // half-width katakana before a full-width character (ﾃ。 is "ÁB").
    QTest::newRow("ﾃｽ") << QByteArray("\xc3\xbd") << TextEncoding::Cp932 << QStringLiteral("ﾃｽ");
    QTest::newRow("爛、") << QByteArray("\xe0\xa3\x81\x41") << TextEncoding::Cp932
                          << QStringLiteral("爛、");
    QTest::newRow("ﾃ。") << QByteArray("\xc3\x81\x42") << TextEncoding::Cp932
                         << QStringLiteral("ﾃ。");
    // UTF-8 that is also valid CP932 (ア reads as a level-2 kanji and ｢) stays UTF-8.
    QTest::newRow("UTF-8 ア") << QByteArray("\xe3\x82\xa2") << TextEncoding::Utf8
                              << QStringLiteral("ア");
    QTest::newRow("UTF-8 アイ") << QByteArray("\xe3\x82\xa2\xe3\x82\xa4") << TextEncoding::Utf8
                                << QStringLiteral("アイ");
    QTest::newRow("UTF-8 r²") << QByteArray("r\xc2\xb2") << TextEncoding::Utf8
                              << QStringLiteral("r²");
}

void EncodingTest::validBothWays() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, line);
    // The bytes really are valid both ways: the rule, not the validity, decides.
    QVERIFY(bytes.isValidUtf8());
    QStringDecoder cp932("Shift_JIS");
    QVERIFY(!QString(cp932.decode(bytes)).contains(QChar(0x1A)));
    QVERIFY(!cp932.hasError());
    TextEncoding used;
    QCOMPARE(DecodeLines(bytes, &used), QStringList{line});
    QCOMPARE(used, encoding);
}

void EncodingTest::utf16WithoutMark_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QStringList>("lines");
    // One line without CR LF has no 00 byte at all; kana and kanji alone.
    for (const QString& text :
         {QStringLiteral("カタカナ"), QStringLiteral("体心立方格子"), QStringLiteral("金属結晶")}) {
        QTest::addRow("%s LE", qPrintable(text))
            << joined({text}, QStringEncoder::Utf16LE, false, "") << TextEncoding::Utf16LE
            << QStringList{text};
        QTest::addRow("%s BE", qPrintable(text))
            << joined({text}, QStringEncoder::Utf16BE, false, "") << TextEncoding::Utf16BE
            << QStringList{text};
    }
    QTest::newRow("text LE") << joined(kLines, QStringEncoder::Utf16LE, false, "\r\n")
                             << TextEncoding::Utf16LE << kLines;
}

void EncodingTest::utf16WithoutMark() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QStringList, lines);
    qsizetype mark = -1;
    QCOMPARE(DetectTextEncoding(bytes, &mark), encoding);
    QCOMPARE(mark, 0);
    QCOMPARE(DecodeLines(bytes), lines);
}

void EncodingTest::endOfFileByteAndUtf32Mark() {
    // DOS editors end a file with 0x1A: dropped at the very end, shown elsewhere.
    QCOMPARE(DecodeLines("\x91\xcc\x90\x53\r\n\x1a"), QStringList{QStringLiteral("体心")});
    QCOMPARE(DecodeLines("\xe3\x81\x82\x1a"), QStringList{QStringLiteral("あ")});
    QCOMPARE(DecodeLines("\xef\xbb\xbf"
                         "a\x1a"),
             QStringList{"a"});
    const QStringList inside = DecodeLines("a\x1a\r\nb");
    QCOMPARE(inside.size(), 2);
    QCOMPARE(inside.at(0).size(), 2); // kept before a line end
    // A UTF-32 mark is not taken for UTF-16's, whose first two bytes it shares.
    for (const QByteArray& bytes :
         {QByteArray("\xff\xfe\0\0a\0\0\0", 8), QByteArray("\0\0\xfe\xff\0\0\0a", 8)}) {
        qsizetype mark = 0;
        QCOMPARE(DetectTextEncoding(bytes, &mark), TextEncoding::Utf32);
        QCOMPARE(mark, 4);
        QStringList lines{"stale"};
        QVERIFY(DecodeContentText(bytes, &lines).contains("UTF-32"));
        QVERIFY(lines.isEmpty());
    }
}

void EncodingTest::rowsAndRowLengthAreBounded() {
    QStringList lines;
    QCOMPARE(DecodeContentText(QByteArray(kMaxTextRows, '\n'), &lines), QString());
    QCOMPARE(lines.size(), kMaxTextRows);
    QVERIFY(
        DecodeContentText(QByteArray(kMaxTextRows + 1, '\n'), &lines).contains("行が多すぎます"));
    QVERIFY(lines.isEmpty());
    // Rows are counted as a panel shows them: CR LF is one line end.
    QByteArray crlf;
    for (int i = 0; i < kMaxTextRows; ++i)
        crlf += "x\r\n";
    QCOMPARE(DecodeContentText(crlf, &lines), QString());
    // Characters, not bytes: a row of kanji is as long as one of ASCII.
    const QByteArray longest =
        QStringEncoder(QStringEncoder::Utf8).encode(QString(kMaxRowCharacters, QChar(0x4F53)));
    QCOMPARE(DecodeContentText("a\n" + longest, &lines), QString());
    QCOMPARE(lines.at(1).size(), kMaxRowCharacters);
    QVERIFY(
        DecodeContentText("a\n" + longest + "\xe4\xbd\x93", &lines).contains("2 行目が長すぎます"));
}

void EncodingTest::damagedUnicodeShowsReplacement_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QString bad(QChar::ReplacementCharacter);
    QTest::newRow("UTF-8 mark, invalid byte")
        << QByteArray("\xef\xbb\xbf\xe3\x81\x82\xff\r\nok") << QStringList{"あ" + bad, "ok"};
    QTest::newRow("UTF-8 mark, cut in a character")
        << QByteArray("\xef\xbb\xbfok\r\n\xe3\x81") << QStringList{"ok", bad};
    QTest::newRow("UTF-16LE, odd last byte") << QByteArray("\xff\xfe"
                                                           "a\0\r\0\n\0b",
                                                           9)
                                             << QStringList{"a", bad};
    QTest::newRow("UTF-16BE, lone surrogate")
        << QByteArray("\xfe\xff\xd8\x00\0a", 6) << QStringList{bad + "a"};
    QTest::newRow("only a mark") << QByteArray("\xef\xbb\xbf") << QStringList();
    QTest::newRow("UTF-16BE mark and one byte") << QByteArray("\xfe\xff\x09") << QStringList{bad};
    // Only the first mark is taken off; a second one is part of the text.
    QTest::newRow("two UTF-8 marks") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                                                   "a")
                                     << QStringList{QChar(0xFEFF) + QString("a")};
}

void EncodingTest::damagedUnicodeShowsReplacement() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    // How many replacement characters stand for one damaged sequence is the
    // decoder's choice; that one shows, in its place, is the point.
    QStringList got = DecodeLines(bytes);
    const QString two(2, QChar::ReplacementCharacter);
    for (QString& l : got)
        while (l.contains(two))
            l.replace(two, QString(QChar::ReplacementCharacter));
    QCOMPARE(got, lines);
}

void EncodingTest::utf8FileFillsThePanel() {
    // Notepad's default: UTF-8 with CR LF, here with a mark, on the start screen.
    Harness h;
    h.content.writeBytes("\\説明\\メニュー\\msg1.txt",
                         joined(kLines, QStringEncoder::Utf8, true, "\r\n"));
    h.content.writeBytes(
        "\\説明\\メニュー\\msg2.txt",
        joined({QStringLiteral("ミロスタ")}, QStringEncoder::Utf16LE, true, "\r\n"));
    h.open(ScreenId::Start);
    QVERIFY(h.errors.messages.isEmpty());
    QCOMPARE(h.on<controls::start::Tag>().panelLines(controls::start::List1), kLines);
    QCOMPARE(h.on<controls::start::Tag>().panelLines(controls::start::List2),
             QStringList{QStringLiteral("ミロスタ")});
}

MIROSUTA_TEST_CLASS(EncodingTest)
#include "tst_encodings.moc"
