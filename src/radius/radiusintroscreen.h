#pragma once

#include "radiusscreen.h"

// 半径開始: introduces the atomic radius r; 次に進む leads on to 面心半径.
class RadiusIntroScreen : public RadiusScreen {
    Q_OBJECT
public:
    RadiusIntroScreen();
    void formLoad() override;

private:
    TextPanel* m_list1;
};
