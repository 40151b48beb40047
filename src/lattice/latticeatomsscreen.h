#pragma once

#include "lessonscreen.h"

class PictureButton;

// 体心原子, 面心原子, 六方原子: how many atoms belong to one unit cell. 実行
// swaps the question for the answer and itself for 次に進む.
class LatticeAtomsScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit LatticeAtomsScreen(cell::Structure s);
    void formLoad() override;

private:
    void command1Click();

    TextPanel* m_list1;
    TextPanel* m_list2;
    PictureButton* m_command1;
    PictureButton* m_command3;
};
