#pragma once

// What one platform needs before the first screen, one file per platform:
// platformtuning_glibc.cpp, platformtuning_windows.cpp, platformtuning_other.cpp.
void tunePlatform();

class Navigator;

// What the platform does as the program's screens open, in the same files.
void followScreens(Navigator& navigator);
