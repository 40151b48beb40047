#pragma once

#include "crystals.h"
#include "lessondesign.h"
#include "metals.h"

#include <array>

// The packing and density lesson: 充填率 (what the share filled is, in
// stages, for BCC then FCC) → 充填率計算 (the three structures worked out) →
// 密度 (the density of copper from its cell) → 密度問題 (a judged question,
// densityquestionscreen.h). Every number on these screens comes from the cell
// model and the table of metals (metals.h). Each screen: Label1 its title,
// Command1 実行 (メニュー on 密度問題), Command2 メニュー (the digit keys there).
MIROSUTA_CONTROLS(packingIntro, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8,
                  Image1, Image2, Image3, List1, List2, List3, List4, List5, Command1, Command2)
MIROSUTA_CONTROLS(packingWorked, Label1, Image1, Image2, Image3, Label2, Label3, Label4, Label5,
                  Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label13, Label14,
                  Label15, Label16, List1, List2, List3, List4, Command1, Command2)
MIROSUTA_CONTROLS(density, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Image1,
                  List1, List2, List3, Command1, Command2)
// Image2 the "?" over the two answer boxes and Label7 the boxes with their
// digits, both arrays; Image3 the mark, read from the content folder.
MIROSUTA_CONTROLS(densityQuestion, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8,
                  Label9, Image1, Image2, Image3, List1, List2, List3, List4, Command1, Command2)

// The lesson's texts: \説明\充填率\msgN.txt.
inline constexpr const char* kPackingFolder = "充填率";

// The metal of the worked example and the one of the question.
inline constexpr std::string_view kExampleMetal = "Cu";
inline constexpr std::string_view kQuestionMetal = "Al";

namespace packing {

inline const QColor kInk(0, 0, 128);

// A number as the lesson writes it: 3.61×10⁻⁸, 6.02×10²³.
QString scientific(double value, int figures);
// A number to so many significant figures, keeping its zeros: 0.68, 2.7, 27.0.
QString figures(double value, int count);
// Atoms per cell, a whole number.
QString atomCount(cell::Structure s);
QString structureName(cell::Structure s); // 体心立方格子, 面心立方格子, 六方最密構造
// A metal's line: 銅 Cu（面心立方格子）.
QString metalTitle(const cell::Metal& m);
// a ＝ 0.361 nm ＝ 3.61×10⁻⁸ cm; M ＝ 63.5 g/mol; N_A ＝ 6.02×10²³ /mol.
QString edgeLine(double edgeNm);
QString molarMassLine(double molarMass);
QString avogadroLine();
// The same, as a screen reader reads them.
QString edgeSpoken(double edgeNm);
QString avogadroSpoken();
inline QString edgeLine(const cell::Metal& m) {
    return edgeLine(m.edgeNm);
}
inline QString edgeSpoken(const cell::Metal& m) {
    return edgeSpoken(m.edgeNm);
}
inline QString molarMassLine(const cell::Metal& m) {
    return molarMassLine(m.molarMass);
}
// A crystal's line: 塩化ナトリウム NaCl.
QString substanceTitle(const cell::Substance& s);

// The judged answer: the density to two significant figures, as its two
// digits (2.7 is 2 and 7). The question's entry has the point after the first.
std::array<int, 2> answerDigits(double density);
inline std::array<int, 2> answerDigits(const cell::Metal& m) {
    return answerDigits(cell::density(m));
}

} // namespace packing

// A judged density question: 密度問題 for a metal, and the same screen for
// the crystals of the later lessons. The substance's numbers stand beside
// the question; the density entered as □.□ g/cm³ is judged against the
// computed one to two figures.
struct DensityQuestion {
    QString formName, title;
    const char* folder; // its texts, \説明\<folder>\msgN.txt
    // The numbers of its texts: the question, the worked answer, the
    // explanation of a right answer, the hint after a first wrong one.
    int question, worked, explained, hint;
    struct Fact {
        QString text, spoken; // spoken empty: read as written
    };
    std::vector<Fact> facts; // at most four lines
    double density;
};
DensityQuestion metalQuestion(const cell::Metal& m);
// A crystal's question: its name, a, M and N_A beside it.
DensityQuestion substanceQuestion(const cell::Substance& s, const QString& formName,
                                  const QString& title, const char* folder, int firstText);

void declareDensityQuestion(Design<controls::densityQuestion::Tag>& d, const DensityQuestion& q);
template <ScreenId Id>
ScreenDesign densityQuestionDesign(ScreenTag<Id> tag, const DensityQuestion& q) {
    Design d(tag, q.formName, q.title, kFullClient);
    declareDensityQuestion(d, q);
    return d.take();
}

// 密度問題's answer boxes: box 0 the ones, box 1 the tenths.
QString densityPlaceName(int box); // 一の位, 小数第一位
AccessibleText densityBoxText(int box);

// The title of a screen of the lesson, at the top left, as a plate of text.
template <class Tag>
Declared<Tag> addPackingTitle(Design<Tag>& d, Control<Tag> name, const QString& title) {
    return d.label(name, QRect(240, 150, 3600, 630), title, 18, Qt::white, packing::kInk);
}
template <class Tag>
Declared<Tag> addPackingTitle(Design<Tag>& d, Control<Tag> name, const char* title) {
    return addPackingTitle(d, name, QString::fromUtf8(title));
}

// A line of numbers or a formula, left aligned in the lesson's ink.
template <class Tag>
Declared<Tag> addFact(Design<Tag>& d, Control<Tag> name, QRect twips, const QString& text,
                      double points = 12) {
    return d.label(name, twips, text, points, packing::kInk, QColor(),
                   Qt::AlignLeft | Qt::AlignVCenter);
}
