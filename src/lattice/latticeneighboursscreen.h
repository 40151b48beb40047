#pragma once

#include "lessonscreen.h"

class Picture;
class PictureButton;

// 体心隣接, 面心隣接, 六方隣接: how many atoms touch one atom. 実行 swaps in the
// answer text and the picture with the neighbours coloured; the chain ends here.
class LatticeNeighboursScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit LatticeNeighboursScreen(cell::Structure s);
    void formLoad() override;

private:
    void command1Click();

    TextPanel* m_list1;
    TextPanel* m_list2;
    Picture* m_image3;
    Picture* m_image4;
    PictureButton* m_command1;
};
