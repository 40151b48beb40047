#include "packingdesign.h"

#include <cmath>
#include <numbers>
#include <vector>

using namespace controls::packingWorked;
using cell::Structure;

namespace {

// A step of the working: what a column shows, and what a screen reader says.
struct Step {
    const char* text;
    const char* spoken;
};

// Each structure in a column: its cell, and under it the fraction worked
// out, one step a row, to its exact value.
struct Column {
    Structure structure;
    Control<Tag> drawing;
    QPoint drawingAt;                // twips; the cell centred over its column
    std::vector<Control<Tag>> lines; // its name, r, the steps, the result
    std::vector<Step> steps;         // the fraction with r put in, and on
    Step exact;                      // the fraction's exact value
    double exactValue;               // the same, to check it against the model
};

constexpr int kColumnWidth = 3720, kFactTop = 3810, kFactStep = 330, kFactHeight = 330;

QString percent(double fraction) {
    return QString::number(std::lround(fraction * 100)) + QStringLiteral(" %");
}

QString radiusLine(Structure s) {
    const QString r = QString::number(cell::radiusOverEdge(s), 'f', 3);
    switch (s) {
    case Structure::Bcc:
        return QStringLiteral("r ＝ √3a/4 ≒ %1a").arg(r);
    case Structure::Fcc:
        return QStringLiteral("r ＝ √2a/4 ≒ %1a").arg(r);
    case Structure::Hcp:
        break;
    }
    return QStringLiteral("r ＝ a/2、c ＝ √(8/3)a ≒ %1a")
        .arg(QString::number(cell::heightOverEdge(s), 'f', 3));
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::PackingWorked> tag) {
    Design d(tag, "充填率計算", "充填率の計算", kFullClient);
    addPackingTitle(d, Label1, "充填率の計算");
    const double pi = std::numbers::pi;
    const Column columns[] = {
        {Structure::Bcc,
         Image1,
         {570, 900},
         {Label2, Label3, Label4, Label5},
         {{"2 × 4/3 π(√3a/4)³ ÷ a³", "2 かける 3分の4 パイ、4分のルート3 a の3乗、割る a の3乗"}},
         {"＝ √3π/8", "8分のルート3 パイ"},
         std::sqrt(3.0) * pi / 8},
        {Structure::Fcc,
         Image2,
         {4455, 870},
         {Label6, Label7, Label8, Label9},
         {{"4 × 4/3 π(√2a/4)³ ÷ a³", "4 かける 3分の4 パイ、4分のルート2 a の3乗、割る a の3乗"}},
         {"＝ √2π/6", "6分のルート2 パイ"},
         std::sqrt(2.0) * pi / 6},
        // The prism's height put in: its volume and its atoms' come to
        // whole multiples of a³.
        {Structure::Hcp,
         Image3,
         {8460, 930},
         {Label10, Label11, Label12, Label13, Label14, Label15, Label16},
         {{"6 × 4/3 π(a/2)³ ÷ {(3√3/2)a²c}",
           "6 かける 3分の4 パイ、2分の a の3乗、割る、2分の3ルート3 a の2乗 c"},
          {"6 × 4/3 π(a/2)³ ＝ πa³", "6 かける 3分の4 パイ、2分の a の3乗 は、パイ a の3乗"},
          {"(3√3/2)a² × √(8/3)a ＝ 3√2a³",
           "2分の3ルート3 a の2乗 かける ルート3分の8 a は、3ルート2 a の3乗"},
          {"πa³ ÷ (3√2a³) ＝ π/(3√2)", "パイ a の3乗 割る 3ルート2 a の3乗 は、3ルート2分のパイ"}},
         {"＝ √2π/6", "6分のルート2 パイ"},
         std::sqrt(2.0) * pi / 6},
    };
    int column = 0;
    for (const Column& c : columns) {
        d.drawing(c.drawing, c.drawingAt.x(), c.drawingAt.y(),
                  pictures::of(PictureKind::Cutaway, c.structure));
        const int left = 120 + column * (kColumnWidth + 120);
        auto row = [&](std::size_t i) {
            return QRect(left, kFactTop + int(i) * kFactStep, kColumnWidth, kFactHeight);
        };
        addFact(d, c.lines[0], row(0),
                QStringLiteral("%1　n ＝ %2")
                    .arg(packing::structureName(c.structure), packing::atomCount(c.structure)),
                10.5)
            .hidden();
        addFact(d, c.lines[1], row(1), radiusLine(c.structure), 10.5).hidden();
        for (std::size_t i = 0; i < c.steps.size(); ++i)
            addFact(d, c.lines[2 + i], row(2 + i), QString::fromUtf8(c.steps[i].text), 10.5)
                .hidden()
                .spoken(QString::fromUtf8(c.steps[i].spoken), {});
        const double f = cell::packingFraction(c.structure);
        // The exact value written out is the model's.
        Q_ASSERT(std::abs(c.exactValue - f) < 1e-12);
        addFact(d, c.lines.back(), row(c.lines.size() - 1),
                QStringLiteral("%1 ≒ %2（%3）")
                    .arg(QString::fromUtf8(c.exact.text), packing::figures(f, 2), percent(f)),
                10.5)
            .hidden()
            .spoken(QStringLiteral("%1、およそ %2、%3")
                        .arg(QString::fromUtf8(c.exact.spoken), packing::figures(f, 2), percent(f)),
                    {});
        ++column;
    }

    const QRect text(120, 5280, 7620, 1830);
    d.panel(List1, explanation(kPackingFolder, 6), text, PanelGround::Blue).spoken("説明");
    d.panel(List2, explanation(kPackingFolder, 7), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（体心立方格子）");
    d.panel(List3, explanation(kPackingFolder, 8), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（面心立方格子）");
    d.panel(List4, explanation(kPackingFolder, 9), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（六方最密構造）");
    addRunAndMenu(d, Command1, Command2);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead(List1, {List2, Label2, Label3, Label4, Label5})
        .then(Command1)
        .fill(List3)
        .instead(List2, {List3, Label6, Label7, Label8, Label9})
        .then(Command1)
        .fill(List4)
        .instead(List3, {List4, Label10, Label11, Label12, Label13, Label14, Label15, Label16})
        .on(Command1, ScreenId::Density);

    d.tabOrder({Command1, Command2, List1, List2, List3, List4, Image1, Image2, Image3});
    d.firstFocus(Command1);
    return d.take();
}
