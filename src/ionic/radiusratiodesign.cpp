#include "ionicdesign.h"

using namespace controls::radiusRatio;
using controls::ionic::Command1;
using controls::ionic::Command2;
using ionic::kInk;
using ionic::twips;

ScreenDesign design(ScreenTag<ScreenId::RadiusRatio> tag) {
    using cell::CrystalType;
    Design d(tag, "限界半径比", "限界半径比", kFullClient);
    ionic::addHeading(d, "限界半径比");
    // The three structures, the chosen one drawn as pressed (radiusratioscreen.h).
    const char* names[3] = {"NaCl型", "CsCl型", "ZnS型"};
    const Control<Tag> structures[3] = {Label2, Label3, Label4};
    for (int i = 0; i < 3; ++i)
        d.label(structures[i], twips(QRect(345 + i * 136, 8, 128, 30)), QString::fromUtf8(names[i]),
                12, kInk, Qt::white)
            .activation(Activation::Button)
            .spoken(QStringLiteral("%1を選ぶ").arg(QString::fromUtf8(names[i])),
                    QStringLiteral("押すと、この構造の断面図に替わる"));
    // The place of the cut, which the screen's class draws in.
    d.picture(Image1, pixelsToTwips(12), pixelsToTwips(44), pictures::None)
        .size(pixelsToTwips(300), pixelsToTwips(300))
        .spoken("断面図の場所");
    // The ratio and what the ions do, written by the class as the ratio moves.
    d.label(Label5, twips(QRect(12, 348, 300, 32)), QString(), 14.25, kInk, Qt::white);
    d.label(Label6, twips(QRect(325, 270, 431, 28)), QString(), 12, QColor(200, 0, 0), QColor(),
            Qt::AlignLeft | Qt::AlignVCenter);
    d.label(Label7, twips(QRect(12, 386, 144, 32)), QStringLiteral("◀ 小さく"), 12, Qt::white, kInk)
        .activation(Activation::Button)
        .spoken("陽イオンを小さく", "押すと、陽イオンの半径が少し小さくなる");
    d.label(Label8, twips(QRect(168, 386, 144, 32)), QStringLiteral("大きく ▶"), 12, Qt::white,
            kInk)
        .activation(Activation::Button)
        .spoken("陽イオンを大きく", "押すと、陽イオンの半径が少し大きくなる");
    const QRect text(325, 44, 431, 218);
    d.panel(List1, explanation(kIonicFolder, 15), twips(text), PanelGround::Blue)
        .spoken("説明（陽イオンを小さくする）");
    d.panel(List2, explanation(kIonicFolder, 16), twips(text), PanelGround::Blue)
        .hidden()
        .spoken("説明（限界半径比と例外）");
    const Control<Tag> limits[3] = {Label9, Label10, Label11};
    const CrystalType types[3] = {CrystalType::NaCl, CrystalType::CsCl, CrystalType::ZnS};
    for (int i = 0; i < 3; ++i)
        d.label(limits[i], twips(QRect(325, 304 + i * 30, 431, 28)), ionic::limitLine(types[i]), 12,
                kInk, QColor(), Qt::AlignLeft | Qt::AlignVCenter)
            .hidden();
    ionic::addRunAndMenu(d);

    d.opening()
        .then(Command1, "limits")
        .fill(List2)
        .instead(List1, {List2, Label9, Label10, Label11})
        .on(Command1, ScreenId::IonicQuiz);

    d.tabOrder({Label2, Label3, Label4, Label7, Label8, Label5, Label6, Command1, Command2, List1,
                List2, Label9, Label10, Label11, Image1});
    d.firstFocus(Label2);
    return d.take();
}
