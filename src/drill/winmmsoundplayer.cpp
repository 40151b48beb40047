#include "winmmsoundplayer.h"

#include "platformsoundplayer.h"
#include "wavformat.h"

// windows.h first: mmsystem.h builds on its types.
#include <windows.h>

#include <mmsystem.h>

WinmmSoundPlayer::~WinmmSoundPlayer() {
    // A sound still playing would outlive the module that started it, and
    // would read the bytes freed after this.
    PlaySoundW(nullptr, nullptr, 0);
}

void WinmmSoundPlayer::play(const QString& path) {
    // PlaySound's own file reading goes through MMIO, which takes names of at
    // most 128 characters and no "\\?\" form: a folder deep in OneDrive or
    // on a USB stick would go silent. The file is read here and played from
    // memory instead.
    QByteArray bytes = readPlayableWav(path);
    if (bytes.isEmpty())
        return;
    // A new sound replaces the last one; that one must stop before its bytes go.
    PlaySoundW(nullptr, nullptr, 0);
    m_playing = std::move(bytes);
    // SND_NODEFAULT: a sound Windows cannot play stays silent instead of
    // ringing the system's default sound.
    PlaySoundW(reinterpret_cast<LPCWSTR>(m_playing.constData()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

SoundPlayer* createPlatformSoundPlayer() {
    return new WinmmSoundPlayer;
}
