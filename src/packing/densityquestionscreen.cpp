#include "densityquestionscreen.h"

#include "judgement.h"
#include "label.h"
#include "picture.h"
#include "picturebutton.h"
#include "twips.h"

#include <QShortcut>

using namespace controls::densityQuestion;

DensityQuestionScreen::DensityQuestionScreen(const ScreenDesign& design,
                                             const ScreenContext& context)
    : TypedScreen(design, context) {
    m_entry.ask(design.answer);
    m_entry.setRestartOnDigit(true);
    connect(&m_entry, &AnswerEntry::digitEntered, this, &DensityQuestionScreen::showDigit);
    connect(&m_entry, &AnswerEntry::answered, this, &DensityQuestionScreen::showJudgement);
    connect(&m_entry, &AnswerEntry::cleared, this, &DensityQuestionScreen::emptyBoxes);
    for (int i = 0; i < 10; ++i) {
        auto* key = element<PictureButton>(Command2[i]);
        connect(key, &QAbstractButton::clicked, this, [this, i] { m_entry.press(i); });
        // The keyboard's digits, on the main keys or the keypad, press the keys.
        for (const QKeySequence& k :
             {QKeySequence(Qt::Key_0 + i), QKeySequence(Qt::KeypadModifier | (Qt::Key_0 + i))}) {
            auto* shortcut = new QShortcut(k, this);
            connect(shortcut, &QShortcut::activated, key, &QAbstractButton::click);
        }
    }
}

void DensityQuestionScreen::showDigit(int box, int digit) {
    auto* label = element<Label>(Label7[box]);
    label->setAccessibleName(QStringLiteral("%1「%2」").arg(densityPlaceName(box)).arg(digit));
    label->setText(QString::number(digit));
    // A first digit, as the state the entry is in leads.
    if (box == 0)
        followKeys(Command2.text());
}

void DensityQuestionScreen::showJudgement(bool right) {
    if (auto failure = ::showJudgement(element<Picture>(Image3), right, context())) {
        reportLater(*failure);
        return;
    }
    // The mark at the size the design gives it, sharp at the screen's ratio.
    auto* mark = element<Picture>(Image3);
    const QRect box = design().element(Image3.text())->twips;
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = mark->picture().scaled(
        QSize(twipsToPixels(box.width()), twipsToPixels(box.height())) * ratio, Qt::KeepAspectRatio,
        Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    mark->setPicture(scaled);
    if (right) {
        enterState("right");
        return;
    }
    // The same question waits for a new entry: with a hint the first time,
    // the whole working after that.
    emptyBoxes();
    enterState(m_entry.wrongTries() == 1 ? "hint" : "worked");
}

void DensityQuestionScreen::emptyBoxes() {
    for (int box = 0; box < 2; ++box) {
        auto* label = element<Label>(Label7[box]);
        label->setText(QString());
        label->setAccessibleName(densityPlaceName(box));
    }
}

QString DensityQuestionScreen::pressFor(const Transition& t) const {
    if (t.key == AnswerKey::None)
        return Screen::pressFor(t);
    const int digit = m_entry.digitFor(t.key);
    return digit < 0 ? QString() : Command2[digit].text();
}

QString DensityQuestionScreen::progress() const {
    QStringList entered;
    for (int d : m_entry.entered())
        entered << QString::number(d);
    return entered.join(',');
}
