#include "radiusscreen.h"

#include "controls.h"
#include "picturebutton.h"

using namespace controls::radius;

RadiusScreen::RadiusScreen(ScreenId id) : Screen(id) {
    addPicture(Image1, 180, 150, "plate-radius");
}

void RadiusScreen::addButtons() {
    m_next = addButton(Command1, "btn-next", "次に進む", twips(9705, 5340, 1605, 735));
    m_menu = addButton(Command2, "btn-menu", "メニュー", twips(9705, 6210, 1605, 735));
}
