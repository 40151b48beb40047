#include "stackingdesign.h"

#include "celldrawing.h"
#include "lessondesign.h"
#include "picturecatalog.h"

namespace {

using cell::Structure;
using controls::stacking::Command1;
using controls::stacking::Command2;
using controls::stacking::Label1;

constexpr const char* kFolder = "積み重ね";
const QColor kHeading(0, 0, 128);

// The places of the screens, in pixels: the wide drawing on the left or
// two narrow ones side by side, the text to their right, the guide's face
// under them.
constexpr int kTop = 40;
const QRect kWide(12, kTop, 400, 320);
const QRect kLeft(12, kTop, 240, 300), kMiddle(258, kTop, 240, 300);
const QRect kWideText(425, kTop, 330, 360), kMiddleText(265, kTop, 490, 360),
    kRightText(508, kTop, 248, 360);

QRect twips(const QRect& px) {
    return {pixelsToTwips(px.x()), pixelsToTwips(px.y()), pixelsToTwips(px.width()),
            pixelsToTwips(px.height())};
}

// The lesson's heading across the top: a plate of text, as the packing
// lesson's titles.
template <class Tag> void addFrame(Design<Tag>& d) {
    d.label(Label1, twips(QRect(12, 4, 300, 32)), QStringLiteral("最密充填の積み重ね"), 15.75,
            Qt::white, kHeading);
}

// The guide's face at the bottom left, where the first two screens have it.
template <class Tag, class N> void addFace(Design<Tag>& d, N name) {
    d.picture(name, pixelsToTwips(24), pixelsToTwips(398), pictures::FaceA);
}

template <class Tag, class N>
Declared<Tag> drawingAt(Design<Tag>& d, N name, const QRect& place, PictureId picture) {
    return d.drawing(name, pixelsToTwips(place.x()), pixelsToTwips(place.y()), picture);
}

template <class Tag, class N>
Declared<Tag> panelAt(Design<Tag>& d, N name, int number, const QRect& place, const char* spoken) {
    return d.panel(name, explanation(kFolder, number), twips(place), PanelGround::Blue)
        .spoken(spoken);
}

// 実行 (hidden where the screen starts with a choice) and メニュー, in the
// lessons' bottom row.
template <class Tag> void addRunAndMenu(Design<Tag>& d, bool runShown = true) {
    const QPoint run = bottomButton(d.clientTwips(), 0), menu = bottomButton(d.clientTwips(), 1);
    Declared<Tag> button = d.button(Command1, Word::Run, run.x(), run.y());
    if (!runShown)
        button.hidden();
    d.button(Command2, Word::Menu, menu.x(), menu.y()).to(ScreenId::Menu);
}

// A stack's name under its drawing.
template <class Tag, class N>
Declared<Tag> nameUnder(Design<Tag>& d, N name, const QRect& place, const char* caption) {
    return d.label(name, twips(QRect(place.x(), place.bottom() + 4, place.width(), 26)),
                   QString::fromUtf8(caption), 12, kHeading);
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::StackingLayer> tag) {
    using namespace controls::stackingLayer;
    Design d(tag, "積み重ね開始", "積み重ね開始", kFullClient);
    addFrame(d);
    addFace(d, Image1);
    drawingAt(d, Image2, kWide, pictures::stackLayer(0));
    drawingAt(d, Image3, kWide, pictures::stackLayer(1)).hidden();
    drawingAt(d, Image4, kWide, pictures::stackLayer(2)).hidden();
    panelAt(d, List1, 1, kWideText, "説明");
    panelAt(d, List2, 2, kWideText, "説明（接する球）").hidden();
    panelAt(d, List3, 3, kWideText, "説明（くぼみ）").hidden();
    addRunAndMenu(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead({List1, Image2}, {List2, Image3})
        .then(Command1)
        .fill(List3)
        .instead({List2, Image3}, {List3, Image4})
        .on(Command1, ScreenId::StackingThird);

    d.tabOrder({Command1, Command2, List1, List2, List3, Image2, Image3, Image4});
    d.firstFocus(Command1);
    return d.take();
}

ScreenDesign design(ScreenTag<ScreenId::StackingThird> tag) {
    using namespace controls::stackingThird;
    Design d(tag, "積み重ね選択", "積み重ね選択", kFullClient);
    addFrame(d);
    addFace(d, Image8);
    drawingAt(d, Image1, kWide, pictures::StackChoice);
    // The two places of the third layer, each a ring on its place in the
    // drawing, so that what lies under it shows, and named above it; both
    // follow their place as the drawing turns.
    const QSizeF ring = pictureSize(pictures::MarkerRing);
    auto markerAt = [&](auto name, auto label, int place, const char* words,
                        const char* spoken) {
        const cell::Point2 c = celldrawing::designedAtomCentre(pictures::StackChoice, place);
        const QPoint centre(kWide.x() + qRound(c.x), kWide.y() + qRound(c.y));
        d.label(label,
                twips(QRect(centre.x() - 45, centre.y() - qRound(ring.height() / 2) - 21, 90, 19)),
                QString::fromUtf8(words), 10.5, kHeading, Qt::white)
            .markerOn(Image1, place);
        d.picture(name, pixelsToTwips(centre.x() - qRound(ring.width() / 2)),
                  pixelsToTwips(centre.y() - qRound(ring.height() / 2)), pictures::MarkerRing)
            .activation(Activation::Button)
            .spoken(spoken, "押すと、3層目の球をここに置いて積み重ねる")
            .markerOn(Image1, place);
    };
    markerAt(Image2, Label6, 0, "A層の真上", "3層目の置き場所：緑のA層の球の真上");
    markerAt(Image3, Label7, 1, "くぼみの真上",
             "3層目の置き場所：A層もB層も使っていない、だいだい色の点のくぼみの上");
    // The stack the choice makes, on the left; the other one beside it.
    const PictureId hcp = pictures::of(PictureKind::Stack, Structure::Hcp),
                    fcc = pictures::of(PictureKind::Stack, Structure::Fcc);
    const char* hcpName = "ABAB…　六方最密";
    const char* fccName = "ABCABC…　面心立方";
    drawingAt(d, Image4, kLeft, hcp).hidden();
    drawingAt(d, Image5, kLeft, fcc).hidden();
    drawingAt(d, Image6, kMiddle, hcp).hidden();
    drawingAt(d, Image7, kMiddle, fcc).hidden();
    nameUnder(d, Label2, kLeft, hcpName).hidden();
    nameUnder(d, Label3, kLeft, fccName).hidden();
    nameUnder(d, Label4, kMiddle, hcpName).hidden();
    nameUnder(d, Label5, kMiddle, fccName).hidden();
    panelAt(d, List1, 4, kWideText, "説明（3層目の置き場所）");
    panelAt(d, List2, 5, kMiddleText, "説明（ABAB）").hidden();
    panelAt(d, List3, 6, kMiddleText, "説明（ABCABC）").hidden();
    panelAt(d, List4, 7, kRightText, "説明（二つの積み重ね）").hidden();
    // 実行 comes once the third layer is placed, and then shows the other stack.
    addRunAndMenu(d, false);

    // The choice: a press of either marker, each a way of its own.
    const Names<Tag> choice{Image1, Image2, Image3, Label6, Label7, List1};
    d.opening()
        .then(Image2, "ABAB")
        .fill(List2)
        .instead(choice, {Image4, Label2, List2, Command1})
        .focus(Command1)
        .then(Command1, "ABAB-ABC")
        .fill(List4)
        .instead(List2, {Image7, Label5, List4})
        .on(Command1, ScreenId::StackingCells);
    d.opening()
        .then(Image3, "ABC")
        .fill(List3)
        .instead(choice, {Image5, Label3, List3, Command1})
        .focus(Command1)
        .then(Command1, "ABC-ABAB")
        .fill(List4)
        .instead(List3, {Image6, Label4, List4})
        .on(Command1, ScreenId::StackingCells);

    d.tabOrder({Image2, Image3, Command1, Command2, List1, List2, List3, List4, Image1, Image4,
                Image5, Image6, Image7});
    d.firstFocus(Image2);
    return d.take();
}

ScreenDesign design(ScreenTag<ScreenId::StackingCells> tag) {
    using namespace controls::stackingCells;
    Design d(tag, "積み重ね格子", "積み重ね格子", kFullClient);
    addFrame(d);
    drawingAt(d, Image1, kLeft, pictures::of(PictureKind::StackCell, Structure::Fcc));
    drawingAt(d, Image2, kMiddle, pictures::of(PictureKind::StackCell, Structure::Hcp)).hidden();
    drawingAt(d, Image3, kLeft, pictures::of(PictureKind::StackNeighbours, Structure::Fcc))
        .hidden();
    drawingAt(d, Image4, kMiddle, pictures::of(PictureKind::StackNeighbours, Structure::Hcp))
        .hidden();
    nameUnder(d, Label2, kLeft, "面心立方（ABCABC…）");
    nameUnder(d, Label3, kMiddle, "六方最密（ABAB…）").hidden();
    panelAt(d, List1, 8, kMiddleText, "説明（立方体）");
    panelAt(d, List2, 9, kRightText, "説明（六角柱）").hidden();
    panelAt(d, List3, 10, kRightText, "説明（隣接原子数）").hidden();
    addRunAndMenu(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead(List1, {Image2, Label3, List2})
        // The lesson ends here, with メニュー.
        .then(Command1)
        .fill(List3)
        .instead({Image1, Image2, List2, Command1}, {Image3, Image4, List3})
        .focus(Command2);

    d.tabOrder({Command1, Command2, List1, List2, List3, Image1, Image2, Image3, Image4});
    d.firstFocus(Command1);
    return d.take();
}
