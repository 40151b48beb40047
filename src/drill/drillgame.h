#pragma once

#include "answerentry.h"
#include "drillquestions.h"

#include <QList>
#include <QObject>
#include <QtGlobal>

class Clock;
class RandomSource;

// The drill's rules without a window: which questions were asked, the order
// they come in, the pause and the end; the two-digit entry and its judging
// are an AnswerEntry. It reads the clock and the random generator it is given
// and tells the screen what changed through its signals; the screen only
// shows that.
//
// Questions are numbered 1 to questionCount() in the order of the list.
class DrillGame : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        WaitingForA,
        WaitingForB,
        PauseAfterRight,
        PauseAfterWrong,
        Finished,
    };

    DrillGame(Clock& clock, RandomSource& random, QObject* parent = nullptr);

    // The questions of this visit; start() asks each of them once.
    void setQuestions(const QList<DrillQuestion>& questions);
    // Nothing asked yet; draws the first question.
    void start();
    // A digit key. Ignored while the entry is closed (pause, end).
    void pressDigit(qint16 digit);
    // One tick of the pause timer: ends the pause once more than two seconds
    // have passed since the judgement. Returns whether it ended.
    bool tick();
    // The screen is being left: no pause runs on.
    void stop();

    Phase phase() const;
    bool pausing() const { return m_pausing; }
    int questionCount() const { return int(m_questions.size()); }
    const DrillQuestion& question(int number) const { return m_questions.at(number - 1); }
    const DrillQuestion& currentQuestion() const { return question(m_questionNo); }

    qint32 pauseStart() const { return m_pauseStart; }
    qint16 questionNo() const { return m_questionNo; }
    qint16 askedCount() const { return m_askedCount; }
    qint16 asked(int question) const { return m_asked.value(question); }
    // Digits in the entry, 2 once judged (the entry is then closed).
    qint16 entryStep() const { return m_entry.judged() ? 2 : qint16(m_entry.entered().size()); }
    const AnswerEntry& entry() const { return m_entry; }
    qint16 answerA() const { return m_answerA; }
    qint16 answerB() const { return m_answerB; }
    qint16 rightA() const { return m_rightA; }
    qint16 rightB() const { return m_rightB; }
    qint16 lastCorrect() const { return m_lastCorrect; }

    // The clock reading as whole seconds, halves going to the even neighbour.
    static qint32 wholeSeconds(double seconds);

signals:
    // A question is on: its picture and ordinal are to be shown, the entry is empty.
    void questionShown();
    // A digit went into box 0 (A) or 1 (B).
    void digitEntered(int box, qint16 digit);
    // The second digit was judged; the sound and the mark are to be shown.
    void judged(bool right);
    // The pause has begun: ticks are wanted until tick() ends it.
    void pauseStarted();
    // The pause is over: the mark goes, no more ticks.
    void pauseEnded();
    // After a wrong answer: the same question waits for a new entry.
    void entryCleared();
    // The last question was answered right.
    void finished();

private:
    void drawQuestion();
    void takeQuestion();
    void nextUnaskedQuestion();
    void showQuestion();
    void judgeAnswer(bool right);

    Clock& m_clock;
    RandomSource& m_random;
    QList<DrillQuestion> m_questions;
    bool m_pausing = false;

    qint32 m_pauseStart = 0;
    qint16 m_questionNo = 0;
    qint16 m_askedCount = 0;
    QList<qint16> m_asked; // index 0 unused
    AnswerEntry m_entry;
    qint16 m_answerA = 0;
    qint16 m_answerB = 0;
    qint16 m_rightA = 0;
    qint16 m_rightB = 0;
    qint16 m_lastCorrect = 0;
};
