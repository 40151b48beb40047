#include "covalentdesign.h"

using namespace controls::siliconGraphite;
using controls::covalent::Command1;
using controls::covalent::Command2;

namespace {

constexpr int kDrawingLeft = 240, kDrawingTop = 900;
// The text above the facts, which run under it as far as the buttons.
const QRect kText(4740, 900, 6600, 4200);

} // namespace

ScreenDesign design(ScreenTag<ScreenId::SiliconGraphite> tag) {
    const cell::Substance& si = cell::substance("Si");
    const cell::Substance& c = cell::substance("C");
    const cell::Graphite& graphite = cell::graphite();
    Design d(tag, "ケイ素と黒鉛", "ケイ素と黒鉛", kFullClient);
    addCovalentTitle(d, "ケイ素と黒鉛");

    // Silicon's cell is diamond's: the same drawing, named for silicon.
    d.drawing(Image1, kDrawingLeft, kDrawingTop,
              pictures::crystal(PictureKind::CrystalCell, si.type))
        .spoken("ケイ素の単位格子（ダイヤモンドと同じ構造）", "ドラッグするか矢印キーで回せる");
    d.drawing(Image2, kDrawingLeft - 60, kDrawingTop + 150, pictures::Graphite).hidden();

    addFact(d, Label2, covalentFactRow(0),
            packing::substanceTitle(si) + QStringLiteral("　") + packing::edgeLine(si.edgeNm))
        .spoken(packing::substanceTitle(si) + QStringLiteral("。") + packing::edgeSpoken(si.edgeNm),
                {});
    addFact(d, Label3, covalentFactRow(1), covalent::bondLine(si, QStringLiteral("Si–Si")))
        .spoken(
            QStringLiteral("ケイ素原子の間の距離は、ルート3 a 割る 4 で、およそ %1 ナノメートル")
                .arg(packing::figures(cell::contactNm(si), 3)),
            {});
    addFact(d, Label4, covalentFactRow(2), covalent::densityWorking(si), 10.5)
        .spoken(covalent::densityWorkingSpoken(si), {});
    addFact(d, Label5, covalentFactRow(3), covalent::densityResult(si))
        .spoken(covalent::densityResultSpoken(si), {});

    // Graphite's figures, stated once in the cell model.
    addFact(d, Label6, covalentFactRow(0),
            QStringLiteral("黒鉛 C　層の中の C–C ＝ %1 nm（結合 %2本）")
                .arg(packing::figures(graphite.bondNm, 3))
                .arg(graphite.bondsPerAtom))
        .hidden()
        .spoken(
            QStringLiteral("黒鉛。層の中の炭素原子の間は %1 ナノメートル。一つの原子の結合は %2本")
                .arg(packing::figures(graphite.bondNm, 3))
                .arg(graphite.bondsPerAtom),
            {});
    addFact(d, Label7, covalentFactRow(1),
            QStringLiteral("層と層の間 ＝ %1 nm（分子間力）")
                .arg(packing::figures(graphite.layerNm, 3)))
        .hidden()
        .spoken(QStringLiteral("層と層の間は %1 ナノメートル。分子間力で積み重なる")
                    .arg(packing::figures(graphite.layerNm, 3)),
                {});
    addFact(d, Label8, covalentFactRow(2),
            QStringLiteral("密度 %1 g/cm³（ダイヤモンド %2 g/cm³）")
                .arg(packing::figures(graphite.handbook, 3), packing::figures(c.handbook, 3)))
        .hidden()
        .spoken(QStringLiteral("黒鉛の密度は %1 グラム毎立方センチメートル。ダイヤモンドは %2")
                    .arg(packing::figures(graphite.handbook, 3), packing::figures(c.handbook, 3)),
                {});

    d.panel(List1, explanation(covalent::kFolder, 6), kText, PanelGround::Blue)
        .spoken("説明（ケイ素）");
    d.panel(List2, explanation(covalent::kFolder, 7), kText, PanelGround::Blue)
        .hidden()
        .spoken("説明（黒鉛の構造）");
    d.panel(List3, explanation(covalent::kFolder, 8), kText, PanelGround::Blue)
        .hidden()
        .spoken("説明（黒鉛の性質）");
    addCovalentButtons(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead({List1, Image1, Label2, Label3, Label4, Label5},
                 {List2, Image2, Label6, Label7, Label8})
        .then(Command1)
        .fill(List3)
        .instead(List2, List3)
        .on(Command1, ScreenId::CovalentQuiz);

    d.tabOrder({Command1, Command2, List1, List2, List3, Image1, Image2});
    d.firstFocus(Command1);
    return d.take();
}
