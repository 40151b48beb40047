// The yardstick for the program's start-up and memory: a Qt Widgets program
// that shows one empty 768 x 480 window, prints its peak and resident memory
// (KiB) once the window is shown, and ends.
#include "processmemory.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setFixedSize(768, 480);
    w.show();
    settleEvents();
    std::printf("%ld %ld\n", peakKiB(), currentKiB());
    return 0;
}
