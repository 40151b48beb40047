#include "latticeintroscreen.h"

#include "navigationtable.h"
#include "navigator.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"

LatticeIntroScreen::LatticeIntroScreen(cell::Structure s) : LessonScreen(s, Lesson::Intro) {
    addTitlePlate("Image1");
    m_image2 = addPicture("Image2", 2370, 1500, "face-a");
    m_image3 = addPicture("Image3", 10380, 120, "face-b", false);
    // Stage 1: the sphere block on the left, its text on the right.
    m_image4 = addPicture("Image4", 360, 1050, pictureName("spheres", s), false);
    // Stage 2: the unit cell takes the place of the stage 1 text.
    m_image5 = addPicture("Image5", 5850, 1920, pictureName("ballstick", s), false);
    m_list1 = addPanel("List1", twips(3510, 1380, 5640, 3390), TextPanel::Ground::Blue);
    m_list2 = addPanel("List2", twips(5760, 1260, 5550, 3990), TextPanel::Ground::Blue, false);
    m_list3 = addPanel("List3", twips(4770, 120, 5490, 1680), TextPanel::Ground::Blue, false);
    auto* run = addButton("Command1", "btn-run", "実行", bottomButton(*this, 0));
    auto* menu = addButton("Command2", "btn-menu", "メニュー", bottomButton(*this, 1));
    connect(run, &QAbstractButton::clicked, this, &LatticeIntroScreen::command1Click);
    setFocusOrder({run, menu, m_list1, m_list2, m_list3});
    setFirstFocus(run);
}

void LatticeIntroScreen::formLoad() {
    m_clickCount = 0;
    fillText(m_list1, 1);
}

void LatticeIntroScreen::command1Click() {
    ++m_clickCount;
    if (m_clickCount == 1) {
        m_image2->hide();
        m_list1->hide();
        // Read at the press, so an edited text shows without reopening.
        fillText(m_list2, 2);
        m_image3->show();
        m_image4->show();
        m_list2->show();
    }
    if (m_clickCount == 2) {
        fillText(m_list3, 3);
        m_list2->hide();
        m_list3->show();
        m_image5->show();
    }
    if (m_clickCount == 3)
        SwitchScreen(stagedTarget(id(), "Command1"));
}
