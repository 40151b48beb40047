#include "textloader.h"

#include "basefolder.h"

#include "contentfile.h"

#include <QFile>
#include <QStringDecoder>
#include <limits>

namespace {

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// True when the text ends in a lead byte that has no byte after it: ICU drops
// such a byte silently, and the learner should see that something is missing.
bool endsInHalfCharacter(QByteArrayView text) {
    // CR and LF never occur inside a character, so the last line alone decides.
    qsizetype i = text.size();
    while (i > 0 && text[i - 1] != '\r' && text[i - 1] != '\n')
        --i;
    const qsizetype n = text.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (!isLeadByte(b))
            ++i;
        else if (i + 1 == n)
            return true;
        else
            i += isTrailByte(static_cast<unsigned char>(text[i + 1])) ? 2 : 1;
    }
    return false;
}

// The mark is already cut off; a second one is text and stays, as in the file.
constexpr auto kUnicodeFlags =
    QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;

bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool startsWith(QByteArrayView bytes, QByteArrayView mark) {
    return bytes.size() >= mark.size() && bytes.first(mark.size()) == mark;
}

// Editors of the DOS era end a file with SUB; it is no character of the text.
QByteArrayView withoutEndOfFile(QByteArrayView body) {
    return !body.isEmpty() && body.back() == '\x1A' ? body.chopped(1) : body;
}

void replaceLoneSurrogates(QString* text) {
    const qsizetype n = text->size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text->at(i);
        if (c.isHighSurrogate() && i + 1 < n && text->at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            (*text)[i] = QChar::ReplacementCharacter;
    }
}

QString decodeCp932(QByteArrayView body) {
    // ICU re-reads a byte that cannot complete a character, so CR and LF always
    // survive decoding as line ends; one pass over the whole file is enough.
    QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    // ICU marks an invalid sequence with SUB (U+001A); show the usual replacement character.
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    if (endsInHalfCharacter(body))
        text += QChar::ReplacementCharacter;
    return text;
}

QString decodeUtf16(QByteArrayView body, bool littleEndian) {
    // The decoder passes a surrogate without its partner through, and
    // drops an odd last byte when it is the only one; mark both here.
    QString text = QStringDecoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                                  kUnicodeFlags)
                       .decode(body.first(body.size() & ~qsizetype(1)));
    if (body.size() % 2 != 0)
        text += QChar::ReplacementCharacter;
    replaceLoneSurrogates(&text);
    return text;
}

QString decode(QByteArrayView body, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Cp932:
        return decodeCp932(withoutEndOfFile(body));
    case TextEncoding::Utf8:
        // Invalid sequences (possible only after a mark) become U+FFFD; CR and LF
        // are single bytes that never occur inside a sequence.
        return QStringDecoder(QStringDecoder::Utf8, kUnicodeFlags).decode(withoutEndOfFile(body));
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return decodeUtf16(body, encoding == TextEncoding::Utf16LE);
    case TextEncoding::Utf32:
        return {};
    }
    Q_UNREACHABLE();
}

// How unlike Japanese text a character is: 0 for what Japanese texts are made
// of, 1 for what they hold now and then, 3 for what they practically never
// hold (letters of other scripts, controls, U+FFFD).
int strangeness(char32_t u) {
    if (u < 0x80 && QByteArrayView("\\^`{}|~[]<>@#$&*_").contains(char(u)))
        return 1; // ASCII signs that lesson texts seldom hold
    if (u == '\t' || u == '\r' || u == '\n' || (u >= 0x20 && u < 0x7F))
        return 0;
    const auto in = [u](char32_t first, char32_t last) { return u >= first && u <= last; };
    if (in(0x3000, 0x30FF) || in(0x4E00, 0x9FFF) || in(0xFF01, 0xFF60) || in(0xFFE0, 0xFFEF))
        return 0; // CJK punctuation, kana, kanji, full-width forms
    if (in(0x2010, 0x206F) || in(0x2190, 0x22FF) || in(0x2460, 0x24FF) || in(0x25A0, 0x25FF) ||
        u == 0xD7 || u == 0xF7 || u == 0xB0 || u == 0xB1)
        return 0; // the punctuation and signs of CP932: ― … → ∞ ① ○ × ÷ ° ±
    if (in(0xFF61, 0xFF9F) || in(0x3400, 0x4DBF) || in(0xF900, 0xFAFF) || in(0x3200, 0x33FF) ||
        in(0x00A0, 0x00BF) || in(0x0370, 0x04FF) || in(0x2100, 0x218F) || in(0x2500, 0x259F) ||
        in(0x2600, 0x26FF) || u == 0xFEFF)
        return 1; // half-width kana, rare kanji, enclosed forms, Greek, Cyrillic, symbols
    return 3;
}

