#include "program.h"

#include "allscreens.h"
#include "fonts.h"
#include "lazysoundplayer.h"
#include "navigator.h"
#include "services.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

void keepLargeBuffersOutOfTheHeap() {
#ifdef __GLIBC__
    // Every screen allocates and frees pictures and backing stores of a few
    // hundred KiB. glibc raises its mmap threshold after the first such free
    // and then serves them from the heap, which fragments and never shrinks;
    // a fixed threshold gives them back to the system when a screen closes.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

} // namespace

void startProgram(LazySoundPlayer& sound, const QString& baseFolder) {
    keepLargeBuffersOutOfTheHeap();
    // The font database takes a few milliseconds to read the system's font
    // set-up; let that overlap with building the first screen.
    warmUpFontsInBackground();
    registerAllScreens();
    Services::setSound(&sound);
    StartUp(baseFolder);
    if (!Navigator::instance().ended())
        sound.prepareSoon();
}
