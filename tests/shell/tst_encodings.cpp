// The encodings a teacher's editor writes: CP932 as shipped, UTF-8 with and
// without a byte-order mark, UTF-16 with one. Each is read into the same panel
// rows, with every kind of line end.

#include "testmain.h"
#include "testsupport.h"
#include "textloader.h"

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
    void halfWidthKanaThatIsAlsoUtf8();
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
    // Kana and kanji in CP932 are never valid UTF-8, so the shipped texts read as before.
    QTest::newRow("kanji") << QByteArray("\x91\xcc\x90\x53\x97\xa7\x95\xfb\r\n")
                           << QStringList{QStringLiteral("体心立方")};
    QTest::newRow("circled digit and wave dash")
        << QByteArray("\x87\x40\x81\x60") << QStringList{QStringLiteral("①～")};
    // Plain ASCII reads the same in both; an empty file gives no row.
    QTest::newRow("ASCII") << QByteArray("r = a/2\r\n\r\nend") << QStringList{"r = a/2", "", "end"};
    QTest::newRow("empty") << QByteArray() << QStringList();
}

void EncodingTest::cp932KeepsItsLook() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TextEncoding used;
    QCOMPARE(DecodeLines(bytes, &used), lines);
    QCOMPARE(used, TextEncoding::Cp932);
}

void EncodingTest::halfWidthKanaThatIsAlsoUtf8() {
    // The one known ambiguity: "ﾃｽ" in CP932 (C3 BD) is also valid UTF-8 for
    // "ý", and is read as UTF-8. One more character that is not a UTF-8
    // continuation byte ("ﾃｽﾄ") is enough to read it as CP932 again.
    TextEncoding used;
    QCOMPARE(DecodeLines("\xc3\xbd", &used), QStringList{QStringLiteral("ý")});
    QCOMPARE(used, TextEncoding::Utf8);
    QCOMPARE(DecodeLines("\xc3\xbd\xc4", &used), QStringList{QStringLiteral("ﾃｽﾄ")});
    QCOMPARE(used, TextEncoding::Cp932);
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
    QTest::newRow("two UTF-8 marks")
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbf" "a") << QStringList{QChar(0xFEFF) + QString("a")};
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
    QCOMPARE(h.panelLines("List1"), kLines);
    QCOMPARE(h.panelLines("List2"), QStringList{QStringLiteral("ミロスタ")});
}

MIROSUTA_TEST_CLASS(EncodingTest)
#include "tst_encodings.moc"
