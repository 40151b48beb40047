#include "shellscreens.h"

#include "menuscreen.h"
#include "startscreen.h"
#include "summaryscreen.h"

void registerShellScreens(const AddScreen& add) {
    add(ScreenId::Start, [] { return new StartScreen; });
    add(ScreenId::Menu, [] { return new MenuScreen; });
    add(ScreenId::Summary, [] { return new SummaryScreen; });
}
