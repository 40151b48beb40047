#pragma once

#include "screendesign.h"

// ドリル開始, which explains the drill and leads into it: Command1 実行,
// Command2 メニュー.
MIROSUTA_CONTROLS(drillStart, Image1, Image2, List1, Command1, Command2)
