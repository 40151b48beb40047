#pragma once

#include "cellmodel.h"
#include "screendesign.h"

// What the four lesson screens of a structure (開始, 内部, 原子, 隣接) differ
// in: one row per structure.
struct LessonStructure {
    cell::Structure structure;
    const char* folder;         // its texts: 説明\体心立方
    const char* prefix;         // of its screens' form names: 体心開始
    const char* name;           // in captions: 体心立方開始
    QSize interiorClient;       // 内部's client area
    int atomsAnswerHeight;      // 原子 List2: the longer the count, the taller
    int neighboursAnswerHeight; // 隣接 List2: grows upwards from the question's bottom
    int neighboursAnswerTop;    // 隣接 Image4: two close-packed cells drawn apart need the height
    std::vector<int> hints;     // 原子's hint pictures: the parts a sphere is cut into
};

const LessonStructure& lessonStructure(cell::Structure s);

// The bottom-right row of word buttons of the lesson screens: column 0 holds
// 実行 (or 次に進む in its place), column 1 メニュー. The top left corner in
// twips, from the screen's client size so that the narrower windows keep the
// same margins.
QPoint bottomButton(QSize clientTwips, int column);

// The structure's title plate at the bottom left, level with the button row.
QPoint titlePlace(QSize clientTwips);

template <class Tag>
Declared<Tag> addTitlePlate(Design<Tag>& d, Control<Tag> name, cell::Structure s) {
    const QPoint place = titlePlace(d.clientTwips());
    return d.picture(name, place.x(), place.y(), pictures::of(PictureKind::Plate, s));
}

// 実行 at the first place of the bottom row and メニュー at the second,
// leading back to the menu; returns 実行's place, where 次に進む may stand.
template <class Tag> QPoint addRunAndMenu(Design<Tag>& d, Control<Tag> run, Control<Tag> menu) {
    const QPoint first = bottomButton(d.clientTwips(), 0),
                 second = bottomButton(d.clientTwips(), 1);
    d.button(run, Word::Run, first.x(), first.y());
    d.button(menu, Word::Menu, second.x(), second.y()).to(ScreenId::Menu);
    return first;
}

// Defines the declarations of one lesson screen for the three structures from
// the family's own: MIROSUTA_LESSON_DESIGNS(Intro, latticeIntroDesign) those
// of BccIntro, FccIntro and HcpIntro.
#define MIROSUTA_LESSON_DESIGNS(lesson, familyDesign)                                              \
    ScreenDesign design(ScreenTag<ScreenId::Bcc##lesson> tag) {                                    \
        return familyDesign(tag);                                                                  \
    }                                                                                              \
    ScreenDesign design(ScreenTag<ScreenId::Fcc##lesson> tag) {                                    \
        return familyDesign(tag);                                                                  \
    }                                                                                              \
    ScreenDesign design(ScreenTag<ScreenId::Hcp##lesson> tag) {                                    \
        return familyDesign(tag);                                                                  \
    }

// The structure of a lesson screen: structureOf(ScreenId::FccAtoms) == Fcc.
constexpr cell::Structure structureOf(ScreenId id) {
    for (const cell::Structure s : {cell::Structure::Bcc, cell::Structure::Fcc})
        for (const Lesson l : {Lesson::Intro, Lesson::Interior, Lesson::Atoms, Lesson::Neighbours})
            if (lessonScreen(s, l) == id)
                return s;
    return cell::Structure::Hcp;
}

// A lesson screen's form name and caption: "体心" + "開始", "体心立方" + "開始".
QString lessonFormName(const LessonStructure& l, const char* lesson);
QString lessonCaption(const LessonStructure& l, const char* lesson);
