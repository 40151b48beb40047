#pragma once

// What the checker needs of the platform before its QApplication exists: a
// windowing platform that works without a display, and a console that shows
// Japanese.
void prepareCheckerPlatform();
