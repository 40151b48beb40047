#include "answerentry.h"

#include <algorithm>

void AnswerEntry::ask(const QList<int>& answer) {
    m_answer = answer;
    m_entered.clear();
    m_state = State::Empty;
    m_wrongTries = 0;
}

void AnswerEntry::press(int digit) {
    if (judged()) {
        if (!m_restart)
            return;
        clear();
    }
    m_entered << digit;
    m_state = State::Entering;
    emit digitEntered(int(m_entered.size()) - 1, digit);
    if (m_entered.size() < m_answer.size())
        return;
    const bool right = std::equal(m_entered.begin(), m_entered.end(), m_answer.begin());
    m_state = right ? State::Right : State::Wrong;
    if (!right)
        ++m_wrongTries;
    emit answered(right);
}

void AnswerEntry::clear() {
    m_entered.clear();
    m_state = State::Empty;
    emit cleared();
}

int AnswerEntry::digitFor(AnswerKey key) const {
    const bool open = !judged() || m_restart;
    const qsizetype next = judged() ? 0 : m_entered.size();
    if (!open || next >= m_answer.size())
        return -1;
    // Compared digit by digit: Qt 6.4 compares two empty lists through a null pointer.
    bool rightSoFar = true;
    for (qsizetype i = 0; i < next && !judged(); ++i)
        rightSoFar = rightSoFar && m_entered[i] == m_answer[i];
    const int right = m_answer[next];
    if (key == AnswerKey::Right)
        return rightSoFar ? right : -1;
    // The lowest digit that is not the right one.
    return right == 0 ? 1 : 0;
}
