#include "textloader.h"

#include "basefolder.h"
#include "navigator.h"
#include "textpanel.h"

#include <QFile>
#include <QFileInfo>
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

} // namespace

QStringList DecodeLines(QByteArrayView bytes) {
    // ICU re-reads a byte that cannot complete a character, so CR and LF always
    // survive decoding as line ends; one pass over the whole file is enough.
    QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // ICU marks an invalid sequence with SUB (U+001A); show the usual replacement character.
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    if (endsInHalfCharacter(bytes))
        text += QChar::ReplacementCharacter;

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
    // One repaint for the whole file rather than one per line.
    panel->setUpdatesEnabled(false);
    panel->addItems(DecodeLines(bytes));
    panel->setUpdatesEnabled(true);
}
