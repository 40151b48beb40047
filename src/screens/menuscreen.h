#pragma once

#include "screen.h"

// メニュー: the hub every lesson chain returns to.
class MenuScreen : public Screen {
    Q_OBJECT
public:
    MenuScreen();
};
