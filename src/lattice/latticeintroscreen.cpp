#include "latticeintroscreen.h"

#include "controls.h"
#include "navigationtable.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"

using namespace controls::latticeIntro;

LatticeIntroScreen::LatticeIntroScreen(cell::Structure s) : LessonScreen(s, Lesson::Intro) {
    addTitlePlate(Image1);
    m_image2 = addPicture(Image2, 2370, 1500, "face-a");
    m_image3 = addPicture(Image3, 10380, 120, "face-b", false);
    // Stage 1: the sphere block on the left, its text on the right.
    m_image4 = addPicture(Image4, 360, 1050, pictureName("spheres", s), false);
    // Stage 2: the unit cell takes the place of the stage 1 text.
    m_image5 = addPicture(Image5, 5850, 1920, pictureName("ballstick", s), false);
    m_list1 = addPanel(List1);
    m_list2 = addPanel(List2);
    m_list3 = addPanel(List3);
    auto* run = addButton(Command1, "btn-run", "実行", bottomButton(*this, 0));
    auto* menu = addButton(Command2, "btn-menu", "メニュー", bottomButton(*this, 1));
    connect(run, &QAbstractButton::clicked, this, &LatticeIntroScreen::command1Click);
    setFocusOrder({run, menu, m_list1, m_list2, m_list3});
    setFirstFocus(run);
}

void LatticeIntroScreen::formLoad() {
    m_clickCount = 0;
    fill(m_list1);
}

void LatticeIntroScreen::command1Click() {
    // Each stage's text is read at its press, so an edited text shows without
    // reopening; one that cannot be shown ends the program and the stage stops.
    switch (++m_clickCount) {
    case 1:
        // The face and the opening text go before the next text is read.
        m_image2->hide();
        m_list1->hide();
        if (!fill(m_list2))
            return;
        m_image3->show();
        m_image4->show();
        m_list2->show();
        break;
    case 2:
        if (!fill(m_list3))
            return;
        showInstead({m_list2}, {m_list3, m_image5});
        break;
    case 3:
        SwitchScreen(stagedTarget(id(), Command1));
        break;
    }
}
