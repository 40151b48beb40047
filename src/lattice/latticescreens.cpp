#include "latticescreens.h"

#include "latticeatomsscreen.h"
#include "latticecommon.h"
#include "latticeinteriorscreen.h"
#include "latticeintroscreen.h"
#include "latticeneighboursscreen.h"
#include "navigator.h"

void registerLatticeScreens(Navigator& navigator) {
    for (cell::Structure s : cell::kAllStructures) {
        navigator.registerScreen(lessonScreen(s, Lesson::Intro),
                                 [s] { return new LatticeIntroScreen(s); });
        navigator.registerScreen(lessonScreen(s, Lesson::Interior),
                                 [s] { return new LatticeInteriorScreen(s); });
        navigator.registerScreen(lessonScreen(s, Lesson::Atoms),
                                 [s] { return new LatticeAtomsScreen(s); });
        navigator.registerScreen(lessonScreen(s, Lesson::Neighbours),
                                 [s] { return new LatticeNeighboursScreen(s); });
    }
}
