#include "fonts.h"

#include <QFontDatabase>
#include <QThreadPool>

void prepareFonts() {
    // QFontDatabase is thread-safe: a caller on the GUI thread that needs the
    // families before the worker is done waits for it on the database's lock.
    // The global pool is waited for when the application ends.
    static bool started = false;
    if (started)
        return;
    started = true;
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
}
