#pragma once

#include "screen.h"

// ドリル開始: explains the drill and leads into it.
class DrillStartScreen : public Screen {
    Q_OBJECT
public:
    DrillStartScreen();
    void formLoad() override;

private:
    TextPanel* m_list1;
};
