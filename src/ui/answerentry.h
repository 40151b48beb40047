#pragma once

#include "screendesign.h"

#include <QList>
#include <QObject>

// A judged answer without a window: the digits a learner enters with the
// digit keys, judged against the right ones as soon as the last is in. The
// drill, the density question and any later question keep their answers
// here; their screens only show what it says.
class AnswerEntry : public QObject {
    Q_OBJECT
public:
    enum class State { Empty, Entering, Right, Wrong };

    explicit AnswerEntry(QObject* parent = nullptr) : QObject(parent) {}

    // A new question: its right digits, in the order they are entered. The
    // entry is empty and its wrong tries are forgotten.
    void ask(const QList<int>& answer);
    // After a judgement the entry is closed until clear(); with this set, the
    // next digit opens a new entry instead (a question that waits for no pause).
    void setRestartOnDigit(bool restart) { m_restart = restart; }

    // A digit key: into the next box, and judged once the last box is filled.
    // Ignored while the entry is closed.
    void press(int digit);
    // Empties the entry: the same question waits for a new one.
    void clear();

    State state() const { return m_state; }
    bool judged() const { return m_state == State::Right || m_state == State::Wrong; }
    const QList<int>& entered() const { return m_entered; }
    const QList<int>& answer() const { return m_answer; }
    // Wrong judgements since the question was asked.
    int wrongTries() const { return m_wrongTries; }
    // The digit whose key now leads to a right answer, or to a wrong one;
    // -1 when no key can (the entry is closed, or already wrong).
    int digitFor(AnswerKey key) const;

signals:
    void digitEntered(int box, int digit);
    void answered(bool right);
    void cleared();

private:
    QList<int> m_answer;
    QList<int> m_entered;
    State m_state = State::Empty;
    bool m_restart = false;
    int m_wrongTries = 0;
};
