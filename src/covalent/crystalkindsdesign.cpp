#include "covalentdesign.h"

using namespace controls::crystalKinds;
using controls::covalent::Command1;
using controls::covalent::Command2;

namespace {

// The table across the screen: the rows' headings in a narrow column, the
// four kinds in equal columns; each row as tall as its most lines.
constexpr int kTableLeft = 120, kTableTop = 930, kHeadingWidth = 1440, kColumnWidth = 2430,
              kGap = 30, kHeaderHeight = 450, kLineHeight = 300, kRowPadding = 120;
constexpr int kOpeningRows = 2;
const QColor kCellGround(255, 255, 255), kRowHeadingGround(204, 228, 255);

int lines(const char* text) {
    return int(QString::fromUtf8(text).count(QLatin1Char('\n'))) + 1;
}

int rowHeight(const covalent::KindsRow& row) {
    int most = 1;
    for (const char* cell : row.cells)
        most = std::max(most, lines(cell));
    return most * kLineHeight + kRowPadding;
}

int columnLeft(int column) {
    return kTableLeft + kHeadingWidth + kGap + column * (kColumnWidth + kGap);
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::CrystalKinds> tag) {
    Design d(tag, "結晶の種類", "結晶の種類", kFullClient);
    addCovalentTitle(d, "結晶の種類");
    const auto& rows = covalent::kindsRows();

    for (int column = 0; column < covalent::kKinds; ++column)
        d.label(Label2[column], QRect(columnLeft(column), kTableTop, kColumnWidth, kHeaderHeight),
                QString::fromUtf8(covalent::kindName(column)), 12, Qt::white, packing::kInk)
            .spoken(QString::fromUtf8(covalent::kindName(column)), QStringLiteral("表の列"));
    // The particles and their bond show at first (kOpeningRows); the
    // properties, then the examples, come with 実行.
    Names<Tag> properties, examples;
    int top = kTableTop + kHeaderHeight + kGap;
    for (int row = 0; row < int(rows.size()); ++row) {
        const int height = rowHeight(rows[std::size_t(row)]);
        d.label(Label3[row], QRect(kTableLeft, top, kHeadingWidth, height),
                QString::fromUtf8(rows[std::size_t(row)].heading), 12, packing::kInk,
                kRowHeadingGround)
            .spoken(QString::fromUtf8(rows[std::size_t(row)].heading), QStringLiteral("表の行"));
        for (int column = 0; column < covalent::kKinds; ++column) {
            const auto cell = Label4[row * covalent::kKinds + column];
            Declared<Tag> made = d.label(cell, QRect(columnLeft(column), top, kColumnWidth, height),
                                         QString::fromUtf8(rows[std::size_t(row)].cells[column]),
                                         12, packing::kInk, kCellGround);
            made.spoken(covalent::kindsCellSpoken(row, column), {});
            if (row < kOpeningRows)
                continue;
            made.hidden();
            (row + 1 == int(rows.size()) ? examples : properties) << cell;
        }
        top += height + kGap;
    }

    // The text beside the title, two lines, so that the table has the height.
    const QRect text(4020, 90, 7320, 780);
    d.panel(List1, explanation(covalent::kFolder, 9), text, PanelGround::Blue).spoken("説明");
    d.panel(List2, explanation(covalent::kFolder, 10), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（性質）");
    d.panel(List3, explanation(covalent::kFolder, 11), text, PanelGround::Blue)
        .hidden()
        .spoken("説明（例）");
    addCovalentButtons(d);

    d.opening()
        .then(Command1)
        .fill(List2)
        .instead(List1, Names<Tag>(properties) << List2)
        .then(Command1)
        .fill(List3)
        .instead({List2, Command1}, Names<Tag>(examples) << List3)
        .focus(Command2);

    d.tabOrder({Command1, Command2, List1, List2, List3});
    d.firstFocus(Command1);
    return d.take();
}
