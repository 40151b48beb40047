#pragma once

class QFont;

// Mincho has no bold face: bold text is the regular face drawn heavier.
// Windows' GDI also widens every such character by a pixel, which would cut
// off lines that fit on Linux, where FreeType keeps the advances. This gives
// the characters of a bold font their regular advance again wherever the
// font engine widened them, so that a text takes the same room everywhere.
// One file per platform: syntheticbold_windows.cpp, syntheticbold_other.cpp.
void keepRegularAdvances(QFont& font);
