#pragma once

#include "lessondesign.h"

// 体心隣接, 面心隣接, 六方隣接: how many atoms touch one atom. Command1 実行
// swaps in the answer text and the picture with the neighbours coloured; the
// chain ends here, with Command2 メニュー.
MIROSUTA_CONTROLS(latticeNeighbours, Image1, Image2, Image3, Image4, List1, List2, Command1,
                  Command2)
