#include "allscreens.h"

#include "drillscreens.h"
#include "latticescreens.h"
#include "navigator.h"
#include "radiusscreens.h"
#include "shellscreens.h"

void registerAllScreens(Navigator& navigator) {
    const AddScreen add = [&navigator](ScreenId id, ScreenFactory make) {
        navigator.registerScreen(id, std::move(make));
    };
    registerShellScreens(add);
    registerLatticeScreens(add);
    registerRadiusScreens(add);
    registerDrillScreens(add);
}
