// The entry point of the sound module, found by name when it is loaded.
#include "platformsoundplayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SoundPlayer* mirosutaCreateSoundPlayer() {
    return createPlatformSoundPlayer();
}
