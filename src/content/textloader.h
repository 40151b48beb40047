#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The encodings a teacher's editor writes.
enum class TextEncoding {
    Cp932,   // Shift_JIS as Windows writes it: the shipped texts
    Utf8,    // with or without a byte-order mark
    Utf16LE, // with a byte-order mark, or recognised without one
    Utf16BE, // with a byte-order mark, or recognised without one
    Utf32,   // a UTF-32 byte-order mark: not read, reported
};

// Which encoding a content text is read in. A byte-order mark decides
// (UTF-8, UTF-16, or UTF-32, which is not read). Without one, the bytes are
// read as CP932, as UTF-8 when they are valid UTF-8, and as UTF-16 when their
// length is even (two characters at least), and the reading whose characters are most like Japanese
// text (ASCII, kana, kanji, full-width forms, CJK punctuation) is taken; on a
// tie UTF-8 goes before CP932 and CP932 before UTF-16. *markBytes, when
// given, is set to the length of the byte-order mark (0 when there is none).
TextEncoding DetectTextEncoding(QByteArrayView bytes, qsizetype* markBytes = nullptr);

// Decodes text in the encoding DetectTextEncoding finds (the mark is not part
// of the text) and splits it into lines. A line ends at CR LF, at a lone CR or
// at a lone LF; the end is tested before each read, so an empty file gives no
// line, a last line without a line end is kept and a final line end adds no
// empty line. A DOS end-of-file byte (0x1A) at the very end is dropped.
// Invalid byte sequences become U+FFFD. UTF-32 gives no lines.
QStringList DecodeLines(QByteArrayView bytes, TextEncoding* used = nullptr);

// Far more than any real text holds; a text with more is damaged, and would
// otherwise take gigabytes and minutes to fill a panel.
inline constexpr int kMaxTextRows = 10000;
inline constexpr int kMaxRowCharacters = 2000;

// DecodeLines for a content text: returns why the text cannot be shown, in
// Japanese (too many rows, a row too long, UTF-32), or an empty string when
// *lines holds it. Stops at the first row past the bounds.
QString DecodeContentText(QByteArrayView bytes, QStringList* lines, TextEncoding* used = nullptr);

// Why a content file could not be read, in Japanese; empty when it can be.
QString ReadContentFile(const QString& fullPath, QByteArray* bytes);

// Larger content texts are refused as damaged rather than filling a panel for minutes.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;
