#pragma once

#include "latticecommon.h"
#include "screen.h"

// One screen of a structure's lesson chain: it knows its structure and shows
// its title plate.
class LessonScreen : public Screen {
    Q_OBJECT
protected:
    LessonScreen(cell::Structure s, Lesson lesson);

    cell::Structure structure() const { return m_structure; }
    // The structure's title plate at the bottom left, level with the buttons,
    // or at its own height where the lesson's text lies lower.
    Picture* addTitlePlate(ControlName name);
    Picture* addTitlePlate(ControlName name, int topTwips);

private:
    cell::Structure m_structure;
};
