#include "winmmsoundplayer.h"

#include "platformsoundplayer.h"

#include <QDir>
#include <QFileInfo>

// windows.h first: mmsystem.h builds on its types.
#include <windows.h>

#include <mmsystem.h>

WinmmSoundPlayer::~WinmmSoundPlayer() {
    // A sound still playing would outlive the module that started it.
    PlaySoundW(nullptr, nullptr, 0);
}

void WinmmSoundPlayer::play(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return;
    // SND_NODEFAULT: a file Windows cannot play stays silent instead of
    // ringing the system's default sound. A new sound replaces the last one.
    const std::wstring native = QDir::toNativeSeparators(file.absoluteFilePath()).toStdWString();
    PlaySoundW(native.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

SoundPlayer* createPlatformSoundPlayer() {
    return new WinmmSoundPlayer;
}
