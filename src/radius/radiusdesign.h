#pragma once

#include "screendesign.h"

// The atomic radius lesson: 半径開始 introduces r and leads to 面心半径, which
// leads on to 体心半径; each tells its cell's radius in stages by 次に進む.
// What the three screens share: the lesson's plate Image1, Command1 次に進む
// and Command2 メニュー.
MIROSUTA_CONTROLS(radius, Image1, Command1, Command2)
// 半径開始.
MIROSUTA_CONTROLS_OF(radiusIntro, radius, Image2, Image3, List1)
// 面心半径 and 体心半径.
MIROSUTA_CONTROLS_OF(radiusStage, radius, Image2, Image3, Image4, Image5, Image6, Image7, Image8,
                     List1, List2)
// 体心半径 alone: the lesson's close.
MIROSUTA_CONTROLS_OF(bccRadius, radiusStage, Image9, List3)

// What the three screens share: the lesson's plate at the top left, made
// first, and 次に進む above メニュー at the bottom right, made last.
template <class Tag> void addRadiusPlate(Design<Tag>& d) {
    d.picture(controls::radius::Image1, 180, 150, pictures::PlateRadius);
}
template <class Tag> void addRadiusButtons(Design<Tag>& d) {
    d.button(controls::radius::Command1, Word::Next, 9705, 5340);
    d.button(controls::radius::Command2, Word::Menu, 9705, 6210).to(ScreenId::Menu);
}
