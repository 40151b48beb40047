#pragma once

#include <Qt>

// How a screen's window is framed on this platform, one file each:
// screenwindow_desktop.cpp (a fixed window with caption and close box) and
// screenwindow_browser.cpp (no frame: the page is the window, and the tab
// shows the caption).
Qt::WindowFlags screenWindowFlags();
