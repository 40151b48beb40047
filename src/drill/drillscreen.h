#pragma once

#include "drilldesign.h"
#include "drillgame.h"
#include "screen.h"

#include <QtGlobal>

class QTimer;

// ドリル: picture questions (five unless the questions file lists others),
// each answered with two digits for the ratio of A to B atoms, judged at once
// with a sound and a mark, and repeated until right. The rules are the
// DrillGame's; the screen enters the states its declaration gives
// (drilldesign.cpp) as the game goes, and shows the question, the digits and
// the mark. Every visit starts afresh from formLoad().
class DrillScreen : public TypedScreen<controls::drill::Tag> {
    Q_OBJECT
public:
    DrillScreen(const ScreenDesign& design, const ScreenContext& context);

    std::optional<ContentFailure> formLoad() override;
    // Leaving, by メニュー or at a failure: no tick may run on.
    void leaving() override;

    // The key of the right or a wrong digit, as the game stands.
    QString pressFor(const Transition& t) const override;
    QString progress() const override;

    const DrillGame& game() const { return *m_game; }

private:
    // What the screen shows of the game's changes.
    std::optional<ContentFailure> showQuestion();
    void showDigit(int box, qint16 digit);
    void showJudgement(bool right);
    void tick();
    // Reads the questions of this visit.
    std::optional<ContentFailure> setAnswers();
    // Interval 0 means no ticks at all, unlike a zero-interval QTimer.
    void setTickInterval(int milliseconds);

    DrillGame* m_game;
    QTimer* m_timer;
};
