#include "drillscreen.h"

#include "accessiblenames.h"
#include "basefolder.h"
#include "contentpicture.h"
#include "drillfiles.h"
#include "label.h"
#include "navigator.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"
#include "services.h"
#include "twips.h"

#include <QTimer>
#include <cmath>

namespace {

constexpr int kTickMilliseconds = 100;
constexpr double kPauseSeconds = 2.0;
constexpr double kSecondsPerDay = 86400.0;

const QColor kRed(255, 0, 0);

// The clock reading as whole seconds, halves going to the even neighbour.
qint32 wholeSeconds(double seconds) {
    const double below = std::floor(seconds);
    const double rest = seconds - below;
    double whole = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        whole = below + 1.0;
    return qint32(whole);
}

// Different clock readings give different seeds, to the millisecond.
std::uint32_t seedFromClock(double seconds) {
    return std::uint32_t(std::llround(seconds * 1000.0));
}

} // namespace

DrillScreen::DrillScreen() : Screen(ScreenId::Drill) {
    // Created back to front: the digits and "?" lie over the panel picture,
    // the mark over the question picture and the answer boxes.
    m_image1 = addPicture("Image1", 240, 150, "title-drill");
    m_image3 = addPicture("Image3", 8715, 195, "face-b");
    m_list1 = addPanel("List1");
    m_command1 = addButton("Command1", "btn-menu", "メニュー", twips(9690, 285, 1605, 750));
    m_image2 = addPicture("Image2", 375, 1410, "question-panel");
    m_label2 = addLabel("Label2", twips(1770, 1830, 300, 285), "1", 15.75, kRed);
    m_image5 = addPicture("Image5", 975, 2325, QString());
    m_image5->setGeometry(twips(975, 2325, 5115, 3630));
    m_image4[0] = addPicture(arrayName("Image4", 0), 6165, 4035, "qmark");
    m_image4[1] = addPicture(arrayName("Image4", 1), 8415, 4035, "qmark", false);
    for (int box = 0; box < 2; ++box)
        nameElement(m_image4[box], drillAnswerBoxText(box));
    m_label1[0] =
        addLabel(arrayName("Label1", 0), twips(6195, 4080, 1455, 825), QString(), 42, kRed);
    m_label1[1] =
        addLabel(arrayName("Label1", 1), twips(8445, 4080, 1455, 825), QString(), 42, kRed);
    m_label1[0]->hide();
    m_label1[1]->hide();
    m_image7 = addPicture("Image7", 1320, 3165, "face-a", false);
    m_list2 = addPanel("List2");
    const int keyLeft[10] = {945, 1890, 2850, 3810, 4770, 5730, 6690, 7635, 8595, 9540};
    for (qint16 i = 0; i < 10; ++i) {
        m_command2[i] = addButton(arrayName("Command2", i), keyName(i), QString::number(i),
                                  twips(keyLeft[i], 6045, 960, 690));
        connect(m_command2[i], &QAbstractButton::clicked, this, [this, i] { command2Click(i); });
    }
    m_image6 = addPicture("Image6", 4200, 2490, QString(), false);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    connect(m_timer1, &QTimer::timeout, this, &DrillScreen::timer1Timer);
    // Runs before the navigator's move to the menu, which is wired later.
    connect(m_command1, &QAbstractButton::clicked, this, &DrillScreen::command1Click);
}

void DrillScreen::formLoad() {
    setAnswers();
    fill(m_list1);
    if (ending())
        return;
    fill(m_list2);
    if (ending())
        return;
    const QRect frame = m_image5->geometry();
    m_boxTop = qint16(frame.top() * kTwipsPerPixel);
    m_boxLeft = qint16(frame.left() * kTwipsPerPixel);
    m_boxWidth = qint16(frame.width() * kTwipsPerPixel);
    m_boxHeight = qint16(frame.height() * kTwipsPerPixel);
    m_askedCount = 0;
    for (int n = 1; n <= kQuestionCount; ++n)
        m_asked[n] = 0;
    setTimer1Interval(0);
    drawQuestion();
}

void DrillScreen::drawQuestion() {
    RandomSource& random = Services::random();
    random.reseed(seedFromClock(Services::clock().secondsSinceMidnight()));
    const double r = random.next();
    m_questionNo = qint16(qBound(1, int(std::floor(kQuestionCount * r)) + 1, kQuestionCount));
    takeQuestion();
}

void DrillScreen::takeQuestion() {
    if (m_asked[m_questionNo] == 1)
        nextUnaskedQuestion();
    else
        showQuestion();
}

void DrillScreen::nextUnaskedQuestion() {
    do {
        m_questionNo = qint16(m_questionNo + 1);
        if (m_questionNo > kQuestionCount)
            m_questionNo = 1;
    } while (m_asked[m_questionNo] != 0);
    showQuestion();
}

