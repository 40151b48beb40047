#include "latticescreens.h"

#include "latticeatomsscreen.h"
#include "latticecommon.h"
#include "latticeinteriorscreen.h"
#include "latticeintroscreen.h"
#include "latticeneighboursscreen.h"

void registerLatticeScreens(const AddScreen& add) {
    for (cell::Structure s : cell::kAllStructures) {
        add(lessonScreen(s, Lesson::Intro), [s] { return new LatticeIntroScreen(s); });
        add(lessonScreen(s, Lesson::Interior), [s] { return new LatticeInteriorScreen(s); });
        add(lessonScreen(s, Lesson::Atoms), [s] { return new LatticeAtomsScreen(s); });
        add(lessonScreen(s, Lesson::Neighbours), [s] { return new LatticeNeighboursScreen(s); });
    }
}
