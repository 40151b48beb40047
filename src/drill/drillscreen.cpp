#include "drillscreen.h"

#include "accessiblenames.h"
#include "drillfiles.h"
#include "drillquestions.h"
#include "judgement.h"
#include "label.h"
#include "picture.h"
#include "picturebutton.h"
#include "twips.h"

#include <QSignalBlocker>
#include <QTimer>

using namespace controls::drill;

namespace {

constexpr int kTickMilliseconds = 100;

} // namespace

DrillScreen::DrillScreen(const ScreenDesign& design, const ScreenContext& context)
    : TypedScreen(design, context) {
    for (qint16 i = 0; i < 10; ++i)
        connect(element<PictureButton>(Command2[i]), &QAbstractButton::clicked, this,
                [this, i] { m_game->pressDigit(i); });

    m_game = new DrillGame(context.services.clock, context.services.random, this);
    // A later question's picture that cannot be read ends the program once
    // this handler is done.
    connect(m_game, &DrillGame::questionShown, this, [this] {
        if (auto failure = showQuestion())
            reportLater(*failure);
    });
    connect(m_game, &DrillGame::digitEntered, this, &DrillScreen::showDigit);
    connect(m_game, &DrillGame::judged, this, &DrillScreen::showJudgement);
    connect(m_game, &DrillGame::pauseStarted, this, [this] { setTickInterval(kTickMilliseconds); });
    connect(m_game, &DrillGame::pauseEnded, this, [this] { setTickInterval(0); });
    connect(m_game, &DrillGame::entryCleared, this, [this] { enterState("0"); });
    connect(m_game, &DrillGame::finished, this, [this] {
        enterState("end");
        Screen::context().services.sound.play(Screen::context().contentPath(kPassSound));
    });

    m_timer = new QTimer(this);
    m_timer->setObjectName(Timer1.text());
    connect(m_timer, &QTimer::timeout, this, &DrillScreen::tick);
}

std::optional<ContentFailure> DrillScreen::formLoad() {
    if (auto failure = setAnswers())
        return failure;
    if (auto failure = Screen::formLoad())
        return failure;
    setTickInterval(0);
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
    auto* number = element<Label>(Label2);
    // Named first: a label with a name of its own announces no change of its text.
    number->setAccessibleName(drillOrdinalText(ordinal));
    number->setText(QString::number(ordinal));

    // The picture is centred in the box the design gives it.
    auto* question = element<Picture>(Image5);
    const QRect box = design().element(Image5.text())->twips;
    question->hide();
    if (auto failure = loadInto(question, m_game->currentQuestion().picture, context()))
        return failure;
    nameElement(question, drillQuestionText(ordinal));
    const double left = box.left() + (box.width() - question->width() * kTwipsPerPixel) / 2.0;
    const double top = box.top() + (box.height() - question->height() * kTwipsPerPixel) / 2.0;
    question->move(twipsToPixels(left), twipsToPixels(top));
    question->show();
    enterState("0");
    return std::nullopt;
}

void DrillScreen::showDigit(int box, qint16 digit) {
    auto* label = element<Label>(Label1[box]);
    label->setAccessibleName(drillDigitText(box, digit));
    label->setText(QString::number(digit));
    if (box == 0)
        followKeys(Command2.text());
}

void DrillScreen::showJudgement(bool right) {
    if (auto failure = ::showJudgement(element<Picture>(Image6), right, context())) {
        reportLater(*failure);
        return;
    }
    enterState(right ? "right" : "wrong");
}

void DrillScreen::tick() {
    // A tick queued before the ticks stopped must not act twice.
    if (!m_timer->isActive())
        return;
    m_game->tick();
}

void DrillScreen::leaving() {
    m_game->stop();
    setTickInterval(0);
}

QString DrillScreen::pressFor(const Transition& t) const {
    if (t.key == AnswerKey::None)
        return Screen::pressFor(t);
    const int digit = m_game->entry().digitFor(t.key);
    return digit < 0 ? QString() : Command2[digit].text();
}

QString DrillScreen::progress() const {
    QStringList entered;
    for (int d : m_game->entry().entered())
        entered << QString::number(d);
    return QStringLiteral("%1/%2:%3")
        .arg(m_game->askedCount())
        .arg(m_game->questionNo())
        .arg(entered.join(','));
}

std::optional<ContentFailure> DrillScreen::setAnswers() {
    QList<DrillQuestion> questions;
    const QString reason = readDrillQuestions(context().baseFolder, &questions);
    if (!reason.isEmpty())
        return ContentFailure{context().contentPath(kQuestionsFile), reason};
    m_game->setQuestions(questions);
    return std::nullopt;
}

void DrillScreen::setTickInterval(int milliseconds) {
    if (milliseconds == 0) {
        m_timer->stop();
        m_timer->setInterval(0);
    } else {
        m_timer->setInterval(milliseconds);
        if (!m_timer->isActive())
            m_timer->start();
    }
}
