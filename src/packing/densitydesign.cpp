#include "packingdesign.h"

using namespace controls::density;

namespace {

constexpr int kFactLeft = 240, kFactTop = 4080, kFactStep = 360, kFactWidth = 4560,
              kFactHeight = 345;

QRect factRow(int row) {
    return QRect(kFactLeft, kFactTop + row * kFactStep, kFactWidth, kFactHeight);
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::Density> tag) {
    const cell::Metal& cu = cell::metal(kExampleMetal);
    Design d(tag, "密度", "結晶の密度", kFullClient);
    addPackingTitle(d, Label1, "結晶の密度");
    d.label(Label2, QRect(4080, 240, 6120, 510), QStringLiteral("ρ ＝ n × M ÷ (N_A × a³)"), 14.25,
            packing::kInk, Qt::white)
        .spoken("密度 ロー は、n かける M を、アボガドロ定数 かける a の3乗 で割ったもの");
    d.drawing(Image1, 1020, 1020, pictures::of(PictureKind::Cutaway, cu.structure));

    // Stage 1: the copper cell's numbers; stage 2: put in, and the result
    // beside the measured value.
    addFact(d, Label3, factRow(0),
            packing::metalTitle(cu) + QStringLiteral("　n ＝ ") + packing::atomCount(cu.structure))
        .hidden();
    addFact(d, Label4, factRow(1), packing::edgeLine(cu))
        .hidden()
        .spoken(packing::edgeSpoken(cu), {});
    addFact(d, Label5, factRow(2), packing::molarMassLine(cu)).hidden();
    addFact(d, Label6, factRow(3), packing::avogadroLine())
        .hidden()
        .spoken(packing::avogadroSpoken(), {});
    addFact(d, Label7, factRow(4),
            QStringLiteral("ρ ＝ %1 × %2 ÷ (%3 × (%4)³)")
                .arg(packing::atomCount(cu.structure), packing::figures(cu.molarMass, 3),
                     packing::scientific(cell::kAvogadro, 3),
                     packing::scientific(cu.edgeNm * cell::kCmPerNm, 3)),
            10.5)
        .hidden()
        .spoken(QStringLiteral("数値を代入する"), {});
    const double rho = cell::density(cu);
    addFact(d, Label8, factRow(5),
            QStringLiteral("ρ ≒ %1 g/cm³（測定値 %2 g/cm³）")
                .arg(packing::figures(rho, 3), packing::figures(cu.handbook, 3)))
        .hidden()
        .spoken(QStringLiteral("密度はおよそ %1 グラム毎立方センチメートル。測定値は %2")
                    .arg(packing::figures(rho, 3), packing::figures(cu.handbook, 3)),
                {});

    const QRect text(4920, 1020, 6360, 4980);
    d.panel(List1, explanation(kPackingFolder, 10), text, PanelGround::Blue).spoken("説明");
    d.panel(List2, explanation(kPackingFolder, 11), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（銅の結晶）");
    d.panel(List3, explanation(kPackingFolder, 12), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（銅の密度）");
    addRunAndMenu(d, Command1, Command2);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead(List1, {List2, Label3, Label4, Label5, Label6})
        .then(Command1)
        .fill(List3)
        .instead(List2, {List3, Label7, Label8})
        .on(Command1, ScreenId::DensityQuiz);

    d.tabOrder({Command1, Command2, List1, List2, List3, Image1});
    d.firstFocus(Command1);
    return d.take();
}
