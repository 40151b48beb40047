#include "webaudiosoundplayer.h"

#include "platformsoundplayer.h"

#include <QFile>

#include <emscripten.h>

namespace {

// The drill's sounds are a few hundred KiB; anything far larger is no sound of ours.
constexpr qint64 kLargestSound = 16 * 1024 * 1024;

// The page's player (index.html) copies the bytes, so they may go at once.
EM_JS(void, mirosutaPlaySoundBytes, (const char* data, int size), {
    const player = globalThis.mirosutaSound;
    if (player)
        player.play(HEAPU8.slice(data, data + size).buffer);
});

} // namespace

void WebAudioSoundPlayer::play(const QString& path) {
    QFile file(path);
    if (file.size() > kLargestSound || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (!bytes.isEmpty())
        mirosutaPlaySoundBytes(bytes.constData(), int(bytes.size()));
}

SoundPlayer* createPlatformSoundPlayer() {
    return new WebAudioSoundPlayer;
}
