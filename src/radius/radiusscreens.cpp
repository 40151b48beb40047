#include "radiusscreens.h"

#include "navigator.h"
#include "radiusintroscreen.h"
#include "radiusstagescreen.h"

void registerRadiusScreens(Navigator& navigator) {
    navigator.registerScreen(ScreenId::RadiusIntro, [] { return new RadiusIntroScreen; });
    for (ScreenId id : {ScreenId::FccRadius, ScreenId::BccRadius})
        navigator.registerScreen(id, [id] { return new RadiusStageScreen(id); });
}
