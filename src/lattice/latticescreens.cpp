#include "latticescreens.h"

#include "latticeatomsscreen.h"
#include "latticeinteriorscreen.h"
#include "latticeintroscreen.h"
#include "latticeneighboursscreen.h"
#include "navigator.h"

void registerLatticeScreens(Navigator& navigator) {
    for (cell::Structure s : cell::kAllStructures) {
        navigator.registerScreen(LatticeIntroScreen::screenOf(s),
                                 [s] { return new LatticeIntroScreen(s); });
        navigator.registerScreen(LatticeInteriorScreen::screenOf(s),
                                 [s] { return new LatticeInteriorScreen(s); });
        navigator.registerScreen(LatticeAtomsScreen::screenOf(s),
                                 [s] { return new LatticeAtomsScreen(s); });
        navigator.registerScreen(LatticeNeighboursScreen::screenOf(s),
                                 [s] { return new LatticeNeighboursScreen(s); });
    }
}
