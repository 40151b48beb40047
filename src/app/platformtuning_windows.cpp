#include "platformtuning.h"

// The look is set up with the other platforms' (applyProgramLook); the
// system's allocator serves as it is.
void tunePlatform() {}

void followScreens(Navigator&) {}
