#pragma once

#include "lessondesign.h"

// 体心内部, 面心内部, 六方内部: the learner fills the empty unit cell atom by
// atom. A marker on the ball-and-stick drawing names the next atom; its press
// puts the part of that atom that lies inside the cell into the empty cell.
// Image3 the markers and Image4 the pieces, both arrays, one per atom of the
// cell model in its order; Command1 実行, Command2 メニュー, Command3 次に進む,
// Command4 再確認.
MIROSUTA_CONTROLS(latticeInterior, Image1, Image2, Image3, Image4, Image5, Image6, List1, List2,
                  List3, Command1, Command2, Command3, Command4)
