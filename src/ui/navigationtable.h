#pragma once

#include "screenid.h"

#include <QString>
#include <optional>
#include <vector>

// Every element of every screen whose click moves to another screen or ends
// the program. Plain moves are wired from this table when a screen is built;
// staged moves (a third press, a button shown late in a lesson) are made by
// the screen's own handler, which asks this table for its target.
struct NavigationRow {
    ScreenId screen;
    QString element;
    std::optional<ScreenId> target; // none: ends the program
    bool staged;                    // the screen's handler decides when
};

const std::vector<NavigationRow>& navigationTable();

// The target of a staged move, e.g.
// stagedTarget(BccIntro, controls::latticeIntro::Command1) == BccInterior.
ScreenId stagedTarget(ScreenId screen, const QString& element);
