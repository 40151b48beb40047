#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class TextPanel;

// Splits CP932 text into lines and decodes each one. A line ends at CR LF, at a
// lone CR or at a lone LF; the end is tested before each read, so an empty file
// gives no line, a last line without a line end is kept and a final line end
// adds no empty line. Invalid byte sequences become U+FFFD.
QStringList DecodeLines(QByteArrayView bytes);

// Why a content file could not be read, in Japanese; empty when it can be.
QString ReadContentFile(const QString& fullPath, QByteArray* bytes);

// Empties the panel, then adds every line of BaseFolder + relative as one item.
// A file that cannot be read is reported with its full path and ends the program.
void FillListFromFile(TextPanel* panel, const QString& relative);

// Larger content texts are refused as damaged rather than filling a panel for minutes.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;
