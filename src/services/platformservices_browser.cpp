#include "platformservices.h"

#include "services.h"

#include <emscripten.h>

namespace {

EM_JS_DEPS(mirosutaReport, "$UTF8ToString");

// The page (index.html) draws both over the program's screen. Without the
// page, as in a test run, the report still reaches the console.
EM_JS(void, mirosutaShowReport, (const char* message), {
    const text = UTF8ToString(message);
    if (globalThis.mirosutaPage)
        globalThis.mirosutaPage.report(text);
    else
        console.error(text);
});

EM_JS(void, mirosutaShowEnd, (int status), {
    if (globalThis.mirosutaPage)
        globalThis.mirosutaPage.ended(status);
});

class PageReport final : public ErrorReport {
public:
    void report(const QString& message) override {
        mirosutaShowReport(message.toUtf8().constData());
    }
};

// The tab stays open: the page shows that the program has ended and offers a
// new start.
class PageExit final : public ProgramExit {
public:
    void exit(int status) override { mirosutaShowEnd(status); }
};

} // namespace

ErrorReport& platformErrorReport() {
    static PageReport e;
    return e;
}

ProgramExit& platformProgramExit() {
    static PageExit e;
    return e;
}
