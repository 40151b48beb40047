#pragma once

// Shared by the fuzz targets: one offscreen application for the whole run, and
// a check that stops the run loudly so that both libFuzzer and the corpus
// replay report a broken promise as a crash.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the run ends by exit(), and tearing Qt down there only
    // adds noise to the reports.
    new QApplication(argc, argv);
}

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            fuzz::fail(#cond, __FILE__, __LINE__);                                                 \
    } while (false)
