#include "drilldesign.h"

using namespace controls::drill;

ScreenDesign design(ScreenTag<ScreenId::Drill> tag) {
    const QColor red(255, 0, 0);
    Design d(tag, "ドリル", "ミロスタドリル", kFullClient);
    // Made back to front: the digits and "?" lie over the panel picture, the
    // mark over the question picture and the answer boxes.
    d.picture(Image1, 240, 150, pictures::TitleDrill);
    d.picture(Image3, 8715, 195, pictures::FaceB);
    d.panel(List1, explanation("ドリル", 2), QRect(6000, 105, 2625, 1260), PanelGround::Blue)
        .spoken("やり方");
    // A pixel taller than its face, as the drill's screen was designed.
    d.button(Command1, Word::Menu, 9690, 285).size(1605, 750).to(ScreenId::Menu);
    d.picture(Image2, 375, 1410, pictures::QuestionPanel);
    d.label(Label2, QRect(1770, 1830, 300, 285), QStringLiteral("1"), 15.75, red);
    // The question picture is centred in this box.
    d.picture(Image5, 975, 2325, pictures::None).size(5115, 3630);
    d.picture(Image4[0], 6165, 4035, pictures::QuestionMark).spoken(drillAnswerBoxText(0));
    d.picture(Image4[1], 8415, 4035, pictures::QuestionMark).hidden().spoken(drillAnswerBoxText(1));
    d.label(Label1[0], QRect(6195, 4080, 1455, 825), QString(), 42, red).hidden();
    d.label(Label1[1], QRect(8445, 4080, 1455, 825), QString(), 42, red).hidden();
    d.picture(Image7, 1320, 3165, pictures::FaceA).hidden();
    d.panel(List2, explanation("ドリル", 3), QRect(2325, 3135, 3390, 2220), PanelGround::Blue)
        .hidden()
        .spoken("おわりのことば");
    const int keyLeft[10] = {945, 1890, 2850, 3810, 4770, 5730, 6690, 7635, 8595, 9540};
    for (int i = 0; i < 10; ++i)
        d.button(Command2[i], pictures::key(i), QString::number(i),
                 QRect(keyLeft[i], 6045, 960, 690));
    d.picture(Image6, 4200, 2490, pictures::None).hidden();
    d.timer(Timer1);

    // The class (drillscreen.h) enters the states as the game goes: the
    // question waits for A, then for B; the judgement with its mark holds
    // for a pause, after which the same question or the next waits again, or
    // the drill is over.
    const State<Tag> asking = d.opening();
    const State<Tag> entered = d.state("A").instead(Image4[0], {Label1[0], Image4[1]});
    const State<Tag> right = d.state("right", entered).instead(Image4[1], {Label1[1], Image6});
    const State<Tag> wrong = d.state("wrong", entered).instead(Image4[1], {Label1[1], Image6});
    const State<Tag> end = d.state("end").instead(
        {List1, Image3, Label2, Image5, Image4[0], Image4[1], Label1[0], Label1[1]},
        {Image7, List2});
    d.opening()
        .onKey(Command2, AnswerKey::Right, {entered})
        .onKey(Command2, AnswerKey::Wrong, {entered});
    entered.onKey(Command2, AnswerKey::Right, {right}).onKey(Command2, AnswerKey::Wrong, {wrong});
    right.after(Timer1, kDrillPauseSeconds, {asking, end});
    wrong.after(Timer1, kDrillPauseSeconds, {asking});
    return d.take();
}
