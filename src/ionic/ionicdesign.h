#pragma once

#include "crystals.h"
#include "lessondesign.h"
#include "screendesign.h"

// The ionic-crystal lesson: イオン結晶 (what an ionic crystal is) → NaCl型 (the
// Cl⁻ frame, the Na⁺ in its holes, the count, the six neighbours, and the
// true sizes or the small balls by choice) → CsCl型 → ZnS型 → 限界半径比 (the
// learner shrinks the cation, radiusratioscreen.h) → イオン結晶の問題 (NaCl's
// density, judged). Every number on the screens is computed from the cell
// model (crystals.h). Each screen: Label1 its heading, Command1 実行 (not on
// the question), Command2 メニュー.
MIROSUTA_CONTROLS(ionic, Label1, Command1, Command2)
MIROSUTA_CONTROLS_OF(ionicIntro, ionic, Image1, Image2, List1, List2)
// NaCl型: Image1 the Cl⁻ frame, Image2 the cell, Image3 the six neighbours,
// Image4 the true sizes; Label2/3 the counts, Label4/5 the coordination
// number and the contact (Label8 worked for NaCl); Label6/7 the choice of the true sizes or the
// small balls.
MIROSUTA_CONTROLS_OF(naclCell, ionic, Image1, Image2, Image3, Image4, Label2, Label3, Label4,
                     Label5, Label6, Label7, Label8, List1, List2, List3, List4, List5, List6)
// CsCl型 and ZnS型: three drawings in turn, the counts (Label2/3), the
// coordination number, the contact and its worked distance (Label4-6).
MIROSUTA_CONTROLS_OF(ionicCell, ionic, Image1, Image2, Image3, Label2, Label3, Label4, Label5,
                     Label6, List1, List2, List3)
// 限界半径比: Image1 the cut the class draws in (RatioCut), Label2-4 the
// structures, Label5 the ratio, Label6 what the ions do, Label7/8 smaller and
// larger; Label9-11 the three limits, shown with List2.
MIROSUTA_CONTROLS_OF(radiusRatio, ionic, Image1, Label2, Label3, Label4, Label5, Label6, Label7,
                     Label8, Label9, Label10, Label11, List1, List2)

// The lesson's texts: \説明\イオン結晶\msgN.txt.
inline constexpr const char* kIonicFolder = "イオン結晶";
// The substance of the density question.
inline constexpr std::string_view kIonicQuestionSubstance = "NaCl";

namespace ionic {

inline const QColor kInk(0, 0, 128);

// A place in pixels, in twips.
inline QRect twips(const QRect& px) {
    return {pixelsToTwips(px.x()), pixelsToTwips(px.y()), pixelsToTwips(px.width()),
            pixelsToTwips(px.height())};
}

// The lesson's heading across the top left, a plate of text.
template <class Tag> void addHeading(Design<Tag>& d, const char* heading) {
    d.label(controls::ionic::Label1, twips(QRect(12, 4, 320, 32)), QString::fromUtf8(heading),
            15.75, Qt::white, kInk);
}

// 実行 and メニュー in the lessons' bottom row.
template <class Tag> void addRunAndMenu(Design<Tag>& d) {
    const QPoint run = bottomButton(d.clientTwips(), 0), menu = bottomButton(d.clientTwips(), 1);
    d.button(controls::ionic::Command1, Word::Run, run.x(), run.y());
    d.button(controls::ionic::Command2, Word::Menu, menu.x(), menu.y()).to(ScreenId::Menu);
}

// The ions of an ionic crystal in the texts' markup: Na^+, Cl^-, Zn^2+.
QString cationMarkup(cell::CrystalType t);
QString anionMarkup(cell::CrystalType t);

// A species' count in one cell, from the parts of the particles inside it:
// "Cl^-：1/8 × 8 ＋ 1/2 × 6 ＝ 4個", "Cs^+：内部に 1個".
QString countLine(cell::CrystalType t, int species);
// 配位数 6 (the cation's, equal to the anion's in these 1 : 1 crystals).
QString coordinationLine(cell::CrystalType t);

// How the cell's edge holds the touching ions: the formula as the lesson
// writes it, and r⁺ + r⁻ over a as it says (1/2, √3/2, √3/4), which the
// tests hold against the model's contact.
struct Contact {
    const char* formula; // "a ＝ 2(r^+ ＋ r^-)"
    double overEdge;
};
Contact contact(cell::CrystalType t);
// The substance's contact worked out: "NaCl：r^+ ＋ r^- ＝ 0.564 ÷ 2 ＝ 0.282 nm".
QString contactLine(cell::CrystalType t);

// The limiting radius ratio as the lesson writes it, "√2 − 1 ≒ 0.414".
QString limitLine(cell::CrystalType t);

// A number to three decimals: 0.414.
QString decimals(double v, int places = 3);
// "＝ 0.282" or "≒ 0.414": the figures and whether they are the whole value.
QString roundedTo(double v, int places = 3);

} // namespace ionic