// The strangeness of a whole text; counting stops once it passes limit.
qint64 strangeness(const QString& text, qint64 limit) {
    qint64 sum = 0;
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    while (p < end && sum <= limit) {
        char32_t u = *p++;
        if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p))
            u = QChar::surrogateToUcs4(char16_t(u), *p++);
        sum += strangeness(u);
    }
    return sum;
}

// Bytes without a mark that could be CP932, UTF-8 or UTF-16: the reading most
// like Japanese text, in the order given on a tie. *text, when given, gets
// the winner's decoding when it was made on the way (else it stays empty).
TextEncoding likeliestEncoding(QByteArrayView bytes, QString* text = nullptr) {
    const QByteArrayView eightBit = withoutEndOfFile(bytes);
    if (isAscii(eightBit) && !eightBit.contains('\0'))
        return TextEncoding::Cp932; // reads the same in CP932 and UTF-8
    QList<TextEncoding> candidates;
    if (eightBit.isValidUtf8())
        candidates << TextEncoding::Utf8;
    candidates << TextEncoding::Cp932;
    // One character is too little to tell UTF-16 from damaged CP932.
    if (bytes.size() % 2 == 0 && bytes.size() >= 4)
        candidates << TextEncoding::Utf16LE << TextEncoding::Utf16BE;
    TextEncoding best = candidates.first();
    qint64 bestStrangeness = std::numeric_limits<qint64>::max();
    QString bestText;
    for (const TextEncoding e : candidates) {
        // Nothing beats a reading of pure Japanese text that comes first.
        if (bestStrangeness == 0)
            break;
        // Without a mark UTF-16 must read as Japanese text, not merely better
        // than noise: a damaged file stays in the 8-bit reading, rows and all.
        // Its first few kilobytes tell most files apart without decoding all.
        const bool utf16 = e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE;
        constexpr qsizetype kSample = 4096;
        if (utf16 && bytes.size() > kSample) {
            const QString sample = decode(bytes.first(kSample), e);
            if (strangeness(sample, sample.size()) * 8 > sample.size())
                continue;
        }
        QString decoded = decode(bytes, e);
        const qint64 s = strangeness(decoded, bestStrangeness);
        if (utf16 && s * 8 > decoded.size())
            continue;
        if (s < bestStrangeness) {
            best = e;
            bestStrangeness = s;
            bestText = std::move(decoded);
        }
    }
    if (text)
        *text = std::move(bestText);
    return best;
}

// The encoding, the mark's length and, when detection made it, the decoded text.
TextEncoding detect(QByteArrayView bytes, qsizetype* markBytes, QString* text) {
    qsizetype mark = 0;
    TextEncoding encoding;
    // The UTF-32 little-endian mark begins with the UTF-16 one: test it first.
    if (startsWith(bytes, QByteArrayView("\xFF\xFE\0\0", 4)) ||
        startsWith(bytes, QByteArrayView("\0\0\xFE\xFF", 4))) {
        mark = 4;
        encoding = TextEncoding::Utf32;
    } else if (startsWith(bytes, "\xEF\xBB\xBF")) {
        mark = 3;
        encoding = TextEncoding::Utf8;
    } else if (startsWith(bytes, "\xFF\xFE")) {
        mark = 2;
        encoding = TextEncoding::Utf16LE;
    } else if (startsWith(bytes, "\xFE\xFF")) {
        mark = 2;
        encoding = TextEncoding::Utf16BE;
    } else {
        encoding = likeliestEncoding(bytes, text);
    }
    if (markBytes)
        *markBytes = mark;
    return encoding;
}

