#pragma once

#include "screendesign.h"

// スタート, the introduction, the first screen after start: Command1 メニュー,
// Command2 終了.
MIROSUTA_CONTROLS(start, Image1, Image2, Image3, List1, List2, Command1, Command2)
