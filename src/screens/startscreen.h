#pragma once

#include "screen.h"

// スタート: the introduction, the first screen after start.
class StartScreen : public Screen {
    Q_OBJECT
public:
    StartScreen();
    void formLoad() override;

private:
    TextPanel* m_list1;
    TextPanel* m_list2;
};