// The text of the bytes in the encoding detection finds.
QString decodeDetected(QByteArrayView bytes, TextEncoding* used) {
    qsizetype mark = 0;
    QString text;
    *used = detect(bytes, &mark, &text);
    if (text.isEmpty())
        text = decode(bytes.sliced(mark), *used);
    return text;
}

// Splits text into lines (see DecodeLines). Returns false, with *badRow the
// 1-based row, when a row is longer than maxChars or there are more rows
// than maxRows (then *badRow is maxRows + 1).
bool splitLines(const QString& text, QStringList* lines, qsizetype maxRows, qsizetype maxChars,
                qsizetype* badRow) {
    const QChar* begin = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (lines->size() >= maxRows) {
            *badRow = lines->size() + 1;
            return false;
        }
        qsizetype eol = i;
        while (eol < n && begin[eol] != u'\r' && begin[eol] != u'\n')
            ++eol;
        if (eol - i > maxChars) {
            *badRow = lines->size() + 1;
            return false;
        }
        *lines << QString(begin + i, eol - i);
        if (eol < n && begin[eol] == u'\r' && eol + 1 < n && begin[eol + 1] == u'\n')
            i = eol + 2;
        else
            i = eol + 1;
    }
    return true;
}

} // namespace

TextEncoding DetectTextEncoding(QByteArrayView bytes, qsizetype* markBytes) {
    return detect(bytes, markBytes, nullptr);
}

QStringList DecodeLines(QByteArrayView bytes, TextEncoding* used) {
    TextEncoding encoding;
    const QString text = decodeDetected(bytes, &encoding);
    if (used)
        *used = encoding;
    QStringList lines;
    qsizetype unused = 0;
    splitLines(text, &lines, std::numeric_limits<qsizetype>::max(),
               std::numeric_limits<qsizetype>::max(), &unused);
    return lines;
}

QString DecodeContentText(QByteArrayView bytes, QStringList* lines, TextEncoding* used) {
    TextEncoding encoding;
    const QString text = decodeDetected(bytes, &encoding);
    if (used)
        *used = encoding;
    lines->clear();
    if (encoding == TextEncoding::Utf32)
        return QStringLiteral("UTF-32 で保存されています。このプログラムが読めるのは "
                              "CP932 (Shift_JIS)、UTF-8、UTF-16 です。");
    qsizetype badRow = 0;
    if (splitLines(text, lines, kMaxTextRows, kMaxRowCharacters, &badRow))
        return {};
    lines->clear();
    if (badRow > kMaxTextRows)
        return QStringLiteral("行が多すぎます（%1 行を超えています。ファイルが壊れている可能性が"
                              "あります）。")
            .arg(kMaxTextRows);
    return QStringLiteral("%1 行目が長すぎます（%2 文字を超えています。ファイルが壊れている"
                          "可能性があります）。")
        .arg(badRow)
        .arg(kMaxRowCharacters);
}

QString ReadContentFile(const QString& fullPath, QByteArray* bytes) {
    QFile file;
    const QString reason = openContentFile(fullPath, &file, kMaxTextFileBytes);
    if (!reason.isEmpty())
        return reason;
    *bytes = readContentBytes(&file, kMaxTextFileBytes);
    if (file.error() != QFileDevice::NoError)
        return contentProblemText(ContentProblem::CannotRead, file.errorString());
    if (bytes->size() > kMaxTextFileBytes)
        return contentProblemText(ContentProblem::TooLarge);
    return {};
}
