#include "menudesign.h"

#include "cellmodel.h"

using namespace controls::menu;

ScreenDesign design(ScreenTag<ScreenId::Menu> tag) {
    using cell::Structure;
    Design d(tag, "メニュー", "メニュー", kFullClient);
    d.picture(Image1, 750, 165, pictures::Title);
    // The cells drawn smaller than on the lessons, each centred over its
    // column, so that they end above the top row of lesson buttons.
    d.picture(Image2, 1080, 1425, pictures::of(PictureKind::MenuCutaway, Structure::Bcc));
    d.picture(Image3, 4860, 1410, pictures::of(PictureKind::MenuCutaway, Structure::Fcc));
    d.picture(Image4, 8700, 1455, pictures::of(PictureKind::MenuCutaway, Structure::Hcp));
    // The later lessons in a row above, centred between the columns; then
    // the lessons of the structures, the radius, the summary and the drill in
    // two rows of three. Each leads to the lesson's first screen.
    d.button(Command8, Word::Packing, 2460, 3495).to(ScreenId::PackingIntro);
    d.button(Command9, Word::Stacking, 6210, 3495).to(ScreenId::StackingLayer);
    d.button(Command1, Word::Bcc, 585, 4725).to(ScreenId::BccIntro);
    d.button(Command2, Word::Fcc, 4335, 4725).to(ScreenId::FccIntro);
    d.button(Command3, Word::Hcp, 8055, 4725).to(ScreenId::HcpIntro);
    d.button(Command4, Word::Summary, 585, 5955).to(ScreenId::Summary);
    d.button(Command5, Word::Drill, 4335, 5955).to(ScreenId::DrillStart);
    d.button(Command6, Word::Radius, 8055, 5955).to(ScreenId::RadiusIntro);
    // A little taller than its face, as the menu was designed; the face is
    // centred in it.
    d.button(Command7, Word::End, 9285, 345).size(1605, 765).endsProgram();
    d.tabOrder(
        {Command1, Command2, Command3, Command4, Command5, Command6, Command8, Command9, Command7});
    d.firstFocus(Command1);
    return d.take();
}
