#pragma once

#include "lessondesign.h"

// 体心原子, 面心原子, 六方原子: how many atoms belong to one unit cell. Command1
// 実行 swaps the question for the answer and itself for Command3 次に進む.
// Image4-7 the hint pictures in Frame1, as many as the structure has;
// Command2 メニュー.
MIROSUTA_CONTROLS(latticeAtoms, Image1, Image2, Image3, List1, List2, Frame1, Image4, Image5,
                  Image6, Image7, Command1, Command2, Command3)
