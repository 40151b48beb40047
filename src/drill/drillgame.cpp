#include "drillgame.h"

#include "drilldesign.h"
#include "services.h"

#include <cmath>

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Different clock readings give different seeds, to the millisecond.
std::uint32_t seedFromClock(double seconds) {
    return std::uint32_t(std::llround(seconds * 1000.0));
}

} // namespace

DrillGame::DrillGame(Clock& clock, RandomSource& random, QObject* parent)
    : QObject(parent), m_clock(clock), m_random(random) {
    connect(&m_entry, &AnswerEntry::digitEntered, this, [this](int box, int digit) {
        (box == 0 ? m_answerA : m_answerB) = qint16(digit);
        emit digitEntered(box, qint16(digit));
    });
    connect(&m_entry, &AnswerEntry::answered, this, &DrillGame::judgeAnswer);
}

qint32 DrillGame::wholeSeconds(double seconds) {
    const double below = std::floor(seconds);
    const double rest = seconds - below;
    double whole = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        whole = below + 1.0;
    return qint32(whole);
}

void DrillGame::setQuestions(const QList<DrillQuestion>& questions) {
    m_questions = questions;
}

void DrillGame::start() {
    m_pausing = false;
    m_askedCount = 0;
    m_asked.fill(0, questionCount() + 1);
    drawQuestion();
}

DrillGame::Phase DrillGame::phase() const {
    if (m_pausing)
        return m_lastCorrect == 1 ? Phase::PauseAfterRight : Phase::PauseAfterWrong;
    if (m_entry.judged())
        return Phase::Finished;
    return m_entry.entered().isEmpty() ? Phase::WaitingForA : Phase::WaitingForB;
}

void DrillGame::drawQuestion() {
    m_random.reseed(seedFromClock(m_clock.secondsSinceMidnight()));
    const double r = m_random.next();
    const int n = questionCount();
    m_questionNo = qint16(qBound(1, int(std::floor(n * r)) + 1, n));
    takeQuestion();
}

void DrillGame::takeQuestion() {
    if (m_asked[m_questionNo] == 1)
        nextUnaskedQuestion();
    else
        showQuestion();
}

void DrillGame::nextUnaskedQuestion() {
    do {
        m_questionNo = qint16(m_questionNo + 1);
        if (m_questionNo > questionCount())
            m_questionNo = 1;
    } while (m_asked[m_questionNo] != 0);
    showQuestion();
}

void DrillGame::showQuestion() {
    m_rightA = currentQuestion().rightA;
    m_rightB = currentQuestion().rightB;
    m_entry.ask({m_rightA, m_rightB});
    m_asked[m_questionNo] = 1;
    m_askedCount = qint16(m_askedCount + 1);
    emit questionShown();
}

void DrillGame::pressDigit(qint16 digit) {
    // The entry is closed from the second digit on: presses during the pause
    // and after the end are ignored.
    m_entry.press(digit);
}

void DrillGame::judgeAnswer(bool right) {
    m_lastCorrect = right ? 1 : 0;
    emit judged(right);
    m_pausing = true;
    m_pauseStart = wholeSeconds(m_clock.secondsSinceMidnight());
    emit pauseStarted();
}

bool DrillGame::tick() {
    if (!m_pausing)
        return false;
    double elapsed = m_clock.secondsSinceMidnight() - m_pauseStart;
    // The clock went past midnight during the pause. Rounding can put the
    // start up to half a second after the reading, so only a jump of about a
    // day counts.
    if (elapsed < -kSecondsPerDay / 2)
        elapsed += kSecondsPerDay;
    if (!(elapsed > kDrillPauseSeconds))
        return false;
    m_pausing = false;
    emit pauseEnded();

    if (m_askedCount != questionCount() && m_lastCorrect == 1) {
        drawQuestion();
    } else if (m_lastCorrect == 1) {
        emit finished();
    } else {
        m_entry.clear();
        emit entryCleared();
    }
    return true;
}

void DrillGame::stop() {
    m_pausing = false;
}
