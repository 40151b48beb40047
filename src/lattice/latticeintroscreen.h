#pragma once

#include "lessonscreen.h"

class Picture;

// 体心開始, 面心開始, 六方開始: a structure's introduction, told in stages, one
// per press of 実行; the third press opens the structure's interior viewer.
class LatticeIntroScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit LatticeIntroScreen(cell::Structure s);
    void formLoad() override;

private:
    void command1Click();

    qint16 m_clickCount = 0; // ClickCount

    Picture* m_image2;
    Picture* m_image3;
    Picture* m_image4;
    Picture* m_image5;
    TextPanel* m_list1;
    TextPanel* m_list2;
    TextPanel* m_list3;
};
