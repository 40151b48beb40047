// The entry point of the sound module, found by name when it is loaded.
#include <QtGlobal>

#ifdef Q_OS_WIN
#include "winmmsoundplayer.h"
using PlatformSoundPlayer = WinmmSoundPlayer;
#else
#include "qtsoundplayer.h"
using PlatformSoundPlayer = QtSoundPlayer;
#endif

extern "C" Q_DECL_EXPORT SoundPlayer* mirosutaCreateSoundPlayer() {
    return new PlatformSoundPlayer;
}
