#include "allscreens.h"

#include "drillscreens.h"
#include "latticescreens.h"
#include "navigator.h"
#include "radiusscreens.h"
#include "shellscreens.h"

void registerAllScreens() {
    Navigator& n = Navigator::instance();
    registerShellScreens(n);
    registerLatticeScreens(n);
    registerRadiusScreens(n);
    registerDrillScreens(n);
}
