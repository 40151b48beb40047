#include "syntheticbold.h"

// FreeType's emboldening keeps every advance: nothing to undo, and nothing to
// measure while the first screen is built.
void keepRegularAdvances(QFont&) {}
