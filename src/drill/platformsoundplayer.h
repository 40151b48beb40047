#pragma once

#include "services.h"

// The sound player of this platform, one file each: qtsoundplayer.cpp (Qt
// Multimedia), winmmsoundplayer.cpp (Windows' PlaySound) and
// webaudiosoundplayer.cpp (the browser's Web Audio).
SoundPlayer* createPlatformSoundPlayer();

// Where the player comes from: a module loaded at run time beside the
// executable (soundloader_module.cpp), or linked into the program where
// nothing can be loaded (soundloader_linked.cpp). Null when there is none.
SoundPlayer* loadPlatformSoundPlayer(const QString& moduleFolder);
