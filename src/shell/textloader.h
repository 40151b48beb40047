#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TextPanel;

// The encodings a teacher's editor writes.
enum class TextEncoding {
    Cp932,   // Shift_JIS as Windows writes it: the shipped texts
    Utf8,    // with or without a byte-order mark
    Utf16LE, // with a byte-order mark only
    Utf16BE, // with a byte-order mark only
};

// Which encoding a content text is read in: UTF-16 or UTF-8 when the bytes
// start with that byte-order mark, UTF-8 when they are entirely valid UTF-8
// with at least one multi-byte sequence, CP932 otherwise. *markBytes, when
// given, is set to the length of the byte-order mark (0 when there is none).
TextEncoding DetectTextEncoding(QByteArrayView bytes, qsizetype* markBytes = nullptr);

// Decodes text in the encoding DetectTextEncoding finds (the mark is not part
// of the text) and splits it into lines. A line ends at CR LF, at a lone CR or
// at a lone LF; the end is tested before each read, so an empty file gives no
// line, a last line without a line end is kept and a final line end adds no
// empty line. Invalid byte sequences become U+FFFD.
QStringList DecodeLines(QByteArrayView bytes, TextEncoding* used = nullptr);

// Why a content file could not be read, in Japanese; empty when it can be.
QString ReadContentFile(const QString& fullPath, QByteArray* bytes);

// Empties the panel, then adds every line of BaseFolder + relative as one item.
// A file that cannot be read is reported with its full path and ends the program.
void FillListFromFile(TextPanel* panel, const QString& relative);

// Larger content texts are refused as damaged rather than filling a panel for minutes.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;
