#pragma once

#include "lessonscreen.h"

#include <vector>

class Picture;
class PictureButton;

// 体心内部, 面心内部, 六方内部: the learner fills the empty unit cell atom by
// atom. A marker on the ball-and-stick drawing names the next atom; its click
// puts the part of that atom that lies inside the cell into the empty cell.
class LatticeInteriorScreen : public LessonScreen {
    Q_OBJECT
public:
    explicit LatticeInteriorScreen(cell::Structure s);
    void formLoad() override;

private:
    void command1Click();
    void image3Click(qint16 index);
    void command4Click();

    qint16 m_pieceCount = 0; // PieceCount
    qint16 m_clickCount = 0; // ClickCount

    std::vector<Picture*> m_image3; // markers, one per atom
    std::vector<Picture*> m_image4; // pieces, one per atom
    TextPanel* m_list1;
    TextPanel* m_list2;
    TextPanel* m_list3;
    PictureButton* m_command1;
    PictureButton* m_command3;
    PictureButton* m_command4;
};
