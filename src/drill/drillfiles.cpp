#include "drillfiles.h"

QStringList drillSoundFiles() {
    return {kRightSound, kWrongSound, kPassSound};
}
