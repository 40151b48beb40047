#include "drillscreen.h"

#include "accessiblenames.h"
#include "contentpicture.h"
#include "drillfiles.h"
#include "drillquestions.h"
#include "label.h"
#include "picture.h"
#include "picturebutton.h"
#include "textpanel.h"
#include "twips.h"

#include <QSignalBlocker>
#include <QTimer>
#include <cmath>

using namespace controls::drill;

namespace {

constexpr int kTickMilliseconds = 100;

} // namespace

DrillScreen::DrillScreen(const ScreenDesign& design, const ScreenContext& context)
    : Screen(design, context) {
    m_image3 = element<Picture>(Image3);
    m_list1 = element<TextPanel>(List1);
    m_label2 = element<Label>(Label2);
    m_image5 = element<Picture>(Image5);
    m_image7 = element<Picture>(Image7);
    m_list2 = element<TextPanel>(List2);
    m_image6 = element<Picture>(Image6);
    for (int box = 0; box < 2; ++box) {
        m_image4[box] = element<Picture>(Image4[box]);
        m_label1[box] = element<Label>(Label1[box]);
    }
    for (qint16 i = 0; i < 10; ++i) {
        m_command2[i] = element<PictureButton>(Command2[i]);
        connect(m_command2[i], &QAbstractButton::clicked, this, [this, i] { command2Click(i); });
    }

    m_game = new DrillGame(context.services.clock, context.services.random, this);
    // A later question's picture that cannot be read ends the program once
    // this handler is done.
    connect(m_game, &DrillGame::questionShown, this, [this] {
        if (auto failure = showQuestion())
            reportLater(*failure);
    });
    connect(m_game, &DrillGame::digitEntered, this, &DrillScreen::showDigit);
    connect(m_game, &DrillGame::judged, this, &DrillScreen::judgeAnswer);
    connect(m_game, &DrillGame::pauseStarted, this, &DrillScreen::startPause);
    connect(m_game, &DrillGame::pauseEnded, this, &DrillScreen::endPause);
    connect(m_game, &DrillGame::entryCleared, this, &DrillScreen::clearEntry);
    connect(m_game, &DrillGame::finished, this, &DrillScreen::showEnd);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(Timer1.text());
    connect(m_timer1, &QTimer::timeout, this, &DrillScreen::timer1Timer);
}

std::optional<ContentFailure> DrillScreen::formLoad() {
    if (auto failure = setAnswers())
        return failure;
    if (auto failure = Screen::formLoad())
        return failure;
    const QRect frame = m_image5->geometry();
    // Twips, as the design's 16-bit integers hold them.
    m_box = QRect(qint16(frame.left() * kTwipsPerPixel), qint16(frame.top() * kTwipsPerPixel),
                  qint16(frame.width() * kTwipsPerPixel), qint16(frame.height() * kTwipsPerPixel));
    setTimer1Interval(0);
    {
        // The first question is shown here, so that a picture that cannot be
        // read keeps the screen from opening.
        const QSignalBlocker quiet(m_game);
        m_game->start();
    }
    return showQuestion();
}

std::optional<ContentFailure> DrillScreen::showQuestion() {
    const qint16 ordinal = m_game->askedCount();
    // Named first: a label with a name of its own announces no change of its text.
    m_label2->setAccessibleName(drillOrdinalText(ordinal));
    m_label2->setText(QString::number(ordinal));

    m_image5->hide();
    if (auto failure = loadPicture(m_image5, m_game->currentQuestion().picture))
        return failure;
    nameElement(m_image5, drillQuestionText(ordinal));
    const int w = m_image5->width() * kTwipsPerPixel;
    const int h = m_image5->height() * kTwipsPerPixel;
    m_questionLeft = m_box.left() + (m_box.width() - w) / 2.0;
    m_questionTop = m_box.top() + (m_box.height() - h) / 2.0;
    m_image5->setGeometry(twipsToPixels(m_questionLeft), twipsToPixels(m_questionTop),
                          m_image5->width(), m_image5->height());
    m_image5->show();

    showInstead({m_label1[0], m_label1[1]}, {m_image4[0]});
    return std::nullopt;
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
    context().services.sound.play(context().contentPath(kPassSound));
}

void DrillScreen::clearEntry() {
    // Wrong: the same question waits for a new entry.
    showInstead({m_label1[0], m_label1[1], m_image4[1]}, {m_image4[0]});
}

void DrillScreen::leaving() {
    m_game->stop();
    setTimer1Interval(0);
}

std::optional<ContentFailure> DrillScreen::setAnswers() {
    QList<DrillQuestion> questions;
    const QString reason = readDrillQuestions(context().baseFolder, &questions);
    if (!reason.isEmpty())
        return ContentFailure{context().contentPath(kQuestionsFile), reason};
    m_game->setQuestions(questions);
    return std::nullopt;
}

void DrillScreen::showMark(const QString& sound, const QString& picture, bool right) {
    context().services.sound.play(context().contentPath(sound));
    if (auto failure = loadPicture(m_image6, picture)) {
        reportLater(*failure);
        return;
    }
    nameElement(m_image6, drillMarkText(right));
    m_image6->show();
}

std::optional<ContentFailure> DrillScreen::loadPicture(Picture* element, const QString& relative) {
    const QString path = context().contentPath(relative);
    QPixmap pixmap;
    const QString reason = loadContentPicture(path, &pixmap);
    if (!reason.isEmpty())
        return ContentFailure{path, reason};
    element->setPicture(pixmap);
    return std::nullopt;
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
