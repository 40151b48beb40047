#pragma once

#include "screen.h"

class PictureButton;

// What the three radius screens share: the lesson's title plate at the top
// left and 次に進む above メニュー at the bottom right.
class RadiusScreen : public Screen {
    Q_OBJECT
public:
    explicit RadiusScreen(ScreenId id);

protected:
    // Builds the two buttons; call after the screen's other elements.
    void addButtons();

    PictureButton* m_next = nullptr; // Command1, 次に進む
    PictureButton* m_menu = nullptr; // Command2, メニュー
};
