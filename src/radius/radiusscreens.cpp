#include "radiusscreens.h"

#include "radiusintroscreen.h"
#include "radiusstagescreen.h"

void registerRadiusScreens(const AddScreen& add) {
    add(ScreenId::RadiusIntro, [] { return new RadiusIntroScreen; });
    for (ScreenId id : {ScreenId::FccRadius, ScreenId::BccRadius})
        add(id, [id] { return new RadiusStageScreen(id); });
}
