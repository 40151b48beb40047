#include "platformsoundplayer.h"

// A static program loads nothing: its player is part of it.
SoundPlayer* loadPlatformSoundPlayer(const QString&) {
    return createPlatformSoundPlayer();
}
