#include "platformtuning.h"

// The system's allocator and Qt's defaults serve as they are.
void tunePlatform() {}

void followScreens(Navigator&) {}
