#include "allscreens.h"

#include "navigator.h"
#include "shellscreens.h"

void registerAllScreens() {
    Navigator& n = Navigator::instance();
    registerShellScreens(n);
    // lattice screens
    // radius screens
    // drill screens
}
