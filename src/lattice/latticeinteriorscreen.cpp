#include "latticeinteriorscreen.h"

#include "accessiblenames.h"
#include "controls.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"
#include "twips.h"

using namespace controls::latticeInterior;

namespace {

// Twips of a whole number of pixels, for places taken from the cell model.
int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace

LatticeInteriorScreen::LatticeInteriorScreen(cell::Structure s)
    : LessonScreen(s, Lesson::Interior) {
    // One marker and one piece for each atom of the cell model, in its order.
    const int n = cell::pieceCount(s);
    // The ball-and-stick drawing on the right, the empty cell on the left.
    Picture* image1 = addPicture(Image1, 6210, 0, pictureName("ballstick", s));
    Picture* image2 = addPicture(Image2, 810, 0, pictureName("emptycell", s));

    // Both drawings share one camera, so the model's atom centres and piece
    // boxes hold for either picture once offset by its place on the screen.
    // Created after the drawings (in front of them), pieces in index order so
    // that a nearer atom covers a farther one.
    const QSizeF marker = pictureSize("marker");
    for (int i = 0; i < n; ++i) {
        const cell::Point2 c = cell::atomCentre(s, i);
        const int left = image1->x() + qRound(c.x - marker.width() / 2);
        const int top = image1->y() + qRound(c.y - marker.height() / 2);
        Picture* m =
            addPicture(Image3[i], pixelsToTwips(left), pixelsToTwips(top), "marker", false);
        // Taken with Space or Enter as with a click; named after its atom.
        m->setKind(ClickableLabel::Kind::Button);
        nameElement(m, markerText(s, i));
        connect(m, &Picture::clicked, this, [this, i] { image3Click(qint16(i)); });
        m_image3.push_back(m);
    }
    for (int i = 0; i < n; ++i) {
        const cell::Rect2 r = cell::pieceRect(s, i);
        m_image4.push_back(addPicture(Image4[i], pixelsToTwips(image2->x() + r.left),
                                      pixelsToTwips(image2->y() + r.top), pieceName(s, i), false));
    }

    // Below the building text, lower than on the other lesson screens.
    addTitlePlate(Image5, 6300);
    addPicture(Image6, 180, 4500, "face-a");
    // The building and closing texts lie in the opening text's place, from its left edge.
    m_list1 = addPanel(List1);
    m_list2 = addPanel(List2);
    m_list3 = addPanel(List3);

    // 次に進む stands where 実行 stood, 再確認 above that place.
    const QRect runPlace = bottomButton(*this, 0);
    m_command1 = addButton(Command1, "btn-run", "実行", runPlace);
    auto* menu = addButton(Command2, "btn-menu", "メニュー", bottomButton(*this, 1));
    m_command3 = addButton(Command3, "btn-next", "次に進む", runPlace, false);
    m_command4 = addButton(Command4, "btn-again", "再確認",
                           runPlace.translated(0, -(runPlace.height() + 10)), false);
    connect(m_command1, &QAbstractButton::clicked, this, &LatticeInteriorScreen::command1Click);
    connect(m_command4, &QAbstractButton::clicked, this, &LatticeInteriorScreen::command4Click);
    setFocusOrder({m_command1, m_command3, m_command4, menu, m_list1, m_list2, m_list3});
    QWidget* previous = m_list3;
    for (Picture* m : m_image3) {
        QWidget::setTabOrder(previous, m);
        previous = m;
    }
    setFirstFocus(m_command1);
}

void LatticeInteriorScreen::formLoad() {
    m_pieceCount = qint16(cell::pieceCount(structure()));
    m_clickCount = 0;
    fill({m_list1, m_list2, m_list3});
}

void LatticeInteriorScreen::command1Click() {
    ++m_clickCount;
    if (m_clickCount == 1) {
        showInstead({m_command1, m_list1}, {m_image3[0], m_list2});
        giveKeyboardFocus(m_image3[0]);
    }
}

void LatticeInteriorScreen::image3Click(qint16 index) {
    showInstead({m_image3[std::size_t(index)]}, {m_image4[std::size_t(index)]});
    if (index < m_pieceCount - 1) {
        m_image3[std::size_t(index) + 1]->show();
        giveKeyboardFocus(m_image3[std::size_t(index) + 1]);
    } else {
        showInstead({m_list2}, {m_list3, m_command3, m_command4});
        giveKeyboardFocus(m_command3);
    }
}

void LatticeInteriorScreen::command4Click() {
    showInstead({m_command3, m_command4, m_list3}, {m_list2});
    for (qint16 i = 1; i <= m_pieceCount; ++i)
        m_image4[std::size_t(i - 1)]->hide();
    m_image3[0]->show();
    giveKeyboardFocus(m_image3[0]);
}
