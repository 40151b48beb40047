#include "picturepacks.h"

#include <QtGlobal>

// The pictures are compiled into this static library, whose resources are
// registered by hand, at start: whatever reads :/pictures/ finds them there.
static void registerPictureResources() {
    Q_INIT_RESOURCE(pictures);
}
Q_CONSTRUCTOR_FUNCTION(registerPictureResources)

void ensurePicturePacks() {}
