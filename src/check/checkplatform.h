#pragma once

// What the checker needs of the platform, one file per platform
// (checkplatform_windows.cpp, checkplatform_other.cpp). Made first in main,
// before the QApplication, and gone last: a windowing platform that works
// without a display, and a console that shows Japanese and is left as it was
// found.
class CheckerConsole {
public:
    CheckerConsole();
    // On Windows: when the checker has its console to itself (a double click
    // in Explorer, whose window would close at once), waits for Enter; then
    // gives the console back its own output code page.
    ~CheckerConsole();

    CheckerConsole(const CheckerConsole&) = delete;
    CheckerConsole& operator=(const CheckerConsole&) = delete;

private:
    unsigned m_savedCodePage = 0;
};
