#include "platformtuning.h"

#include "fonts.h"
#include "navigator.h"
#include "screen.h"

#include <QCoreApplication>

#include <emscripten.h>

namespace {

EM_JS_DEPS(mirosutaScreen, "$UTF8ToString");

// The page names its tab after the open screen, as a desktop window shows its
// caption, and knows when the first screen is drawn.
EM_JS(void, mirosutaScreenShown, (const char* formName, const char* caption), {
    if (globalThis.mirosutaPage)
        globalThis.mirosutaPage.screenShown(UTF8ToString(formName), UTF8ToString(caption));
});

} // namespace

void tunePlatform() {
    // A page has no fonts of its own: the Mincho face comes first, for the
    // tests as for the program.
    prepareFonts();
}

void followScreens(Navigator& navigator) {
    QObject::connect(&navigator, &Navigator::screenShown, QCoreApplication::instance(),
                     [](Screen* s) {
                         mirosutaScreenShown(s->objectName().toUtf8().constData(),
                                             s->windowTitle().toUtf8().constData());
                     });
}
