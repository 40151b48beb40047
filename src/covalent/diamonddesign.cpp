#include "covalentdesign.h"

#include "metals.h"

using namespace controls::diamond;
using controls::covalent::Command1;
using controls::covalent::Command2;

namespace {

// The drawing on the left, the text on the right, the facts under the drawing.
constexpr int kDrawingLeft = 240, kDrawingTop = 900;
// The text above the facts, which run under it as far as the buttons.
const QRect kText(4740, 900, 6600, 4200);

PictureId diamondPicture(PictureKind kind) {
    return pictures::crystal(kind, cell::CrystalType::Diamond);
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::Diamond> tag) {
    const cell::Crystal& crystal = cell::crystal(cell::CrystalType::Diamond);
    const cell::Substance& c = cell::substance("C");
    Design d(tag, "ダイヤモンド", "ダイヤモンドの結晶", kFullClient);
    addCovalentTitle(d, "ダイヤモンド");

    // One drawing at a time: the face-centred sites with the four inner
    // places, the whole cell, one atom's four bonds, the atoms at their size.
    d.drawing(Image1, kDrawingLeft, kDrawingTop, diamondPicture(PictureKind::CrystalFrame));
    d.drawing(Image2, kDrawingLeft, kDrawingTop, diamondPicture(PictureKind::CrystalCell)).hidden();
    d.drawing(Image3, kDrawingLeft, kDrawingTop, diamondPicture(PictureKind::CrystalNeighbours))
        .hidden();
    d.drawing(Image4, kDrawingLeft, kDrawingTop, diamondPicture(PictureKind::CrystalPacked))
        .hidden();

    // The facts, stage by stage: the count stays, the bonds and the density
    // follow it; the share filled takes the density's rows.
    addFact(d, Label2, covalentFactRow(0),
            QStringLiteral("単位格子内の原子　") + covalent::countLine(crystal))
        .hidden()
        .spoken(covalent::countSpoken(crystal), {});
    const QString angle = QString::number(cell::bondAngleDegrees(crystal), 'f', 1);
    addFact(d, Label3, covalentFactRow(1),
            QStringLiteral("配位数 %1　結合の角度 %2°")
                .arg(cell::coordinationNumber(crystal, 0))
                .arg(angle))
        .hidden()
        .spoken(QStringLiteral("配位数 %1。結合と結合の角度は %2 度")
                    .arg(cell::coordinationNumber(crystal, 0))
                    .arg(angle),
                {});
    addFact(d, Label4, covalentFactRow(2),
            covalent::bondLine(c, QStringLiteral("C–C")) +
                QStringLiteral("（a ＝ %1 nm）")
                    .arg(packing::figures(c.edgeNm, covalent::edgeFigures(c))))
        .hidden()
        .spoken(QStringLiteral(
                    "炭素原子の間の距離は、ルート3 a 割る 4 で、およそ %1 ナノメートル。a は %2 "
                    "ナノメートル")
                    .arg(packing::figures(cell::contactNm(c), 3),
                         packing::figures(c.edgeNm, covalent::edgeFigures(c))),
                {});
    addFact(d, Label5, covalentFactRow(3), covalent::densityWorking(c), 10.5)
        .hidden()
        .spoken(covalent::densityWorkingSpoken(c), {});
    addFact(d, Label6, covalentFactRow(4), covalent::densityResult(c))
        .hidden()
        .spoken(covalent::densityResultSpoken(c), {});
    const double filled = cell::packingFraction(crystal),
                 closest = cell::packingFraction(cell::Structure::Fcc);
    addFact(d, Label7, covalentFactRow(3),
            QStringLiteral("充填率 ＝ √3π ÷ 16 ≒ ") + covalent::share(filled))
        .hidden()
        .spoken(
            QStringLiteral("ダイヤモンドの充填率は、ルート3 パイ 割る 16 で、およそ %1 パーセント")
                .arg(std::lround(filled * 100)),
            {});
    addFact(d, Label8, covalentFactRow(4),
            QStringLiteral("面心立方（最密充填） ") + covalent::share(closest))
        .hidden()
        .spoken(QStringLiteral("最密充填の面心立方格子は %1 パーセント")
                    .arg(std::lround(closest * 100)),
                {});

    d.panel(List1, explanation(covalent::kFolder, 1), kText, PanelGround::Blue).spoken("説明");
    d.panel(List2, explanation(covalent::kFolder, 2), kText, PanelGround::Blue)
        .hidden()
        .spoken("説明（原子の数）");
    d.panel(List3, explanation(covalent::kFolder, 3), kText, PanelGround::Blue)
        .hidden()
        .spoken("説明（共有結合と配位数）");
    d.panel(List4, explanation(covalent::kFolder, 4), kText, PanelGround::Blue)
        .hidden()
        .spoken("説明（密度）");
    d.panel(List5, explanation(covalent::kFolder, 5), kText, PanelGround::Blue)
        .hidden()
        .spoken("説明（すき間の多い結晶）");
    addCovalentButtons(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead({List1, Image1}, {List2, Image2, Label2})
        .then(Command1)
        .fill(List3)
        .instead({List2, Image2}, {List3, Image3, Label3, Label4})
        .then(Command1)
        .fill(List4)
        .instead({List3, Image3}, {List4, Image2, Label5, Label6})
        .then(Command1)
        .fill(List5)
        .instead({List4, Image2, Label5, Label6}, {List5, Image4, Label7, Label8})
        .on(Command1, ScreenId::SiliconGraphite);

    d.tabOrder(
        {Command1, Command2, List1, List2, List3, List4, List5, Image1, Image2, Image3, Image4});
    d.firstFocus(Command1);
    return d.take();
}
