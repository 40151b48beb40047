#include "program.h"

#include "fonts.h"
#include "lazysoundplayer.h"
#include "navigator.h"
#include "platformtuning.h"
#include "programlook.h"
#include "screenclasses.h"

void startProgram(Navigator& navigator, LazySoundPlayer& sound, const QString& baseFolder) {
    tunePlatform();
    applyProgramLook();
    // On the desktop the font database takes a few milliseconds to read the
    // system's font set-up; let that overlap with building the first screen.
    prepareFonts();
    registerScreenClasses(navigator);
    followScreens(navigator);
    navigator.startUp(baseFolder);
    if (!navigator.ended())
        sound.prepareSoon();
}
