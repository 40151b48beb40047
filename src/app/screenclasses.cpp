#include "screenclasses.h"

#include "densityquestionscreen.h"
#include "drillscreen.h"
#include "navigator.h"

void registerScreenClasses(Navigator& navigator) {
    navigator.registerClass(ScreenId::Drill, [](const ScreenDesign& d, const ScreenContext& c) {
        return new DrillScreen(d, c);
    });
    navigator.registerClass(ScreenId::DensityQuiz,
                            [](const ScreenDesign& d, const ScreenContext& c) {
                                return new DensityQuestionScreen(d, c);
                            });
}
