#include "latticeatomsdesign.h"

using namespace controls::latticeAtoms;

namespace {

// The hint pictures' names, in their order in the frame.
const Control<Tag> kHintNames[] = {Image4, Image5, Image6, Image7};
// Hint pictures (110 px wide) stand side by side, 26 px apart, below the caption.
constexpr int kHintStep = 2040, kHintGap = 390, kHintTop = 420;

template <ScreenId Id> ScreenDesign latticeAtomsDesign(ScreenTag<Id> tag) {
    constexpr cell::Structure s = structureOf(Id);
    const LessonStructure& l = lessonStructure(s);
    Design d(tag, lessonFormName(l, "原子"), "格子内原子数", kNarrowClient);
    addTitlePlate(d, Image1, s);
    d.drawing(Image2, 240, 120, pictures::of(PictureKind::Cutaway, s));
    d.picture(Image3, 10350, 120, pictures::FaceB);
    d.panel(List1, explanation(l.folder, 7), QRect(3300, 180, 5550, 2010), PanelGround::DarkBlue)
        .spoken("問題");
    // The answer covers the question's place and reaches further down.
    d.panel(List2, explanation(l.folder, 8), QRect(3300, 180, 5760, l.atomsAnswerHeight),
            PanelGround::DarkBlue)
        .hidden()
        .spoken("答え");

    const int hintCount = int(l.hints.size());
    d.frame(Frame1, QRect(240, 3810, hintCount * kHintStep + kHintGap, 2310), "ヒント", 14.25,
            QColor(255, 0, 0))
        .spoken("ヒント", "原子の一部が何個分にあたるか");
    for (int i = 0; i < hintCount; ++i)
        d.picture(kHintNames[i], kHintGap + i * kHintStep, kHintTop,
                  pictures::hint(l.hints[std::size_t(i)]))
            .in(Frame1);

    const QPoint run = bottomButton(d.clientTwips(), 0), menu = bottomButton(d.clientTwips(), 1);
    d.button(Command1, Word::Run, run.x(), run.y());
    d.button(Command3, Word::Next, run.x(), run.y())
        .hidden()
        .to(lessonScreen(s, Lesson::Neighbours));
    d.button(Command2, Word::Menu, menu.x(), menu.y()).to(ScreenId::Menu);

    // The answer is read as the screen opens, before it is asked for.
    d.opening().then(Command1).instead({List1, Command1}, {List2, Command3});

    d.tabOrder({Command2, Command1, List1, Image2, Frame1, List2, Command3});
    d.firstFocus(Command2);
    return d.take();
}

} // namespace

MIROSUTA_LESSON_DESIGNS(Atoms, latticeAtomsDesign)
