#pragma once

#include "screen.h"

// まとめ: the summary table of the three structures. Its names and counts are
// links into the lattice lessons; the moves are wired from the navigation table.
class SummaryScreen : public Screen {
    Q_OBJECT
public:
    SummaryScreen();
    void formLoad() override;

private:
    TextPanel* m_list1;
};
