#pragma once

#include "answerentry.h"
#include "packingdesign.h"
#include "screen.h"

// 密度問題, and the crystals' questions declared the same way
// (densityQuestionDesign): the density of the question's substance, entered with the digit keys
// as □.□ g/cm³ (the keyboard's digits press them too) and judged at once
// with the drill's sounds and marks. A wrong answer clears the entry for
// another try and brings a hint, the worked answer only after a second; a
// right one keeps the digits and explains. The next digit starts a new entry.
// The accepted answer is the declaration's (computed from the table of
// metals or of substances); the entry and its judging are
// an AnswerEntry, and the screen enters the states its declaration gives
// (densityquestiondesign.cpp).
class DensityQuestionScreen : public TypedScreen<controls::densityQuestion::Tag> {
    Q_OBJECT
public:
    DensityQuestionScreen(const ScreenDesign& design, const ScreenContext& context);

    QString pressFor(const Transition& t) const override;
    QString progress() const override;

private:
    void showDigit(int box, int digit);
    void showJudgement(bool right);
    void emptyBoxes();

    AnswerEntry m_entry;
};
