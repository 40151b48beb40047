#include "drillstartscreen.h"

#include "controls.h"
#include "picturebutton.h"

using namespace controls::drillStart;

DrillStartScreen::DrillStartScreen() : Screen(ScreenId::DrillStart) {
    addPicture(Image1, 240, 150, "title-drill");
    m_list1 = addPanel(List1);
    addPicture(Image2, 1350, 4725, "face-a");
    // 実行 and メニュー move through the navigation table.
    auto* run = addButton(Command1, "btn-run", "実行", twips(7410, 6255, 1605, 735));
    auto* menu = addButton(Command2, "btn-menu", "メニュー", twips(9420, 6255, 1605, 735));
    setFocusOrder({run, menu, m_list1});
    setFirstFocus(run);
}

void DrillStartScreen::formLoad() {
    fill(m_list1);
}
