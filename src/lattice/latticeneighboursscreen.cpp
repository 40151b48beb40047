#include "latticeneighboursscreen.h"

#include "latticecommon.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturecatalog.h"

namespace {

struct NeighboursCopy {
    cell::Structure structure;
    ScreenId screen;
    int answerPictureTop; // Image4, twips; same left as Image3
};

// The question picture is the same on all three screens.
constexpr int kPictureLeft = 7380, kPictureTop = 1200;

const NeighboursCopy& copyOf(cell::Structure s) {
    static const NeighboursCopy copies[] = {
        {cell::Structure::Bcc, ScreenId::BccNeighbours, kPictureTop},
        {cell::Structure::Fcc, ScreenId::FccNeighbours, 150},
        {cell::Structure::Hcp, ScreenId::HcpNeighbours, 150},
    };
    for (const NeighboursCopy& c : copies)
        if (c.structure == s)
            return c;
    Q_UNREACHABLE();
}

} // namespace

ScreenId LatticeNeighboursScreen::screenOf(cell::Structure s) {
    return copyOf(s).screen;
}

LatticeNeighboursScreen::LatticeNeighboursScreen(cell::Structure s)
    : Screen(copyOf(s).screen), m_structure(s) {
    const NeighboursCopy& copy = copyOf(s);
    const QPoint plate = titlePlaceTwips(*this);
    addPicture("Image1", plate.x(), plate.y(), pictureName("plate", s));
    addPicture("Image2", 240, 3060, "face-a");
    m_list1 = addPanel("List1");
    m_list2 = addPanel("List2");
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
    fill(m_list1);
    fill(m_list2);
}

void LatticeNeighboursScreen::command1Click() {
    m_list1->hide();
    m_image3->hide();
    m_list2->show();
    m_image4->show();
    m_command1->hide();
}
