#include "radiusstagescreen.h"

#include "controls.h"
#include "navigationtable.h"
#include "picture.h"
#include "picturebutton.h"

#include <QtGlobal>

using namespace controls::radius;

const RadiusLesson& radiusLesson(ScreenId screen) {
    static const RadiusLesson lessons[] = {
        {ScreenId::FccRadius, "cutaway-fcc", "radius-fcc-face", "radius-fcc-labelled",
         "radius-fcc-derivation", false},
        {ScreenId::BccRadius, "cutaway-bcc", "radius-bcc-hexagon", "radius-bcc-labelled",
         "radius-bcc-derivation", true},
    };
    for (const RadiusLesson& l : lessons)
        if (l.screen == screen)
            return l;
    qFatal("no radius lesson for screen %d", int(screen));
}

RadiusStageScreen::RadiusStageScreen(ScreenId screen)
    : RadiusScreen(screen), m_lesson(radiusLesson(screen)) {
    constexpr bool hidden = false;

    // Opening: the cut-out cell, its text, guide face B looking back at it.
    m_image2 = addPicture(Image2, 9210, 1650, "face-b");
    m_image3 = addPicture(Image3, 300, 2055, m_lesson.cutaway);
    m_list1 = addPanel(List1);

    // Stage 1 and stage 2 share the left and the right place: text, then the
    // derivation on the left; the drawing, then the labelled drawing on the right.
    m_list2 = addPanel(List2);
    m_image4 = addPicture(Image4, 1170, 1110, "face-a", hidden);
    m_image5 = addPicture(Image5, 7410, 1260, m_lesson.drawing, hidden);
    m_image6 = addPicture(Image6, 7410, 1260, m_lesson.labelled, hidden);
    m_image7 = addPicture(Image7, 150, 6000, "face-a", hidden);
    m_image8 = addPicture(Image8, 1170, 1140, m_lesson.derivation, hidden);

    if (m_lesson.closesLesson) {
        m_image9 = addPicture(Image9, 900, 1260, "face-a", hidden);
        m_list3 = addPanel(List3);
    }

    addButtons();
    connect(m_next, &QAbstractButton::clicked, this, &RadiusStageScreen::command1Click);

    setFocusOrder({m_next, m_menu, m_list1, m_list2});
    if (m_list3)
        setFocusOrder({m_list2, m_list3});
    setFirstFocus(m_next);
}

void RadiusStageScreen::formLoad() {
    // The hidden panels are filled now too: nothing is read later.
    m_clickCount = 0;
    if (fill({m_list1, m_list2}) && m_list3)
        fill(m_list3);
}

void RadiusStageScreen::command1Click() {
    ++m_clickCount;
    if (m_clickCount == 1) {
        showInstead({m_list1, m_image2, m_image3}, {m_list2, m_image4, m_image5});
    }
    if (m_clickCount == 2) {
        showInstead({m_list2, m_image4, m_image5}, {m_image6, m_image7, m_image8});
    }
    if (m_clickCount == 3) {
        if (!m_lesson.closesLesson) {
            SwitchScreen(stagedTarget(id(), Command1));
            return;
        }
        // メニュー is left as the only way on, so the count stops at 3.
        showInstead({m_image6, m_image7, m_image8, m_next}, {m_image9, m_list3});
    }
}
