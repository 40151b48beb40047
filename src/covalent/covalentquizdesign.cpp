#include "covalentdesign.h"

// The lesson's question: diamond's density, judged as 密度問題 judges the
// metal's (densityquestionscreen.h), with the lesson's texts 12-15.
ScreenDesign design(ScreenTag<ScreenId::CovalentQuiz> tag) {
    return densityQuestionDesign(tag, substanceQuestion(cell::substance(covalent::kQuizSubstance),
                                                        QStringLiteral("共有結合の問題"),
                                                        QStringLiteral("共有結合の問題"),
                                                        covalent::kFolder, 12));
}
