#include "menudesign.h"

#include "cellmodel.h"

using namespace controls::menu;

ScreenDesign design(ScreenTag<ScreenId::Menu>) {
    using cell::Structure;
    Design<Tag> d(ScreenId::Menu, "メニュー", "メニュー", kFullClient);
    d.picture(Image1, 750, 165, pictures::Title);
    d.picture(Image2, 765, 1605, pictures::of(PictureKind::Cutaway, Structure::Bcc));
    d.picture(Image3, 4500, 1560, pictures::of(PictureKind::Cutaway, Structure::Fcc));
    d.picture(Image4, 8415, 1620, pictures::of(PictureKind::Cutaway, Structure::Hcp));
    // The lessons in two rows of three, the first screen of each.
    d.button(Command1, Word::Bcc, 585, 4725).to(ScreenId::BccIntro);
    d.button(Command2, Word::Fcc, 4335, 4725).to(ScreenId::FccIntro);
    d.button(Command3, Word::Hcp, 8055, 4725).to(ScreenId::HcpIntro);
    d.button(Command4, Word::Summary, 585, 5955).to(ScreenId::Summary);
    d.button(Command5, Word::Drill, 4335, 5955).to(ScreenId::DrillStart);
    d.button(Command6, Word::Radius, 8055, 5955).to(ScreenId::RadiusIntro);
    // Below the cutaways, in a row of its own.
    d.button(Command9, Word::Stacking, 6210, 3495).to(ScreenId::StackingLayer);
    // A little taller than its face, as the menu was designed; the face is
    // centred in it.
    d.button(Command7, Word::End, 9285, 345).size(1605, 765).endsProgram();
    d.tabOrder({Command1, Command2, Command3, Command4, Command5, Command6, Command9, Command7});
    d.firstFocus(Command1);
    return d.take();
}
