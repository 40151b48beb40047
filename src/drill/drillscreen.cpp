#include "drillscreen.h"

#include "accessiblenames.h"
#include "basefolder.h"
#include "contentpicture.h"
#include "controls.h"
#include "drillfiles.h"
#include "drillquestions.h"
#include "label.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"
#include "services.h"
#include "twips.h"

#include <QTimer>
#include <cmath>

using namespace controls::drill;

namespace {

constexpr int kTickMilliseconds = 100;

const QColor kRed(255, 0, 0);

} // namespace

DrillScreen::DrillScreen() : Screen(ScreenId::Drill) {
    // Created back to front: the digits and "?" lie over the panel picture,
    // the mark over the question picture and the answer boxes.
    m_image1 = addPicture(Image1, 240, 150, "title-drill");
    m_image3 = addPicture(Image3, 8715, 195, "face-b");
    m_list1 = addPanel(List1);
    m_command1 = addButton(Command1, "btn-menu", "メニュー", twips(9690, 285, 1605, 750));
    m_image2 = addPicture(Image2, 375, 1410, "question-panel");
    m_label2 = addLabel(Label2, twips(1770, 1830, 300, 285), "1", 15.75, kRed);
    m_image5 = addPicture(Image5, 975, 2325, QString());
    m_image5->setGeometry(twips(975, 2325, 5115, 3630));
    m_image4[0] = addPicture(Image4[0], 6165, 4035, "qmark");
    m_image4[1] = addPicture(Image4[1], 8415, 4035, "qmark", false);
    for (int box = 0; box < 2; ++box)
        nameElement(m_image4[box], drillAnswerBoxText(box));
    m_label1[0] = addLabel(Label1[0], twips(6195, 4080, 1455, 825), QString(), 42, kRed);
    m_label1[1] = addLabel(Label1[1], twips(8445, 4080, 1455, 825), QString(), 42, kRed);
    m_label1[0]->hide();
    m_label1[1]->hide();
    m_image7 = addPicture(Image7, 1320, 3165, "face-a", false);
    m_list2 = addPanel(List2);
    const int keyLeft[10] = {945, 1890, 2850, 3810, 4770, 5730, 6690, 7635, 8595, 9540};
    for (qint16 i = 0; i < 10; ++i) {
        m_command2[i] = addButton(Command2[i], keyName(i), QString::number(i),
                                  twips(keyLeft[i], 6045, 960, 690));
        connect(m_command2[i], &QAbstractButton::clicked, this, [this, i] { command2Click(i); });
    }
    m_image6 = addPicture(Image6, 4200, 2490, QString(), false);

    m_game = new DrillGame(this);
    connect(m_game, &DrillGame::questionShown, this, &DrillScreen::showQuestion);
    connect(m_game, &DrillGame::digitEntered, this, &DrillScreen::showDigit);
    connect(m_game, &DrillGame::judged, this, &DrillScreen::judgeAnswer);
    connect(m_game, &DrillGame::pauseStarted, this, &DrillScreen::startPause);
    connect(m_game, &DrillGame::pauseEnded, this, &DrillScreen::endPause);
    connect(m_game, &DrillGame::entryCleared, this, &DrillScreen::clearEntry);
    connect(m_game, &DrillGame::finished, this, &DrillScreen::showEnd);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(Timer1);
    connect(m_timer1, &QTimer::timeout, this, &DrillScreen::timer1Timer);
    // Runs before the navigator's move to the menu, which is wired later.
    connect(m_command1, &QAbstractButton::clicked, this, &DrillScreen::command1Click);
}

void DrillScreen::formLoad() {
    if (!setAnswers() || !fill({m_list1, m_list2}))
        return;
    const QRect frame = m_image5->geometry();
    // Twips, as the design's 16-bit integers hold them.
    m_box = QRect(qint16(frame.left() * kTwipsPerPixel), qint16(frame.top() * kTwipsPerPixel),
                  qint16(frame.width() * kTwipsPerPixel), qint16(frame.height() * kTwipsPerPixel));
    setTimer1Interval(0);
    m_game->start();
}

void DrillScreen::showQuestion() {
    const qint16 ordinal = m_game->askedCount();
    // Named first: a label with a name of its own announces no change of its text.
    m_label2->setAccessibleName(drillOrdinalText(ordinal));
    m_label2->setText(QString::number(ordinal));

    m_image5->hide();
    if (!loadPicture(m_image5, m_game->currentQuestion().picture))
        return;
    nameElement(m_image5, drillQuestionText(ordinal));
    const int w = m_image5->width() * kTwipsPerPixel;
    const int h = m_image5->height() * kTwipsPerPixel;
    m_questionLeft = m_box.left() + (m_box.width() - w) / 2.0;
    m_questionTop = m_box.top() + (m_box.height() - h) / 2.0;
    m_image5->setGeometry(twipsToPixels(m_questionLeft), twipsToPixels(m_questionTop),
                          m_image5->width(), m_image5->height());
    m_image5->show();

    showInstead({m_label1[0], m_label1[1]}, {m_image4[0]});
}

void DrillScreen::command2Click(qint16 index) {
    m_game->pressDigit(index);
}

void DrillScreen::showDigit(int box, qint16 digit) {
    m_image4[box]->hide();
    m_label1[box]->setAccessibleName(drillDigitText(box, digit));
    m_label1[box]->setText(QString::number(digit));
    if (box == 0)
        m_image4[1]->show();
    m_label1[box]->show();
}

void DrillScreen::judgeAnswer(bool right) {
    if (right)
        showCorrect();
    else
        showWrong();
}

void DrillScreen::showCorrect() {
    showMark(kRightSound, kRightMarkPicture, true);
}

void DrillScreen::showWrong() {
    showMark(kWrongSound, kWrongMarkPicture, false);
}

void DrillScreen::startPause() {
    setTimer1Interval(kTickMilliseconds);
}

void DrillScreen::timer1Timer() {
    // A tick queued before the ticks stopped must not act twice.
    if (!m_timer1->isActive())
        return;
    m_game->tick();
}

void DrillScreen::endPause() {
    setTimer1Interval(0);
    m_image6->hide();
}

void DrillScreen::showEnd() {
    showInstead(
        {m_list1, m_image3, m_label2, m_image5, m_label1[0], m_label1[1], m_image4[1], m_image4[0]},
        {m_image7, m_list2});
    Services::sound().play(ContentPath(kPassSound));
}

void DrillScreen::clearEntry() {
    // Wrong: the same question waits for a new entry.
    showInstead({m_label1[0], m_label1[1], m_image4[1]}, {m_image4[0]});
}

void DrillScreen::command1Click() {
    // The move to the menu follows from the navigation table; no tick may run
    // on the screen that is being left.
    m_game->stop();
    setTimer1Interval(0);
}

bool DrillScreen::setAnswers() {
    QList<DrillQuestion> questions;
    const QString reason = readDrillQuestions(&questions);
    if (!reason.isEmpty()) {
        giveUp(ContentPath(kQuestionsFile), reason);
        return false;
    }
    m_game->setQuestions(questions);
    return true;
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
        giveUp(path, reason);
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

void DrillScreen::giveUp(const QString& fullPath, const QString& reason) {
    // The screen is closing: the game's further signals (the pause that
    // follows a mark) must not start its ticks again.
    disconnect(m_game, nullptr, this, nullptr);
    m_game->stop();
    setTimer1Interval(0);
    ReportContentFailure(fullPath, reason);
}
