// Any bytes as a content text: the encoding is told from the bytes, the text
// decoded into lines and shown in a text panel.

#include "fuzzsupport.h"
#include "textloader.h"
#include "textpanel.h"

#include <QByteArrayView>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// How many lines the bytes hold: a line ends at CR LF, a lone CR or a lone LF,
// and a final line end adds no empty line. CP932 trail bytes are never CR or
// LF, so this byte-level count is what the decoded text must give as well.
qsizetype countLines(QByteArrayView bytes) {
    qsizetype lines = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        ++lines;
        i += (i + 1 < n && bytes[i] == '\r' && bytes[i + 1] == '\n') ? 2 : 1;
    }
    return lines;
}

qsizetype countLineEnds(QByteArrayView bytes) {
    qsizetype ends = 0;
    for (const char c : bytes)
        ends += (c == '\r' || c == '\n') ? 1 : 0;
    return ends;
}

// Printable ASCII, tab and line ends decode to themselves, so there the lines
// can be checked character by character.
bool isPlainAscii(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!(b == '\t' || b == '\r' || b == '\n' || (b >= 0x20 && b < 0x7F)))
            return false;
    }
    return true;
}

// The bytes with every line end made LF and a final one dropped: what the
// lines joined by LF must encode back to when the text is well formed.
QByteArray oneLineEnd(QByteArrayView bytes) {
    QByteArray out = bytes.toByteArray();
    out.replace("\r\n", "\n").replace('\r', '\n');
    if (out.endsWith('\n'))
        out.chop(1);
    return out;
}

bool startsWith(QByteArrayView bytes, QByteArrayView mark) {
    return bytes.size() >= mark.size() && bytes.first(mark.size()) == mark;
}

// A DOS end-of-file byte at the very end is no part of an 8-bit text.
QByteArrayView withoutEndOfFile(QByteArrayView bytes) {
    return !bytes.isEmpty() && bytes.back() == '\x1A' ? bytes.chopped(1) : bytes;
}

// What the rule allows, spelled out from it rather than the loader's code: a
// mark decides; without one, plain ASCII is CP932, UTF-8 needs valid UTF-8
// and UTF-16 an even length. Which of those wins is a judgement of the
// characters, checked by the unit tests.
bool encodingAllowed(QByteArrayView bytes, TextEncoding used) {
    if (startsWith(bytes, QByteArrayView("\xFF\xFE\0\0", 4)) ||
        startsWith(bytes, QByteArrayView("\0\0\xFE\xFF", 4)))
        return used == TextEncoding::Utf32;
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return used == TextEncoding::Utf8;
    if (startsWith(bytes, "\xFF\xFE"))
        return used == TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF"))
        return used == TextEncoding::Utf16BE;
    const QByteArrayView eightBit = withoutEndOfFile(bytes);
    const bool ascii = std::all_of(eightBit.begin(), eightBit.end(),
                                   [](char c) { return c != 0 && (c & 0x80) == 0; });
    if (ascii)
        return used == TextEncoding::Cp932;
    switch (used) {
    case TextEncoding::Cp932:
        return true;
    case TextEncoding::Utf8:
        return QString::fromUtf8(eightBit).toUtf8() == eightBit;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return bytes.size() % 2 == 0 && bytes.size() >= 4;
    case TextEncoding::Utf32:
        return false;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ensureApplication();
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    TextEncoding used;
    const QStringList lines = DecodeLines(bytes, &used);
    FUZZ_CHECK(encodingAllowed(bytes, used));
    qsizetype mark = -1;
    FUZZ_CHECK(DetectTextEncoding(bytes, &mark) == used);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    const QString joined = lines.join(u'\n');

    if (used == TextEncoding::Cp932 || used == TextEncoding::Utf8) {
        // CR and LF are single bytes in both, never inside a character; the
        // text begins after the mark.
        const QByteArrayView text = withoutEndOfFile(bytes.sliced(mark));
        FUZZ_CHECK(lines.size() <= countLineEnds(text) + 1);
        FUZZ_CHECK(lines.size() == countLines(text));
    }
    if (isPlainAscii(bytes) && used == TextEncoding::Cp932)
        FUZZ_CHECK(joined == QString::fromLatin1(oneLineEnd(bytes)));
    if (used == TextEncoding::Utf8) {
        // Without a mark the bytes are valid UTF-8 and come back unchanged;
        // after a mark they do whenever they are valid.
        const QByteArrayView body = withoutEndOfFile(bytes.sliced(mark));
        const bool valid = body.isValidUtf8();
        FUZZ_CHECK(valid || body.size() != bytes.size());
        if (valid)
            FUZZ_CHECK(joined.toUtf8() == oneLineEnd(body));
        else
            FUZZ_CHECK(joined.contains(QChar::ReplacementCharacter));
    }
    if (used == TextEncoding::Utf16LE || used == TextEncoding::Utf16BE) {
        // Well-formed UTF-16 comes back unchanged; anything else shows U+FFFD.
        const QByteArrayView body = bytes.sliced(mark);
        const bool le = used == TextEncoding::Utf16LE;
        QString units;
        for (qsizetype i = 0; i + 1 < body.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(body[le ? i : i + 1]);
            const auto hi = static_cast<unsigned char>(body[le ? i + 1 : i]);
            units += QChar(char16_t(lo | hi << 8));
        }
        bool wellFormed = body.size() % 2 == 0;
        for (qsizetype i = 0; wellFormed && i < units.size(); ++i) {
            if (units[i].isHighSurrogate() && i + 1 < units.size() && units[i + 1].isLowSurrogate())
                ++i;
            else if (units[i].isSurrogate())
                wellFormed = false;
        }
        if (wellFormed) {
            QString expected = units;
            expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
            if (expected.endsWith(u'\n'))
                expected.chop(1);
            FUZZ_CHECK(joined == expected);
        } else {
            FUZZ_CHECK(joined.contains(QChar::ReplacementCharacter));
        }
    }

    // The program's reading: the same lines, or refused for its bounds alone.
    QStringList bounded;
    const QString damage = DecodeContentText(bytes, &bounded);
    const bool overBounds = used == TextEncoding::Utf32 || lines.size() > kMaxTextRows ||
                            std::any_of(lines.begin(), lines.end(), [](const QString& l) {
                                return l.size() > kMaxRowCharacters;
                            });
    FUZZ_CHECK(damage.isEmpty() != overBounds);
    FUZZ_CHECK(damage.isEmpty() ? bounded == lines : bounded.isEmpty());

    // One panel for the whole run, filled the way a screen fills it.
    static TextPanel* const panel = [] {
        auto* p = new TextPanel(TextPanel::Ground::Blue);
        p->resize(400, 200);
        return p;
    }();
    panel->clear();
    panel->addItems(lines);
    FUZZ_CHECK(panel->lines() == lines);
    return 0;
}
