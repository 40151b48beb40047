#include "densityquestionscreen.h"

#include "accessiblenames.h"
#include "contentpicture.h"
#include "drillfiles.h"
#include "label.h"
#include "picture.h"
#include "picturebutton.h"

#include <QShortcut>

using namespace controls::densityQuestion;

DensityQuestionScreen::DensityQuestionScreen(const ScreenDesign& design,
                                             const ScreenContext& context)
    : Screen(design, context) {
    m_mark = element<Picture>(Image3);
    for (int box = 0; box < 2; ++box) {
        m_query[box] = element<Picture>(Image2[box]);
        m_boxes[box] = element<Label>(Label7[box]);
    }
    const Control<Tag> facts[] = {Label2, Label3, Label4, Label5};
    for (int i = 0; i < 4; ++i)
        m_facts[i] = element(facts[i].text());
    m_worked = element(List2.text());
    m_explained = element(List3.text());
    for (qint16 i = 0; i < 10; ++i) {
        auto* key = element<PictureButton>(Command2[i]);
        connect(key, &QAbstractButton::clicked, this, [this, i] { command2Click(i); });
        // The keyboard's digits, on the main keys or the keypad, press the keys.
        for (const QKeySequence& k :
             {QKeySequence(Qt::Key_0 + i), QKeySequence(Qt::KeypadModifier | (Qt::Key_0 + i))}) {
            auto* shortcut = new QShortcut(k, this);
            connect(shortcut, &QShortcut::activated, key, &QAbstractButton::click);
        }
    }
}

void DensityQuestionScreen::command2Click(qint16 digit) {
    if (m_judged != 0)
        clearEntry();
    showDigit(m_entered, digit);
    if (++m_entered == 2)
        judge();
}

void DensityQuestionScreen::showDigit(int box, qint16 digit) {
    m_digits[box] = digit;
    m_query[box]->hide();
    m_boxes[box]->setAccessibleName(
        QStringLiteral("%1「%2」").arg(densityPlaceName(box)).arg(digit));
    m_boxes[box]->setText(QString::number(digit));
}

void DensityQuestionScreen::judge() {
    const std::array<int, 2> answer = packing::answerDigits(cell::metal(kQuestionMetal));
    const bool right = m_digits[0] == answer[0] && m_digits[1] == answer[1];
    m_judged = right ? 1 : -1;
    context().services.sound.play(context().contentPath(right ? kRightSound : kWrongSound));
    const QString path = context().contentPath(right ? kRightMarkPicture : kWrongMarkPicture);
    QPixmap mark;
    const QString reason = loadContentPicture(path, &mark);
    if (!reason.isEmpty()) {
        reportLater({path, reason});
        return;
    }
    m_mark->setPicture(mark);
    nameElement(m_mark, drillMarkText(right));
    m_mark->show();
    // The explanation takes the place of the metal's numbers.
    QWidget* shown = right ? m_explained : m_worked;
    QWidget* gone = right ? m_worked : m_explained;
    showInstead({m_facts[0], m_facts[1], m_facts[2], m_facts[3], gone}, {shown});
    if (!right) {
        // The same question waits for a new entry.
        m_entered = 0;
        for (int box = 0; box < 2; ++box) {
            m_boxes[box]->setText(QString());
            m_boxes[box]->setAccessibleName(densityPlaceName(box));
            m_query[box]->show();
        }
    }
}

void DensityQuestionScreen::clearEntry() {
    m_judged = 0;
    m_entered = 0;
    m_mark->hide();
    for (int box = 0; box < 2; ++box) {
        m_boxes[box]->setText(QString());
        m_boxes[box]->setAccessibleName(densityPlaceName(box));
        m_query[box]->show();
    }
}
