#include "screenwindow.h"

Qt::WindowFlags screenWindowFlags() {
    // A framed window in a page gets a title bar that can be dragged off the
    // page; the design fills the page instead.
    return Qt::Window | Qt::FramelessWindowHint;
}
