#include "radiusintroscreen.h"

#include "controls.h"
#include "picturebutton.h"

using namespace controls::radius;

RadiusIntroScreen::RadiusIntroScreen() : RadiusScreen(ScreenId::RadiusIntro) {
    // Guide face A looks right at the text; the atom with its radius stands
    // to the right of it.
    addPicture(Image2, 240, 1200, "face-a");
    addPicture(Image3, 8010, 1950, "radius-atom");
    m_list1 = addPanel(List1);
    addButtons();
    setFocusOrder({m_next, m_menu, m_list1});
    setFirstFocus(m_next);
}

void RadiusIntroScreen::formLoad() {
    fill(m_list1);
}
