#include "packingdesign.h"

using namespace controls::packingIntro;
using cell::Structure;

namespace {

// Under the cell: its atoms, their volume and the cell's volume, one line each.
constexpr int kFactLeft = 240, kFactTop = 4080, kFactStep = 480, kFactWidth = 4560,
              kFactHeight = 450;

QRect factRow(int row) {
    return QRect(kFactLeft, kFactTop + row * kFactStep, kFactWidth, kFactHeight);
}

// The three facts of one structure, each shown by its own stage.
void addFacts(Design<Tag>& d, Structure s, Control<Tag> atoms, Control<Tag> volume,
              Control<Tag> cellVolume) {
    const QString n = packing::atomCount(s);
    addFact(d, atoms, factRow(0),
            QStringLiteral("%1：原子 n ＝ %2 個").arg(packing::structureName(s), n))
        .hidden();
    addFact(d, volume, factRow(1), QStringLiteral("原子の体積 ＝ %1 × 4/3 πr³").arg(n))
        .hidden()
        .spoken(QStringLiteral("原子の体積は %1 かける 3分の4 パイ r の3乗").arg(n), {});
    addFact(d, cellVolume, factRow(2), QStringLiteral("単位格子の体積 ＝ a³"))
        .hidden()
        .spoken(QStringLiteral("単位格子の体積は a の3乗"), {});
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::PackingIntro> tag) {
    Design d(tag, "充填率", "充填率とは", kFullClient);
    addPackingTitle(d, Label1, "充填率");
    d.label(Label2, QRect(4080, 240, 6120, 510),
            QStringLiteral("充填率 ＝ 原子の体積 ÷ 単位格子の体積"), 14.25, packing::kInk,
            Qt::white)
        .spoken("充填率は、原子の体積を単位格子の体積で割ったもの");
    d.picture(Image1, 10380, 120, pictures::FaceB);
    // The cell turns, BCC first, then FCC in its place.
    d.drawing(Image2, 990, 1050, pictures::of(PictureKind::Cutaway, Structure::Bcc));
    d.drawing(Image3, 1020, 1020, pictures::of(PictureKind::Cutaway, Structure::Fcc)).hidden();
    addFacts(d, Structure::Bcc, Label3, Label4, Label5);
    addFacts(d, Structure::Fcc, Label6, Label7, Label8);

    const QRect text(4920, 1020, 6360, 4980);
    d.panel(List1, explanation(kPackingFolder, 1), text, PanelGround::Blue).spoken("説明");
    d.panel(List2, explanation(kPackingFolder, 2), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（単位格子内の原子）");
    d.panel(List3, explanation(kPackingFolder, 3), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（原子の体積）");
    d.panel(List4, explanation(kPackingFolder, 4), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（単位格子の体積）");
    d.panel(List5, explanation(kPackingFolder, 5), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（面心立方格子）");
    addRunAndMenu(d, Command1, Command2);

    // The BCC cell fact by fact, then the FCC cell at once; each text is read
    // at its press.
    d.opening()
        .then(Command1)
        .fill(List2)
        .instead(List1, {List2, Label3})
        .then(Command1)
        .fill(List3)
        .instead(List2, {List3, Label4})
        .then(Command1)
        .fill(List4)
        .instead(List3, {List4, Label5})
        .then(Command1)
        .fill(List5)
        .instead({List4, Image2, Label3, Label4, Label5}, {List5, Image3, Label6, Label7, Label8})
        .on(Command1, ScreenId::PackingWorked);

    d.tabOrder({Command1, Command2, List1, List2, List3, List4, List5, Image2, Image3});
    d.firstFocus(Command1);
    return d.take();
}
