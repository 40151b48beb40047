#include "latticeintrodesign.h"

using namespace controls::latticeIntro;

namespace {

template <ScreenId Id> ScreenDesign latticeIntroDesign(ScreenTag<Id> tag) {
    constexpr cell::Structure s = structureOf(Id);
    const LessonStructure& l = lessonStructure(s);
    Design d(tag, lessonFormName(l, "開始"), lessonCaption(l, "開始"), kFullClient);
    addTitlePlate(d, Image1, s);
    d.picture(Image2, 2370, 1500, pictures::FaceA);
    d.picture(Image3, 10380, 120, pictures::FaceB).hidden();
    // Stage 1: the sphere block on the left, its text on the right.
    d.drawing(Image4, 360, 1050, pictures::of(PictureKind::Spheres, s)).hidden();
    // Stage 2: the unit cell takes the place of the stage 1 text.
    d.drawing(Image5, 5850, 1920, pictures::of(PictureKind::BallStick, s)).hidden();
    d.panel(List1, explanation(l.folder, 1), QRect(3510, 1380, 5640, 3390), PanelGround::Blue)
        .spoken("説明");
    d.panel(List2, explanation(l.folder, 2), QRect(5760, 1260, 5550, 3990), PanelGround::Blue)
        .hidden()
        .spoken("説明（球の並び）");
    d.panel(List3, explanation(l.folder, 3), QRect(4770, 120, 5490, 1680), PanelGround::Blue)
        .hidden()
        .spoken("説明（単位格子）");
    addRunAndMenu(d, Command1, Command2);

    // Each stage's text is read at its press, so an edited text shows without
    // reopening. At stage 1 the face and the opening text go before it is read.
    d.opening()
        .then(Command1)
        .hideFirst({Image2, List1})
        .fill(List2)
        .show({Image3, Image4, List2})
        .then(Command1)
        .fill(List3)
        .instead(List2, {List3, Image5})
        .on(Command1, lessonScreen(s, Lesson::Interior));

    d.tabOrder({Command1, Command2, List1, List2, List3, Image4, Image5});
    d.firstFocus(Command1);
    return d.take();
}

} // namespace

MIROSUTA_LESSON_DESIGNS(Intro, latticeIntroDesign)
