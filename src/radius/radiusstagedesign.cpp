#include "radiusdesign.h"

#include "cellmodel.h"

using namespace controls::radiusStage;
using controls::radius::Command1;
using controls::radius::Command2;

namespace {

// What sets 面心半径 and 体心半径 apart; the rest of their design is shared.
struct RadiusLesson {
    PictureId cutaway;    // Image3: the unit cell cut out of touching spheres
    PictureId drawing;    // Image5: the cell drawn for the derivation
    PictureId labelled;   // Image6: the same drawing with its points and lengths
    PictureId derivation; // Image8: the derivation, as a picture of text
    int firstText;        // its opening text; the stage 1 text follows
    const char* along;    // what the stage 1 text is about, for a screen reader
};

// The opening and the two stages both screens share. Opening: the cut-out
// cell, its text, guide face B looking back at it. Stage 1 and stage 2 share
// the left and the right place: text, then the derivation on the left; the
// drawing, then the labelled drawing on the right.
template <class T> void addStages(Design<T>& d, const RadiusLesson& l) {
    addRadiusPlate(d);
    d.picture(Image2, 9210, 1650, pictures::FaceB);
    d.picture(Image3, 300, 2055, l.cutaway);
    d.panel(List1, explanation("原子半径", l.firstText), QRect(3210, 1650, 5850, 3690),
            PanelGround::Blue)
        .spoken("説明");
    d.panel(List2, explanation("原子半径", l.firstText + 1), QRect(1170, 2190, 6000, 3930),
            PanelGround::Blue)
        .hidden()
        .spoken(l.along);
    d.picture(Image4, 1170, 1110, pictures::FaceA).hidden();
    d.picture(Image5, 7410, 1260, l.drawing).hidden();
    d.picture(Image6, 7410, 1260, l.labelled).hidden();
    d.picture(Image7, 150, 6000, pictures::FaceA).hidden();
    d.picture(Image8, 1170, 1140, l.derivation).hidden();
}

// The two stages both screens share; returns the second, from which each
// goes on its own way.
template <class T> State<T> addStageStates(Design<T>& d) {
    return d.opening()
        .then(Command1)
        .instead({List1, Image2, Image3}, {List2, Image4, Image5})
        .then(Command1)
        .instead({List2, Image4, Image5}, {Image6, Image7, Image8});
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::FccRadius> tag) {
    Design d(tag, "面心半径", "面心半径", kNarrowClient);
    addStages(d, {pictures::of(PictureKind::Cutaway, cell::Structure::Fcc), pictures::RadiusFccFace,
                  pictures::RadiusFccLabelled, pictures::RadiusFccDerivation, 2,
                  "説明（面の対角線）"});
    addRadiusButtons(d);
    // The third press goes on to the BCC cell.
    addStageStates(d).on(Command1, ScreenId::BccRadius);
    d.tabOrder({Command1, Command2, List1, List2});
    d.firstFocus(Command1);
    return d.take();
}

ScreenDesign design(ScreenTag<ScreenId::BccRadius> tag) {
    using controls::bccRadius::Image9;
    using controls::bccRadius::List3;
    Design d(tag, "体心半径", "体心半径", kNarrowClient);
    addStages(d,
              {pictures::of(PictureKind::Cutaway, cell::Structure::Bcc), pictures::RadiusBccHexagon,
               pictures::RadiusBccLabelled, pictures::RadiusBccDerivation, 4, "説明（体対角線）"});
    // The close of the lesson.
    d.picture(Image9, 900, 1260, pictures::FaceA).hidden();
    d.panel(List3, explanation("原子半径", 6), QRect(2040, 1260, 7500, 4590), PanelGround::Blue)
        .hidden()
        .spoken("まとめ");
    addRadiusButtons(d);
    // The third press shows the close and takes 次に進む away, leaving メニュー
    // as the only way on.
    addStageStates(d).then(Command1).instead({Image6, Image7, Image8, Command1}, {Image9, List3});
    d.tabOrder({Command1, Command2, List1, List2, List3});
    d.firstFocus(Command1);
    return d.take();
}
