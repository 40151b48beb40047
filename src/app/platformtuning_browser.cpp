#include "platformtuning.h"

#include "navigator.h"

#include <QApplication>

#include <emscripten.h>

namespace {

// The page names its tab after the open screen, as a desktop window shows its
// caption, and knows when the first screen is drawn.
EM_JS(void, mirosutaScreenShown, (const char* formName, const char* caption), {
    if (globalThis.mirosutaPage)
        globalThis.mirosutaPage.screenShown(UTF8ToString(formName), UTF8ToString(caption));
});

} // namespace

void tunePlatform() {
    // The screens were laid out and coloured in Qt's Fusion style.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QObject::connect(&Navigator::instance(), &Navigator::screenShown, qApp, [](Screen* s) {
        mirosutaScreenShown(s->objectName().toUtf8().constData(),
                            s->windowTitle().toUtf8().constData());
    });
}
