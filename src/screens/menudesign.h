#pragma once

#include "screendesign.h"

// メニュー, the hub every lesson chain returns to: Command1 体心立方,
// Command2 面心立方, Command3 六方最密, Command4 まとめ, Command5 ドリル,
// Command6 原子半径, Command7 終了, Command8 充填率・密度, Command9 積み重ね.
MIROSUTA_CONTROLS(menu, Image1, Image2, Image3, Image4, Command1, Command2, Command3, Command4,
                  Command5, Command6, Command7, Command8, Command9)
