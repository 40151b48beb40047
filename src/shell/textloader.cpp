#include "textloader.h"

#include "basefolder.h"
#include "navigator.h"
#include "textpanel.h"

#include "contentfile.h"

#include <QFile>
#include <QStringDecoder>

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

} // namespace

TextEncoding DetectTextEncoding(QByteArrayView bytes, qsizetype* markBytes) {
    const auto startsWith = [&](const char* mark, qsizetype n) {
        return bytes.size() >= n && QByteArrayView(bytes.data(), n) == QByteArrayView(mark, n);
    };
    qsizetype mark = 0;
    TextEncoding encoding = TextEncoding::Cp932;
    if (startsWith("\xEF\xBB\xBF", 3)) {
        mark = 3;
        encoding = TextEncoding::Utf8;
    } else if (startsWith("\xFF\xFE", 2)) {
        mark = 2;
        encoding = TextEncoding::Utf16LE;
    } else if (startsWith("\xFE\xFF", 2)) {
        mark = 2;
        encoding = TextEncoding::Utf16BE;
    } else if (bytes.isValidUtf8() && !isAscii(bytes)) {
        // Valid UTF-8 with a multi-byte sequence: CP932 text with kanji or
        // kana is practically never that. Plain ASCII reads the same either way.
        encoding = TextEncoding::Utf8;
    }
    if (markBytes)
        *markBytes = mark;
    return encoding;
}

QStringList DecodeLines(QByteArrayView bytes, TextEncoding* used) {
    qsizetype mark = 0;
    const TextEncoding encoding = DetectTextEncoding(bytes, &mark);
    if (used)
        *used = encoding;
    const QByteArrayView body = bytes.sliced(mark);
    QString text;
    switch (encoding) {
    case TextEncoding::Cp932: {
        // ICU re-reads a byte that cannot complete a character, so CR and LF always
        // survive decoding as line ends; one pass over the whole file is enough.
        QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
        text = decoder.decode(body);
        // ICU marks an invalid sequence with SUB (U+001A); show the usual replacement character.
        text.replace(QChar(0x1A), QChar::ReplacementCharacter);
        if (endsInHalfCharacter(body))
            text += QChar::ReplacementCharacter;
        break;
    }
    case TextEncoding::Utf8:
        // Invalid sequences (possible only after a mark) become U+FFFD; CR and LF
        // are single bytes that never occur inside a sequence.
        text = QStringDecoder(QStringDecoder::Utf8, kUnicodeFlags).decode(body);
        break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        // The decoder passes a surrogate without its partner through, and
        // drops an odd last byte when it is the only one; mark both here.
        text = QStringDecoder(encoding == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE
                                                                : QStringDecoder::Utf16BE,
                              kUnicodeFlags)
                   .decode(body.first(body.size() & ~qsizetype(1)));
        if (body.size() % 2 != 0)
            text += QChar::ReplacementCharacter;
        replaceLoneSurrogates(&text);
        break;
    }

    QStringList lines;
    const QChar* begin = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype eol = i;
        while (eol < n && begin[eol] != u'\r' && begin[eol] != u'\n')
            ++eol;
        lines << QString(begin + i, eol - i);
        if (eol < n && begin[eol] == u'\r' && eol + 1 < n && begin[eol + 1] == u'\n')
            i = eol + 2;
        else
            i = eol + 1;
    }
    return lines;
}

QString ReadContentFile(const QString& fullPath, QByteArray* bytes) {
    QFile file;
    const QString reason = openContentFile(fullPath, &file, kMaxTextFileBytes);
    if (!reason.isEmpty())
        return reason;
    *bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return contentProblemText(ContentProblem::CannotRead, file.errorString());
    if (bytes->size() > kMaxTextFileBytes)
        return contentProblemText(ContentProblem::TooLarge);
    return {};
}

void FillListFromFile(TextPanel* panel, const QString& relative) {
    const QString path = ContentPath(relative);
    panel->clear();
    QByteArray bytes;
    const QString reason = ReadContentFile(path, &bytes);
    if (!reason.isEmpty()) {
        ReportContentFailure(path, reason);
        return;
    }
    // One repaint for the whole file rather than one per line.
    panel->setUpdatesEnabled(false);
    panel->addItems(DecodeLines(bytes));
    panel->setUpdatesEnabled(true);
}
