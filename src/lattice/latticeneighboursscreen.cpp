#include "latticeneighboursscreen.h"

#include "controls.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"

using namespace controls::latticeNeighbours;

namespace {

// The question picture is the same on all three screens.
constexpr int kPictureLeft = 7380, kPictureTop = 1200;

// Image4, twips, by structure; same left as Image3. Two close-packed cells
// drawn apart need the whole height above the buttons.
int answerPictureTop(cell::Structure s) {
    return s == cell::Structure::Bcc ? kPictureTop : 150;
}

} // namespace

LatticeNeighboursScreen::LatticeNeighboursScreen(cell::Structure s)
    : LessonScreen(s, Lesson::Neighbours) {
    addTitlePlate(Image1);
    addPicture(Image2, 240, 3060, "face-a");
    m_list1 = addPanel(List1);
    m_list2 = addPanel(List2);
    m_image3 = addPicture(Image3, kPictureLeft, kPictureTop, pictureName("neighbour-q", s));
    m_image4 =
        addPicture(Image4, kPictureLeft, answerPictureTop(s), pictureName("neighbour-a", s), false);
    m_command1 = addButton(Command1, "btn-run", "実行", bottomButton(*this, 0));
    auto* menu = addButton(Command2, "btn-menu", "メニュー", bottomButton(*this, 1));
    connect(m_command1, &QAbstractButton::clicked, this, &LatticeNeighboursScreen::command1Click);
    setFocusOrder({m_list1, menu, m_command1, m_list2});
    setFirstFocus(m_list1);
}

void LatticeNeighboursScreen::formLoad() {
    fill({m_list1, m_list2});
}

void LatticeNeighboursScreen::command1Click() {
    showInstead({m_list1, m_image3, m_command1}, {m_list2, m_image4});
}
