#include "textloader.h"

#include "basefolder.h"
#include "navigator.h"
#include "textpanel.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// True when the line ends in a lead byte that has no byte after it: ICU drops
// such a byte silently, and the learner should see that something is missing.
bool endsInHalfCharacter(QByteArrayView line) {
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (!isLeadByte(b))
            ++i;
        else if (i + 1 == n)
            return true;
        else
            i += isTrailByte(static_cast<unsigned char>(line[i + 1])) ? 2 : 1;
    }
    return false;
}

QString decodeLine(QStringDecoder& decoder, QByteArrayView line) {
    QString text = decoder.decode(line);
    // ICU marks an invalid sequence with SUB (U+001A); show the usual replacement character.
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    if (endsInHalfCharacter(line))
        text += QChar::ReplacementCharacter;
    return text;
}

} // namespace

QStringList DecodeLines(QByteArrayView bytes) {
    QStringList lines;
    // Trail bytes of CP932 are never CR or LF, so splitting the bytes first is
    // safe and keeps an invalid lead byte from swallowing a line end.
    QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* eol = p;
        while (eol < end && *eol != '\r' && *eol != '\n')
            ++eol;
        lines << decodeLine(decoder, QByteArrayView(p, eol - p));
        if (eol < end && *eol == '\r' && eol + 1 < end && eol[1] == '\n')
            p = eol + 2;
        else
            p = eol + 1;
    }
    return lines;
}

QString ReadContentFile(const QString& fullPath, QByteArray* bytes) {
    const QFileInfo info(fullPath);
    if (!info.exists())
        return QStringLiteral("ファイルが見つかりません。");
    if (info.isDir())
        return QStringLiteral("ファイルではなくフォルダーです。");
    if (info.size() > kMaxTextFileBytes)
        return QStringLiteral("ファイルが大きすぎます（壊れている可能性があります）。");
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError)
            return QStringLiteral("ファイルを開く権限がありません。");
        return QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString());
    }
    *bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("ファイルを読み込めません（%1）。").arg(file.errorString());
    if (bytes->size() > kMaxTextFileBytes)
        return QStringLiteral("ファイルが大きすぎます（壊れている可能性があります）。");
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
    panel->addItems(DecodeLines(bytes));
}
