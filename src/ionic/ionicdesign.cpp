#include "ionicdesign.h"

#include <QLocale>
#include <cmath>
#include <map>
#include <numbers>

namespace {

using cell::CrystalType;
using controls::ionic::Command1;
using controls::ionic::Command2;

using ionic::kInk;
using ionic::twips;

// The places of the screens, in pixels: the drawing on the left, the text
// to its right with the numbers under it.
const QPoint kDrawing(12, 44);
const QRect kText(305, 44, 451, 220);
constexpr int kFactTop = 276, kFactStep = 32;

QRect factRow(int row) {
    return QRect(kText.x(), kFactTop + row * kFactStep, kText.width(), 28);
}

template <class Tag, class N>
Declared<Tag> drawingAt(Design<Tag>& d, N name, PictureKind kind, CrystalType t) {
    return d.drawing(name, pixelsToTwips(kDrawing.x()), pixelsToTwips(kDrawing.y()),
                     pictures::crystal(kind, t));
}

template <class Tag, class N>
Declared<Tag> panelAt(Design<Tag>& d, N name, int number, const char* spoken) {
    return d.panel(name, explanation(kIonicFolder, number), twips(kText), PanelGround::Blue)
        .spoken(spoken);
}

// A number or a formula under the text, in the lesson's ink.
template <class Tag, class N>
Declared<Tag> factAt(Design<Tag>& d, N name, int row, const QString& text) {
    // Larger than the texts, so that the raised charges stay legible.
    return d.label(name, twips(factRow(row)), text, 14.25, kInk, QColor(),
                   Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

namespace ionic {

QString decimals(double v, int places) {
    return QString::number(v, 'f', places);
}

QString roundedTo(double v, int places) {
    // ＝ only where the figures shown are the whole value: 0.564 ÷ 2, not √2 − 1.
    const double scale = std::pow(10.0, places);
    const bool whole = std::abs(v * scale - std::round(v * scale)) < 1e-9;
    return (whole ? QStringLiteral("＝ ") : QStringLiteral("≒ ")) + decimals(v, places);
}

QString cationMarkup(CrystalType t) {
    switch (t) {
    case CrystalType::NaCl:
        return QStringLiteral("Na^+");
    case CrystalType::CsCl:
        return QStringLiteral("Cs^+");
    case CrystalType::ZnS:
        return QStringLiteral("Zn^2+");
    case CrystalType::Diamond:
        break;
    }
    return QStringLiteral("C");
}

QString anionMarkup(CrystalType t) {
    return t == CrystalType::ZnS ? QStringLiteral("S^2-") : QStringLiteral("Cl^-");
}

QString countLine(CrystalType t, int species) {
    // How many particles of the species touch the cube, by the eighths of
    // each that lie inside it.
    std::map<int, int> byEighths;
    for (const cell::CubicSite& s : cell::sitesTouchingCube(cell::crystal(t).motif))
        if (s.species == species)
            ++byEighths[cell::eighthsInside(s.pos)];
    const QString ion = species == 0 ? cationMarkup(t) : anionMarkup(t);
    const int total = int(std::lround(cell::particlesPerCell(cell::crystal(t), species)));
    if (byEighths.size() == 1 && byEighths.begin()->first == 8)
        return QStringLiteral("%1：内部に %2個").arg(ion).arg(total);
    QStringList parts;
    for (const auto& [eighths, count] : byEighths) {
        if (eighths == 8)
            parts << (count == 1 ? QStringLiteral("1") : QStringLiteral("1 × %1").arg(count));
        else
            parts << QStringLiteral("1/%1 × %2").arg(8 / eighths).arg(count);
    }
    return QStringLiteral("%1：%2 ＝ %3個").arg(ion, parts.join(QStringLiteral(" ＋ "))).arg(total);
}

QString coordinationLine(CrystalType t) {
    return QStringLiteral("配位数 %1").arg(cell::coordinationNumber(cell::crystal(t), 0));
}

Contact contact(CrystalType t) {
    switch (t) {
    case CrystalType::NaCl:
        return {"a ＝ 2(r^+ ＋ r^-)", 0.5};
    case CrystalType::CsCl:
        return {"√3a ＝ 2(r^+ ＋ r^-)", std::numbers::sqrt3 / 2};
    case CrystalType::ZnS:
    case CrystalType::Diamond:
        break;
    }
    return {"√3a/4 ＝ r^+ ＋ r^-", std::numbers::sqrt3 / 4};
}

QString contactLine(CrystalType t) {
    const cell::Substance* s = nullptr;
    for (const cell::Substance& candidate : cell::substances())
        if (candidate.type == t && !s)
            s = &candidate;
    const QString a = decimals(s->edgeNm);
    QString worked;
    switch (t) {
    case CrystalType::NaCl:
        worked = a + QStringLiteral(" ÷ 2");
        break;
    case CrystalType::CsCl:
        worked = QStringLiteral("√3 × %1 ÷ 2").arg(a);
        break;
    default:
        worked = QStringLiteral("√3 × %1 ÷ 4").arg(a);
        break;
    }
    return QStringLiteral("%1：r^+ ＋ r^- ＝ %2 %3 nm")
        .arg(QString::fromUtf8(s->formula.data(), qsizetype(s->formula.size())), worked,
             roundedTo(cell::contactNm(*s)));
}

QString limitLine(CrystalType t) {
    const char* formula = t == CrystalType::NaCl   ? "√2 − 1"
                          : t == CrystalType::CsCl ? "√3 − 1"
                                                   : "√6/2 − 1";
    const char* name = t == CrystalType::NaCl   ? "NaCl型"
                       : t == CrystalType::CsCl ? "CsCl型"
                                                : "ZnS型";
    return QStringLiteral("%1（配位数 %2）：%3 %4")
        .arg(QString::fromUtf8(name))
        .arg(cell::coordinationNumber(cell::crystal(t), 0))
        .arg(QString::fromUtf8(formula), roundedTo(cell::limitingRadiusRatio(cell::crystal(t))));
}

} // namespace ionic

ScreenDesign design(ScreenTag<ScreenId::IonicIntro> tag) {
    using namespace controls::ionicIntro;
    Design d(tag, "イオン結晶", "イオン結晶", kFullClient);
    ionic::addHeading(d, "イオン結晶");
    drawingAt(d, Image1, PictureKind::CrystalPacked, CrystalType::NaCl);
    drawingAt(d, Image2, PictureKind::CrystalCell, CrystalType::NaCl).hidden();
    panelAt(d, List1, 1, "説明（イオン結合）");
    panelAt(d, List2, 2, "説明（組成式）").hidden();
    ionic::addRunAndMenu(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead({List1, Image1}, {List2, Image2})
        .on(Command1, ScreenId::NaclCell);

    d.tabOrder({Command1, Command2, List1, List2, Image1, Image2});
    d.firstFocus(Command1);
    return d.take();
}

ScreenDesign design(ScreenTag<ScreenId::NaclCell> tag) {
    using namespace controls::naclCell;
    const CrystalType t = CrystalType::NaCl;
    Design d(tag, "NaCl型", "NaCl型の結晶", kFullClient);
    ionic::addHeading(d, "NaCl型（塩化ナトリウム型）");
    drawingAt(d, Image1, PictureKind::CrystalFrame, t);
    drawingAt(d, Image2, PictureKind::CrystalCell, t).hidden();
    drawingAt(d, Image3, PictureKind::CrystalNeighbours, t).hidden();
    drawingAt(d, Image4, PictureKind::CrystalPacked, t).hidden();
    factAt(d, Label2, 0, ionic::countLine(t, 0)).hidden();
    factAt(d, Label3, 1, ionic::countLine(t, 1)).hidden();
    factAt(d, Label4, 0, ionic::coordinationLine(t)).hidden();
    factAt(d, Label5, 1, QString::fromUtf8(ionic::contact(t).formula)).hidden();
    factAt(d, Label8, 2, ionic::contactLine(t)).hidden();
    // The choice of how the ions are drawn, under the drawing.
    const QRect choice(kDrawing.x(), 336, 136, 30);
    d.label(Label6, twips(choice), QStringLiteral("実際の大きさ"), 12, Qt::white, kInk)
        .activation(Activation::Button)
        .spoken("実際の大きさで見る", "押すと、イオンを実際の大きさの割合で描いた図に替わる")
        .hidden();
    d.label(Label7, twips(choice.translated(144, 0)), QStringLiteral("小さな球"), 12, Qt::white,
            kInk)
        .activation(Activation::Button)
        .spoken("小さな球で見る", "押すと、イオンを小さな球で描いた図に替わる")
        .hidden();
    panelAt(d, List1, 3, "説明（塩化物イオンの並び）");
    panelAt(d, List2, 4, "説明（ナトリウムイオンの位置）").hidden();
    panelAt(d, List3, 5, "説明（イオンの数）").hidden();
    panelAt(d, List4, 6, "説明（配位数）").hidden();
    panelAt(d, List5, 7, "説明（実際の大きさ）").hidden();
    panelAt(d, List6, 8, "説明（小さな球）").hidden();
    ionic::addRunAndMenu(d);

    const State<Tag> neighbours =
        d.opening()
            .then(Command1)
            .fill(List2)
            .instead({List1, Image1}, {List2, Image2})
            .then(Command1, "count")
            .fill(List3)
            .instead(List2, {List3, Label2, Label3})
            .then(Command1, "neighbours")
            .fill(List4)
            .instead({List3, Image2, Label2, Label3},
                     {List4, Image3, Label4, Label5, Label8, Label6, Label7});
    // Then the learner may look at the true sizes or the small balls, one
    // press each, and from either at the other; 実行 leads on from all three.
    const State<Tag> packed = neighbours.then(Label6, "packed")
                                  .fill(List5)
                                  .instead({List4, Image3, Label6}, {List5, Image4})
                                  .focus(Label7);
    const State<Tag> balls = neighbours.then(Label7, "balls")
                                 .fill(List6)
                                 .instead({List4, Image3, Label7}, {List6, Image2})
                                 .focus(Label6);
    packed.on(Label7, balls);
    balls.on(Label6, packed);
    for (const State<Tag>& s : {neighbours, packed, balls})
        s.on(Command1, ScreenId::CsclCell);

    d.tabOrder({Command1, Command2, List1, List2, List3, List4, List5, List6, Label2, Label3,
                Label4, Label5, Label8, Label6, Label7, Image1, Image2, Image3, Image4});
    d.firstFocus(Command1);
    return d.take();
}

ScreenDesign design(ScreenTag<ScreenId::CsclCell> tag) {
    using namespace controls::ionicCell;
    const CrystalType t = CrystalType::CsCl;
    Design d(tag, "CsCl型", "CsCl型の結晶", kFullClient);
    ionic::addHeading(d, "CsCl型（塩化セシウム型）");
    drawingAt(d, Image1, PictureKind::CrystalCell, t);
    drawingAt(d, Image2, PictureKind::CrystalNeighbours, t).hidden();
    drawingAt(d, Image3, PictureKind::CrystalPacked, t).hidden();
    factAt(d, Label2, 0, ionic::countLine(t, 0));
    factAt(d, Label3, 1, ionic::countLine(t, 1));
    factAt(d, Label4, 0, ionic::coordinationLine(t)).hidden();
    factAt(d, Label5, 1, QString::fromUtf8(ionic::contact(t).formula)).hidden();
    factAt(d, Label6, 2, ionic::contactLine(t)).hidden();
    panelAt(d, List1, 9, "説明（イオンの位置と数）");
    panelAt(d, List2, 10, "説明（配位数）").hidden();
    panelAt(d, List3, 11, "説明（体心立方格子との違い）").hidden();
    ionic::addRunAndMenu(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead({List1, Image1, Label2, Label3}, {List2, Image2, Label4, Label5, Label6})
        .then(Command1)
        .fill(List3)
        .instead({List2, Image2}, {List3, Image3})
        .on(Command1, ScreenId::ZnsCell);

    d.tabOrder({Command1, Command2, List1, List2, List3, Label2, Label3, Label4, Label5, Label6,
                Image1, Image2, Image3});
    d.firstFocus(Command1);
    return d.take();
}

ScreenDesign design(ScreenTag<ScreenId::ZnsCell> tag) {
    using namespace controls::ionicCell;
    const CrystalType t = CrystalType::ZnS;
    Design d(tag, "ZnS型", "ZnS型の結晶", kFullClient);
    ionic::addHeading(d, "ZnS型（閃亜鉛鉱型）");
    drawingAt(d, Image1, PictureKind::CrystalFrame, t);
    drawingAt(d, Image2, PictureKind::CrystalCell, t).hidden();
    drawingAt(d, Image3, PictureKind::CrystalNeighbours, t).hidden();
    factAt(d, Label2, 0, ionic::countLine(t, 0)).hidden();
    factAt(d, Label3, 1, ionic::countLine(t, 1)).hidden();
    factAt(d, Label4, 0, ionic::coordinationLine(t)).hidden();
    factAt(d, Label5, 1, QString::fromUtf8(ionic::contact(t).formula)).hidden();
    factAt(d, Label6, 2, ionic::contactLine(t)).hidden();
    panelAt(d, List1, 12, "説明（硫化物イオンの並び）");
    panelAt(d, List2, 13, "説明（亜鉛イオンの位置と数）").hidden();
    panelAt(d, List3, 14, "説明（配位数）").hidden();
    ionic::addRunAndMenu(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead({List1, Image1}, {List2, Image2, Label2, Label3})
        .then(Command1)
        .fill(List3)
        .instead({List2, Image2, Label2, Label3}, {List3, Image3, Label4, Label5, Label6})
        .on(Command1, ScreenId::RadiusRatio);

    d.tabOrder({Command1, Command2, List1, List2, List3, Label2, Label3, Label4, Label5, Label6,
                Image1, Image2, Image3});
    d.firstFocus(Command1);
    return d.take();
}
