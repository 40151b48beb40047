#include "drillscreens.h"

#include "drillscreen.h"
#include "drillstartscreen.h"
#include "navigator.h"

void registerDrillScreens(Navigator& navigator) {
    navigator.registerScreen(ScreenId::DrillStart, [] { return new DrillStartScreen; });
    navigator.registerScreen(ScreenId::Drill, [] { return new DrillScreen; });
}
