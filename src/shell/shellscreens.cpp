#include "shellscreens.h"

#include "menuscreen.h"
#include "navigator.h"
#include "startscreen.h"
#include "summaryscreen.h"

void registerShellScreens(Navigator& navigator) {
    navigator.registerScreen(ScreenId::Start, [] { return new StartScreen; });
    navigator.registerScreen(ScreenId::Menu, [] { return new MenuScreen; });
    navigator.registerScreen(ScreenId::Summary, [] { return new SummaryScreen; });
}
