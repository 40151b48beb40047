#pragma once

#include <QFont>
#include <QString>

// The screens' Mincho face: ＭＳ 明朝 where it is installed, otherwise IPAex Mincho.
QString minchoFamily();

// Bold Mincho at a size in points, fixed in pixels (96 dots per inch) so that
// text fits the fixed-size windows whatever the display's setting.
QFont minchoFont(double points);

// Makes the Mincho face ready before the first screen, one file per platform:
// fontsetup_desktop.cpp reads the system's font set-up on a worker thread, so
// that the first screen's text does not wait for it; fontsetup_browser.cpp
// registers the font file that the page put beside the content. Safe to call
// more than once.
void prepareFonts();
