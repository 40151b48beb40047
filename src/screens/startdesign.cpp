#include "startdesign.h"

#include "cellmodel.h"

using namespace controls::start;

ScreenDesign design(ScreenTag<ScreenId::Start> tag) {
    Design d(tag, "スタート", "はじめに", kFullClient);
    d.picture(Image1, 750, 165, pictures::Title);
    d.picture(Image2, 10020, 1395, pictures::FaceB);
    d.picture(Image3, 6750, 2490, pictures::of(PictureKind::Spheres, cell::Structure::Bcc));
    d.panel(List1, explanation("メニュー", 1), QRect(645, 1605, 5880, 5340), PanelGround::DarkBlue)
        .spoken("説明", "この教材で学ぶこと");
    d.panel(List2, explanation("メニュー", 2), QRect(7725, 1500, 2145, 780), PanelGround::Blue)
        .spoken("ひとこと");
    d.button(Command1, Word::Menu, 7305, 330).to(ScreenId::Menu);
    d.button(Command2, Word::End, 9420, 330).endsProgram();
    d.tabOrder({Command1, Command2, List1, List2});
    d.firstFocus(Command1);
    return d.take();
}
