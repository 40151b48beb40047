#include "latticeneighboursscreen.h"

#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"

namespace {

// What differs between the three screens besides the pictures and the texts,
// which follow from the structure.
struct NeighboursCopy {
    QRect answerTwips;    // List2: over the question's place, growing upwards
    int answerPictureTop; // Image4, twips; same left as Image3
};

// The question panel and picture are the same on all three screens.
constexpr int kQuestionLeft = 1320, kQuestionBottom = 5010;
constexpr int kPictureLeft = 7380, kPictureTop = 1200;

const NeighboursCopy& copyOf(cell::Structure s) {
    // By structure. Two close-packed cells drawn apart need the whole height
    // above the buttons.
    static const NeighboursCopy copies[] = {
        {QRect(kQuestionLeft, kQuestionBottom - 3015, 5760, 3015), kPictureTop},
        {QRect(kQuestionLeft, kQuestionBottom - 4020, 5760, 4020), 150},
        {QRect(kQuestionLeft, kQuestionBottom - 4020, 5760, 4020), 150},
    };
    return copies[std::size_t(s)];
}

} // namespace

LatticeNeighboursScreen::LatticeNeighboursScreen(cell::Structure s)
    : LessonScreen(s, Lesson::Neighbours) {
    const NeighboursCopy& copy = copyOf(s);
    addTitlePlate("Image1");
    addPicture("Image2", 240, 3060, "face-a");
    m_list1 = addPanel("List1", twips(kQuestionLeft, kQuestionBottom - 2010, 5550, 2010),
                       TextPanel::Ground::Blue);
    const QRect a = copy.answerTwips;
    m_list2 = addPanel("List2", twips(a.x(), a.y(), a.width(), a.height()), TextPanel::Ground::Blue,
                       false);
    m_image3 = addPicture("Image3", kPictureLeft, kPictureTop, pictureName("neighbour-q", s));
    m_image4 = addPicture("Image4", kPictureLeft, copy.answerPictureTop,
                          pictureName("neighbour-a", s), false);
    m_command1 = addButton("Command1", "btn-run", "実行", bottomButton(*this, 0));
    auto* menu = addButton("Command2", "btn-menu", "メニュー", bottomButton(*this, 1));
    connect(m_command1, &QAbstractButton::clicked, this, &LatticeNeighboursScreen::command1Click);
    setFocusOrder({m_list1, menu, m_command1, m_list2});
    setFirstFocus(m_list1);
}

void LatticeNeighboursScreen::formLoad() {
    fillText(m_list1, 9);
    fillText(m_list2, 10);
}

void LatticeNeighboursScreen::command1Click() {
    m_list1->hide();
    m_image3->hide();
    m_list2->show();
    m_image4->show();
    m_command1->hide();
}
