#include "startscreen.h"

#include "controls.h"
#include "picturebutton.h"

using namespace controls::start;

StartScreen::StartScreen() : Screen(ScreenId::Start) {
    addPicture(Image1, 750, 165, "title");
    addPicture(Image2, 10020, 1395, "face-b");
    addPicture(Image3, 6750, 2490, "spheres-bcc");
    m_list1 = addPanel(List1);
    m_list2 = addPanel(List2);
    auto* menu = addButton(Command1, "btn-menu", "メニュー", twips(7305, 330, 1605, 735));
    auto* end = addButton(Command2, "btn-end", "終了", twips(9420, 330, 1605, 735));
    setFocusOrder({menu, end, m_list1, m_list2});
    setFirstFocus(menu);
}

void StartScreen::formLoad() {
    fill({m_list1, m_list2});
}
