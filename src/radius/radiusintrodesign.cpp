#include "radiusdesign.h"

using namespace controls::radiusIntro;
using controls::radius::Command1;
using controls::radius::Command2;

ScreenDesign design(ScreenTag<ScreenId::RadiusIntro> tag) {
    Design d(tag, "半径開始", "半径開始", kNarrowClient);
    addRadiusPlate(d);
    // Guide face A looks right at the text; the atom with its radius stands
    // to the right of it.
    d.picture(Image2, 240, 1200, pictures::FaceA);
    d.picture(Image3, 8010, 1950, pictures::RadiusAtom);
    d.panel(List1, explanation("原子半径", 1), QRect(1350, 1200, 6480, 4500), PanelGround::Blue)
        .spoken("説明");
    addRadiusButtons(d);
    d.press(Command1, ScreenId::FccRadius);
    d.tabOrder({Command1, Command2, List1});
    d.firstFocus(Command1);
    return d.take();
}
