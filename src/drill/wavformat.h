#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Larger sounds are refused as damaged: the drill's sounds last a second or two.
inline constexpr qint64 kMaxSoundFileBytes = 32 * 1024 * 1024;

// Why the bytes of a WAV file would not play on every platform's player, in
// Japanese; empty when they would. Playable: uncompressed PCM of 8 or 16 bits
// (24 and 32 bits only under WAVE_FORMAT_EXTENSIBLE, the only way the Windows
// wave API takes more than 16 bits) or 32-bit float, mono or stereo, with at
// least one sample. The checker reports the reason; the players pass such a
// file over in silence.
QString wavProblem(QByteArrayView bytes);

// The bytes of the WAV file at path when it plays on every platform; empty
// when it is missing, unreadable, larger than kMaxSoundFileBytes or not
// playable. Read with QFile: any length of path, any characters in it.
QByteArray readPlayableWav(const QString& path);
