#include "menudesign.h"

#include "cellmodel.h"

using namespace controls::menu;

namespace {

// The three columns of lesson buttons, and the rows of the second page.
constexpr int kColumn[3] = {585, 4335, 8055};
constexpr int kRowTop[2] = {2100, 4650};
const QColor kHeading(0, 0, 128);

} // namespace

const std::vector<MenuLesson>& menuLessons() {
    static const std::vector<MenuLesson> lessons{
        {Word::Packing, ScreenId::PackingIntro, 0},
        {Word::Stacking, ScreenId::StackingLayer, 0},
        {Word::Ionic, ScreenId::IonicIntro, 1},
        {Word::Covalent, ScreenId::Diamond, 1},
        {Word::CrystalKinds, ScreenId::CrystalKinds, 1},
    };
    return lessons;
}

Control<Tag> menuLessonButton(ScreenId first) {
    for (std::size_t i = 0; i < menuLessons().size(); ++i)
        if (menuLessons()[i].first == first)
            return Further[int(i)];
    return Control<Tag>();
}

ScreenDesign design(ScreenTag<ScreenId::Menu> tag) {
    using cell::Structure;
    Design d(tag, "メニュー", "メニュー", kFullClient);
    d.picture(Image1, 750, 165, pictures::Title);
    // The cells drawn smaller than on the lessons, each centred over its
    // column and just above the top row of lesson buttons, which they name.
    d.picture(Image2, 1080, 2025, pictures::of(PictureKind::MenuCutaway, Structure::Bcc));
    d.picture(Image3, 4860, 2010, pictures::of(PictureKind::MenuCutaway, Structure::Fcc));
    d.picture(Image4, 8700, 2055, pictures::of(PictureKind::MenuCutaway, Structure::Hcp));
    // The lessons of the structures, the radius, the summary and the drill
    // in two rows of three. Each leads to the lesson's first screen.
    d.button(Command1, Word::Bcc, kColumn[0], 4725).to(ScreenId::BccIntro);
    d.button(Command2, Word::Fcc, kColumn[1], 4725).to(ScreenId::FccIntro);
    d.button(Command3, Word::Hcp, kColumn[2], 4725).to(ScreenId::HcpIntro);
    d.button(Command4, Word::Summary, kColumn[0], 5955).to(ScreenId::Summary);
    d.button(Command5, Word::Drill, kColumn[1], 5955).to(ScreenId::DrillStart);
    d.button(Command6, Word::Radius, kColumn[2], 5955).to(ScreenId::RadiusIntro);
    // A little taller than its face, as the menu was designed; the face is
    // centred in it.
    d.button(Command7, Word::End, 9285, 345).size(1605, 765).endsProgram();
    // Beside 終了, the turn to the other page and back.
    d.button(Command8, Word::OtherLessons, 7500, 345).size(1605, 765);
    d.button(Command9, Word::MetalLessons, 7500, 345).size(1605, 765).hidden();

    // The second page: its rows, each under its heading.
    const char* headings[2] = {"金属の結晶をさらに学ぶ", "いろいろな結晶"};
    const Control<Tag> headingNames[2] = {Label1, Label2};
    for (int row = 0; row < 2; ++row)
        d.label(headingNames[row], QRect(kColumn[0], kRowTop[row] - 600, 10500, 450),
                QString::fromUtf8(headings[row]), 15.75, kHeading, QColor(),
                Qt::AlignLeft | Qt::AlignVCenter)
            .hidden();
    Names<Tag> page{Label1, Label2};
    int inRow[2] = {0, 0};
    for (std::size_t i = 0; i < menuLessons().size(); ++i) {
        const MenuLesson& l = menuLessons()[i];
        d.button(Further[int(i)], l.word, kColumn[inRow[l.row]++], kRowTop[l.row])
            .hidden()
            .to(l.first);
        page << Further[int(i)];
    }

    const Names<Tag> metals{Image2,   Image3,   Image4,   Command1, Command2,
                            Command3, Command4, Command5, Command6, Command8};
    const State<Tag> more = d.opening()
                                .then(Command8, "more")
                                .instead(metals, Names<Tag>(page) << Command9)
                                .focus(Command9);
    more.on(Command9, d.opening());
    d.opening().focus(Command8);

    // As the pages are read: the lessons row by row, then the page's turn and 終了.
    Names<Tag> order{Command1, Command2, Command3, Command4, Command5, Command6};
    for (std::size_t i = 0; i < menuLessons().size(); ++i)
        order << Further[int(i)];
    order << Command8 << Command9 << Command7;
    d.tabOrder(order);
    d.firstFocus(Command1);
    return d.take();
}
