#pragma once

// A walk through a screen's states as its declaration gives them, for the
// tests and the tours: every state is reached breadth-first, each time anew
// from the screen's opening, by the presses and waits the declaration names
// (a judged answer's keys as the screen's class names them). Nothing of a
// screen's stages is written out again here or by its callers.

#include "screendesign.h"

#include <QList>
#include <functional>

class Navigator;
class Screen;

// A press, or a wait on a timer, on the way to a state.
struct WalkStep {
    QString element; // the element pressed, or the timer
    bool wait = false;
    double seconds = 0;
};

// Where the walk has the screen: its state, what its class holds beyond it,
// and the way there from the opening.
struct WalkPlace {
    int state = 0;
    QString progress;
    QList<WalkStep> path;
};

class StateWalk {
public:
    // How a wait ends: the walk's clock moves on by the seconds given.
    using MoveClock = std::function<void(double seconds)>;
    StateWalk(Navigator& navigator, MoveClock moveClock);

    // Called at each place first reached (a state, or a state with a progress
    // of its own); first tells whether the state itself is new. The screen is
    // open there.
    using Visit = std::function<void(Screen* screen, const WalkPlace& place, bool first)>;
    // Called for every way out tried: where it went, a state of the screen,
    // or the screen it left for (arrived -1). The end of the program is not
    // taken.
    using Tried = std::function<void(const WalkPlace& from, const Transition& way, int arrived,
                                     ScreenId screenAfter)>;
    // Walks the screen; returns the states it reached, by index.
    std::vector<bool> walk(ScreenId id, const Visit& visit, const Tried& tried = {});

    // Opens the screen and takes the path; false if a step could not be
    // taken (an element hidden, the screen left).
    bool replay(ScreenId id, const QList<WalkStep>& path);
    // The step that takes the way out from where the open screen is; empty
    // element when no press can take it now.
    WalkStep stepFor(const Transition& way) const;

    // Never more places than this per screen: a game whose progress never
    // repeats still ends.
    static constexpr int kMaxPlaces = 400;

private:
    bool take(const WalkStep& step);

    Navigator& m_navigator;
    MoveClock m_moveClock;
};

// The presses that lead from the opening to the state by the declaration's
// own elements alone (no answer keys, no waits), fewest first; empty for the
// opening or a state they cannot reach.
QStringList pressesTo(const ScreenDesign& design, int state);

// Clicks the element at its centre, as a learner does, and lets the program
// react; false when the open screen has no such shown element.
bool clickElement(Screen* screen, const QString& name);
// Delivers what is queued and deletes what was closed.
void flushEvents();
