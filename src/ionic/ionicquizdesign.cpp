#include "ionicdesign.h"
#include "packingdesign.h"

// イオン結晶の問題: 密度問題's screen for NaCl, judged against its density
// from the cell model.
ScreenDesign design(ScreenTag<ScreenId::IonicQuiz> tag) {
    return densityQuestionDesign(tag, substanceQuestion(cell::substance(kIonicQuestionSubstance),
                                                        QStringLiteral("イオン結晶の問題"),
                                                        QStringLiteral("イオン結晶の問題"),
                                                        kIonicFolder, 17));
}
