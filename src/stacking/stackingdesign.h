#pragma once

#include "screendesign.h"

// The lesson on stacking close-packed layers, three screens, each told in
// stages by Command1 実行, each with Command2 メニュー and the lesson's heading
// Label1:
// 積み重ね開始: layer A, the six spheres around one, its hollows (Image2-4).
// 積み重ね選択: layer B on A (Image1); the learner takes one of the two
// rings for the third layer, Image2 over A or Image3 over the hollow
// neither uses (C), each named above it (Label6, Label7); the stack it makes shows on the left (Image4 ABAB, Image5
// ABC) with its name (Label2, Label3), and 実行 brings the other beside it
// (Image6, Image7, Label4, Label5).
// 積み重ね格子: the cube in the ABC stack, the prism in the ABAB stack
// (Image1, Image2), then the twelve neighbours in each (Image3, Image4).
MIROSUTA_CONTROLS(stacking, Label1, Command1, Command2)
MIROSUTA_CONTROLS_OF(stackingLayer, stacking, Image1, Image2, Image3, Image4, List1, List2, List3)
MIROSUTA_CONTROLS_OF(stackingThird, stacking, Image1, Image2, Image3, Image4, Image5, Image6,
                     Image7, Image8, Label2, Label3, Label4, Label5, Label6, Label7, List1, List2, List3,
                     List4)
MIROSUTA_CONTROLS_OF(stackingCells, stacking, Image1, Image2, Image3, Image4, Label2, Label3, List1,
                     List2, List3)
