#pragma once

#include <QFont>
#include <QString>

// The screens' Mincho face: ＭＳ 明朝 where it is installed, otherwise IPAex Mincho.
QString minchoFamily();

// Bold Mincho at a size in points, fixed in pixels (96 dots per inch) so that
// text fits the fixed-size windows whatever the display's setting.
QFont minchoFont(double points);

// Reads the system's font set-up on a worker thread, so that the first
// screen's text does not wait for it. Safe to call more than once.
void warmUpFontsInBackground();
