#pragma once

#include "crystals.h"
#include "lessondesign.h"
#include "packingdesign.h"

// The lesson on covalent crystals: ダイヤモンド (the cell in stages: the
// face-centred sites with the four inner places, the atoms counted, the four
// bonds of one atom, the density, the share filled) → ケイ素と黒鉛 (silicon
// in the same cell; graphite's layers) → the density question → 結晶の種類
// (the four kinds of crystal side by side, also opened from メニュー). Every
// number comes from the cell model and its table of substances (crystals.h).
// Each screen: Label1 its title, Command1 実行, Command2 メニュー.
MIROSUTA_CONTROLS(covalent, Label1, Command1, Command2)
// Image1-4 the diamond cell: frame, atoms, one atom's bonds, true sizes;
// Label2-8 the facts under it, List1-5 the texts.
MIROSUTA_CONTROLS_OF(diamond, covalent, Image1, Image2, Image3, Image4, Label2, Label3, Label4,
                     Label5, Label6, Label7, Label8, List1, List2, List3, List4, List5)
// Image1 silicon's cell, Image2 graphite; Label2-5 silicon's facts, Label6-8
// graphite's; List1-3 the texts.
MIROSUTA_CONTROLS_OF(siliconGraphite, covalent, Image1, Image2, Label2, Label3, Label4, Label5,
                     Label6, Label7, Label8, List1, List2, List3)
// Label2 the kinds' headings (an array by column), Label3 the rows'
// headings (by row), Label4 the cells (row × 4 + column); List1-3 the texts.
MIROSUTA_CONTROLS_OF(crystalKinds, covalent, Label2, Label3, Label4, List1, List2, List3)

namespace covalent {

// The lesson's texts: \説明\共有結合\msgN.txt.
inline constexpr const char* kFolder = "共有結合";
// The substance of the judged question.
inline constexpr std::string_view kQuizSubstance = "C";

// The terms of a count of the atoms in a cell, by the part of each inside:
// {8, 1} eight corners with an eighth each, {6, 4} six faces with a half,
// {4, 8} four inside, whole.
struct CountTerm {
    int atoms;
    int eighths;
};
std::vector<CountTerm> countTerms(const cell::Crystal& c);
// 1/8 × 8 ＋ 1/2 × 6 ＋ 4 ＝ 8, and as it is read.
QString countLine(const cell::Crystal& c);
QString countSpoken(const cell::Crystal& c);

// A substance's numbers (its name and a are packing::substanceTitle and
// packing::edgeLine): its bond, √3a/4; its density worked out and beside the
// measured one.
QString bondLine(const cell::Substance& s, const QString& bond); // C–C ＝ √3a ÷ 4 ＝ 0.154 nm
// The figures the table states the substance's a to (diamond's four), so that
// what the screen works with gives what it shows.
int edgeFigures(const cell::Substance& s);
QString densityWorking(const cell::Substance& s);
QString densityWorkingSpoken(const cell::Substance& s);
QString densityResult(const cell::Substance& s);
QString densityResultSpoken(const cell::Substance& s);

// A share of space: 0.34（34 %）.
QString share(double fraction);

// The rows of 結晶の種類, each a property of the four kinds.
inline constexpr int kKinds = 4;
struct KindsRow {
    const char* heading;
    const char* cells[kKinds]; // a "\n" breaks a line
};
const std::vector<KindsRow>& kindsRows();
const char* kindName(int column); // 金属結晶, イオン結晶, 共有結合の結晶, 分子結晶
// What a screen reader says for a cell: イオン結晶の融点：高い.
QString kindsCellSpoken(int row, int column);

} // namespace covalent

// The title of a screen of the lesson, at the top left, as a plate of text
// (the packing lesson's look).
template <class Tag> Declared<Tag> addCovalentTitle(Design<Tag>& d, const char* title) {
    return d.label(controls::covalent::Label1, QRect(240, 150, 3600, 630), QString::fromUtf8(title),
                   18, Qt::white, packing::kInk);
}

// A fact under the drawing: row 0 at the top, five rows, clear of the buttons.
inline QRect covalentFactRow(int row) {
    return QRect(240, 5190 + row * 360, 7500, 345);
}

// 実行 and メニュー in the lessons' bottom row.
template <class Tag> void addCovalentButtons(Design<Tag>& d) {
    const QPoint run = bottomButton(d.clientTwips(), 0), menu = bottomButton(d.clientTwips(), 1);
    d.button(controls::covalent::Command1, Word::Run, run.x(), run.y());
    d.button(controls::covalent::Command2, Word::Menu, menu.x(), menu.y()).to(ScreenId::Menu);
}
