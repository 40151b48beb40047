#include "latticeneighboursdesign.h"

using namespace controls::latticeNeighbours;

namespace {

// The question picture is the same on all three screens; the answer shares its left.
constexpr int kPictureLeft = 7380, kPictureTop = 1200;
// The question panel and its answer share their left edge and bottom.
constexpr int kTextLeft = 1320, kTextBottom = 5010;

template <ScreenId Id> ScreenDesign latticeNeighboursDesign(ScreenTag<Id> tag) {
    constexpr cell::Structure s = structureOf(Id);
    const LessonStructure& l = lessonStructure(s);
    Design d(tag, lessonFormName(l, "隣接"), "隣接原子数", kFullClient);
    addTitlePlate(d, Image1, s);
    d.picture(Image2, 240, 3060, pictures::FaceA);
    d.panel(List1, explanation(l.folder, 9), QRect(kTextLeft, kTextBottom - 2010, 5550, 2010),
            PanelGround::Blue)
        .spoken("問題");
    d.panel(
         List2, explanation(l.folder, 10),
         QRect(kTextLeft, kTextBottom - l.neighboursAnswerHeight, 5760, l.neighboursAnswerHeight),
         PanelGround::Blue)
        .hidden()
        .spoken("答え");
    d.drawing(Image3, kPictureLeft, kPictureTop, pictures::of(PictureKind::NeighbourQuestion, s));
    d.drawing(Image4, kPictureLeft, l.neighboursAnswerTop,
              pictures::of(PictureKind::NeighbourAnswer, s))
        .hidden();
    addRunAndMenu(d, Command1, Command2);

    d.opening().then(Command1).instead({List1, Image3, Command1}, {List2, Image4});

    d.tabOrder({List1, Image3, Command2, Command1, List2, Image4});
    d.firstFocus(List1);
    return d.take();
}

} // namespace

MIROSUTA_LESSON_DESIGNS(Neighbours, latticeNeighboursDesign)
