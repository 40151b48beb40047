#include "platformtuning.h"

#include <malloc.h>

void tunePlatform() {
    // Every screen allocates and frees pictures and backing stores of a few
    // hundred KiB. glibc raises its mmap threshold after the first such free
    // and then serves them from the heap, which fragments and never shrinks;
    // a fixed threshold gives them back to the system when a screen closes.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

void followScreens(Navigator&) {}
