#include "drillstartdesign.h"

using namespace controls::drillStart;

ScreenDesign design(ScreenTag<ScreenId::DrillStart> tag) {
    Design d(tag, "ドリル開始", "ミロスタドリル", kFullClient);
    d.picture(Image1, 240, 150, pictures::TitleDrill);
    d.panel(List1, explanation("ドリル", 1), QRect(2415, 1920, 6765, 3660), PanelGround::Blue)
        .spoken("説明");
    d.picture(Image2, 1350, 4725, pictures::FaceA);
    d.button(Command1, Word::Run, 7410, 6255).to(ScreenId::Drill);
    d.button(Command2, Word::Menu, 9420, 6255).to(ScreenId::Menu);
    d.tabOrder({Command1, Command2, List1});
    d.firstFocus(Command1);
    return d.take();
}
