#include "fullscreen.h"

// The page draws the design at the largest scale that fits the tab, and the
// browser's own F11 makes the tab fill the screen: the program hosts nothing.
FullScreen::FullScreen(Navigator& navigator) : m_navigator(navigator) {}

FullScreen::~FullScreen() = default;

void FullScreen::enter() {}

void FullScreen::leave() {}

void FullScreen::toggle() {}

bool FullScreen::host(Screen*) {
    return false;
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    return QObject::eventFilter(watched, event);
}

void FullScreen::place(Screen*) {}
