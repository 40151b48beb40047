#pragma once

#include "drilldesign.h"
#include "drillgame.h"
#include "screen.h"

#include <QtGlobal>

class Label;
class Picture;
class PictureButton;
class QTimer;

// ドリル: picture questions (five unless the questions file lists others),
// each answered with two digits for the ratio of A to B atoms, judged at once
// with a sound and a mark, and repeated until right. The rules are the
// DrillGame's; the screen shows its state and passes the presses and ticks
// on. Every visit starts afresh from formLoad(). Its elements are declared
// in drilldesign.cpp.
class DrillScreen : public Screen {
    Q_OBJECT
public:
    DrillScreen(const ScreenDesign& design, const ScreenContext& context);

    // Handlers, in the screen's order.
    std::optional<ContentFailure> formLoad() override;
    void command2Click(qint16 index);
    void timer1Timer();
    // Leaving, by メニュー or at a failure: no tick may run on.
    void leaving() override;

    // The drill's state, read by tests.
    const DrillGame& game() const { return *m_game; }
    qint32 pauseStart() const { return m_game->pauseStart(); }
    qint16 questionNo() const { return m_game->questionNo(); }
    qint16 askedCount() const { return m_game->askedCount(); }
    qint16 asked(int question) const { return m_game->asked(question); }
    qint16 entryStep() const { return m_game->entryStep(); }
    qint16 lastCorrect() const { return m_game->lastCorrect(); }
    QRect boxTwips() const { return m_box; }
    // Where the question picture was put, in twips; a half twip can result.
    double questionLeftTwips() const { return m_questionLeft; }
    double questionTopTwips() const { return m_questionTop; }

private:
    // What the screen shows of the game's changes.
    std::optional<ContentFailure> showQuestion();
    void showDigit(int box, qint16 digit);
    void judgeAnswer(bool right);
    void showCorrect();
    void showWrong();
    void startPause();
    void endPause();
    void clearEntry();
    void showEnd();
    // Reads the questions of this visit.
    std::optional<ContentFailure> setAnswers();

    void showMark(const QString& sound, const QString& picture, bool right);
    // Loads a content picture into the element; the element stays as it was
    // when the picture cannot be read.
    std::optional<ContentFailure> loadPicture(Picture* element, const QString& relative);
    // Interval 0 means no ticks at all, unlike a zero-interval QTimer.
    void setTimer1Interval(int milliseconds);

    DrillGame* m_game;

    QRect m_box; // where the question picture is centred, in twips

    double m_questionLeft = 0;
    double m_questionTop = 0;

    // Elements.
    Picture* m_image3;
    TextPanel* m_list1;
    Label* m_label2;
    Picture* m_image5;
    Picture* m_image4[2];
    Label* m_label1[2];
    Picture* m_image7;
    TextPanel* m_list2;
    PictureButton* m_command2[10];
    Picture* m_image6;
    QTimer* m_timer1;
};
