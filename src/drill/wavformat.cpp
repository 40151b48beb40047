#include "wavformat.h"

#include <QFile>
#include <QFileInfo>

namespace {

quint32 littleEndian(QByteArrayView b, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

constexpr quint32 kPcm = 1;
constexpr quint32 kFloat = 3;
constexpr quint32 kExtensible = 0xFFFE;

} // namespace

QString wavProblem(QByteArrayView bytes) {
    const QString notWav = QStringLiteral(
        "WAV ではありません（壊れているか、別の形式の音です）。WAV で保存してください。");
    const QString cutShort =
        QStringLiteral("音のデータが途中で切れています（ファイルが壊れています）。");
    const qint64 size = bytes.size();
    if (size < 12 || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return notWav;
    if (qint64(littleEndian(bytes, 4, 4)) + 8 > size)
        return cutShort;

    // The RIFF chunks are walked here: none of the players answers this
    // question without playing the sound.
    QByteArrayView format;
    qint64 dataBytes = -1;
    qint64 at = 12;
    while (at + 8 <= size && (format.isEmpty() || dataBytes < 0)) {
        const QByteArrayView chunk = bytes.sliced(at, 8);
        const qint64 length = littleEndian(chunk, 4, 4);
        if (at + 8 + length > size)
            return cutShort;
        if (chunk.startsWith("fmt "))
            format = bytes.sliced(at + 8, qMin<qint64>(length, 40));
        else if (chunk.startsWith("data"))
            dataBytes = length;
        at += 8 + length + (length & 1);
    }
    if (format.size() < 16 || dataBytes < 0)
        return notWav;
    const quint32 tag = littleEndian(format, 0, 2);
    const quint32 channels = littleEndian(format, 2, 2);
    const quint32 rate = littleEndian(format, 4, 4);
    const quint32 bits = littleEndian(format, 14, 2);
    const bool extensible = tag == kExtensible && format.size() >= 26;
    const quint32 kind = extensible ? littleEndian(format, 24, 2) : tag; // the sub-format
    if (kind == kPcm && (bits == 24 || bits == 32) && !extensible)
        return QStringLiteral(
                   "%1 ビットの PCM ですが、WAVE_FORMAT_EXTENSIBLE の形式ではないので "
                   "Windows では鳴らないことがあります。16 ビットの PCM で保存してください。")
            .arg(bits);
    const bool pcm = kind == kPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = kind == kFloat && bits == 32;
    if (!pcm && !floating)
        return QStringLiteral(
            "この形式の WAV（圧縮されたものや 64 ビットのもの）は再生できないことが"
            "あります。非圧縮（PCM）の 16 ビットの WAV で保存してください。");
    if (channels < 1 || channels > 2)
        return QStringLiteral("モノラルかステレオの WAV にしてください。");
    if (rate == 0)
        return notWav;
    if (dataBytes == 0)
        return QStringLiteral("音のデータが入っていません。");
    return {};
}

QByteArray readPlayableWav(const QString& path) {
    // A pipe or a device would block the drill: only plain files are read.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxSoundFileBytes)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(kMaxSoundFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxSoundFileBytes ||
        !wavProblem(bytes).isEmpty())
        return {};
    return bytes;
}
