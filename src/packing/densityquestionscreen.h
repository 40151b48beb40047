#pragma once

#include "packingdesign.h"
#include "screen.h"

#include <QtGlobal>

class Label;
class Picture;
class PictureButton;

// 密度問題: the density of the question's metal, entered with the digit keys
// as □.□ g/cm³ (the keyboard's digits press them too) and judged at once
// with the drill's sounds and marks. A wrong answer brings the worked answer
// and clears the entry for another try; a right one keeps the digits and
// explains. The next digit starts a new entry. The accepted answer comes from
// the table of metals (packing::answerDigits). Its elements are declared in
// densityquestiondesign.cpp.
class DensityQuestionScreen : public Screen {
    Q_OBJECT
public:
    DensityQuestionScreen(const ScreenDesign& design, const ScreenContext& context);

    void command2Click(qint16 digit);

private:
    void showDigit(int box, qint16 digit);
    void judge();
    void clearEntry();

    int m_entered = 0; // digits in the entry, 0 or 1
    int m_judged = 0;  // the last judgement: 0 none, 1 right, -1 wrong
    qint16 m_digits[2] = {0, 0};

    Picture* m_mark;
    Picture* m_query[2];
    Label* m_boxes[2];
    QWidget* m_facts[4];
    QWidget* m_worked;
    QWidget* m_explained;
};
