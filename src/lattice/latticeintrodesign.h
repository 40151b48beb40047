#pragma once

#include "lessondesign.h"

// 体心開始, 面心開始, 六方開始: a structure's introduction, told in stages, one
// per press of Command1 実行; the third press opens the structure's interior
// viewer. Command2 メニュー.
MIROSUTA_CONTROLS(latticeIntro, Image1, Image2, Image3, Image4, Image5, List1, List2, List3,
                  Command1, Command2)
