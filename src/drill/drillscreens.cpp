#include "drillscreens.h"

#include "drillscreen.h"
#include "drillstartscreen.h"

void registerDrillScreens(const AddScreen& add) {
    add(ScreenId::DrillStart, [] { return new DrillStartScreen; });
    add(ScreenId::Drill, [] { return new DrillScreen; });
}