void DrillScreen::showQuestion() {
    m_entryStep = 0;
    m_rightA = m_rightAnswers[m_questionNo][1];
    m_rightB = m_rightAnswers[m_questionNo][2];
    m_asked[m_questionNo] = 1;
    m_askedCount = qint16(m_askedCount + 1);
    // Named first: a label with a name of its own announces no change of its text.
    m_label2->setAccessibleName(drillOrdinalText(m_askedCount));
    m_label2->setText(QString::number(m_askedCount));

    m_image5->hide();
    if (!loadPicture(m_image5, questionPicture(m_questionNo)))
        return;
    nameElement(m_image5, drillQuestionText(m_askedCount));
    const int w = m_image5->width() * kTwipsPerPixel;
    const int h = m_image5->height() * kTwipsPerPixel;
    m_questionLeft = m_boxLeft + (m_boxWidth - w) / 2.0;
    m_questionTop = m_boxTop + (m_boxHeight - h) / 2.0;
    m_image5->setGeometry(twipsToPixels(m_questionLeft), twipsToPixels(m_questionTop),
                          m_image5->width(), m_image5->height());
    m_image5->show();

    m_label1[0]->hide();
    m_label1[1]->hide();
    m_image4[0]->show();
}

void DrillScreen::command2Click(qint16 index) {
    // The entry is closed from the second digit on: presses during the pause
    // and after the end are ignored, and the counter never runs over.
    if (m_entryStep >= 2)
        return;
    m_entryStep = qint16(m_entryStep + 1);
    if (m_entryStep == 1) {
        m_answerA = index;
        m_image4[0]->hide();
        m_label1[0]->setAccessibleName(drillDigitText(0, index));
        m_label1[0]->setText(QString::number(index));
        m_image4[1]->show();
        m_label1[0]->show();
    } else if (m_entryStep == 2) {
        m_answerB = index;
        m_image4[1]->hide();
        m_label1[1]->setAccessibleName(drillDigitText(1, index));
        m_label1[1]->setText(QString::number(index));
        m_label1[1]->show();
        judgeAnswer();
    }
}

void DrillScreen::judgeAnswer() {
    if (m_answerA == m_rightA && m_answerB == m_rightB) {
        m_lastCorrect = 1;
        showCorrect();
    } else {
        m_lastCorrect = 0;
        showWrong();
    }
    if (ending())
        return;
    setTimer1Interval(kTickMilliseconds);
    m_pauseStart = wholeSeconds(Services::clock().secondsSinceMidnight());
}

void DrillScreen::showCorrect() {
    showMark(kRightSound, kRightMarkPicture, true);
}

void DrillScreen::showWrong() {
    showMark(kWrongSound, kWrongMarkPicture, false);
}

void DrillScreen::timer1Timer() {
    // A tick queued before the ticks stopped must not act twice.
    if (!m_timer1->isActive())
        return;
    double elapsed = Services::clock().secondsSinceMidnight() - m_pauseStart;
    // The clock went past midnight during the pause. Rounding can put the
    // start up to half a second after the reading, so only a jump of about a
    // day counts.
    if (elapsed < -kSecondsPerDay / 2)
        elapsed += kSecondsPerDay;
    if (!(elapsed > kPauseSeconds))
        return;
    setTimer1Interval(0);
    m_image6->hide();

    if (m_askedCount != kQuestionCount && m_lastCorrect == 1) {
        drawQuestion();
        return;
    }
    if (m_askedCount == kQuestionCount && m_lastCorrect == 1) {
        m_list1->hide();
        m_image3->hide();
        m_label2->hide();
        m_image5->hide();
        m_label1[0]->hide();
        m_label1[1]->hide();
        m_image4[1]->hide();
        m_image4[0]->hide();
        m_image7->show();
        m_list2->show();
        Services::sound().play(ContentPath(kPassSound));
        return;
    }
    // Wrong: the same question waits for a new entry.
    m_entryStep = 0;
    m_label1[0]->hide();
    m_label1[1]->hide();
    m_image4[1]->hide();
    m_image4[0]->show();
}

void DrillScreen::command1Click() {
    // The move to the menu follows from the navigation table; no tick may run
    // on the screen that is being left.
    setTimer1Interval(0);
}

void DrillScreen::setAnswers() {
    // Columns 1 and 2: the A and B parts of question N's ratio.
    const qint16 table[kQuestionCount + 1][2] = {{0, 0}, {1, 1}, {1, 2}, {1, 2}, {1, 3}, {1, 1}};
    for (int n = 1; n <= kQuestionCount; ++n) {
        m_rightAnswers[n][1] = table[n][0];
        m_rightAnswers[n][2] = table[n][1];
    }
}

void DrillScreen::showMark(const QString& sound, const QString& picture, bool right) {
    Services::sound().play(ContentPath(sound));
    if (!loadPicture(m_image6, picture))
        return;
    nameElement(m_image6, drillMarkText(right));
    m_image6->show();
}

bool DrillScreen::loadPicture(Picture* element, const QString& relative) {
    const QString path = ContentPath(relative);
    QPixmap pixmap;
    const QString reason = loadContentPicture(path, &pixmap);
    if (!reason.isEmpty()) {
        ReportContentFailure(path, reason);
        return false;
    }
    element->setPicture(pixmap);
    return true;
}

void DrillScreen::setTimer1Interval(int milliseconds) {
    if (milliseconds == 0) {
        m_timer1->stop();
        m_timer1->setInterval(0);
    } else {
        m_timer1->setInterval(milliseconds);
        if (!m_timer1->isActive())
            m_timer1->start();
    }
}

bool DrillScreen::ending() {
    return Navigator::instance().ended();
}
