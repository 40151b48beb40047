#pragma once

#include "cellmodel.h"
#include "screenid.h"

#include <QRect>
#include <QString>

class Screen;

// The bottom-right row of word buttons shared by the lesson screens: column 0
// holds 実行 (or 次に進む in its place), column 1 メニュー. Pixels, from the
// screen's own client size so that the narrower windows keep the same margins.
QRect bottomButton(const Screen& screen, int column);

// The structure's title plate at the bottom left, level with the button row.
QPoint titlePlaceTwips(const Screen& screen);
