// Any bytes as the drill's questions file: read into questions and faults as
// the drill and the checker read it.

#include "drillquestions.h"
#include "fuzzsupport.h"

#include <QSet>
#include <cstddef>
#include <cstdint>

namespace {

// A picture "exists" unless its name holds an x, so that both answers of the
// picture check are reached without a folder.
QString pictureProblem(const QString& relative) {
    return relative.contains(QLatin1Char('x')) ? QStringLiteral("ありません") : QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ensureApplication();
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QuestionList list = parseQuestions(bytes, pictureProblem);

    // What the rules promise, whatever the bytes: at most the limit of
    // questions, answers of one digit 1 to 9, each picture below 画像 once,
    // with no way out of the folder and none the picture check refused.
    FUZZ_CHECK(list.questions.size() <= kMaxQuestions);
    QSet<QString> pictures;
    for (const DrillQuestion& q : list.questions) {
        FUZZ_CHECK(q.rightA >= 1 && q.rightA <= 9 && q.rightB >= 1 && q.rightB <= 9);
        FUZZ_CHECK(q.picture.startsWith(QStringLiteral("\\画像\\")));
        FUZZ_CHECK(!q.picture.contains(QStringLiteral("\\..\\")) && !q.picture.endsWith("\\.."));
        FUZZ_CHECK(!q.picture.contains(QLatin1Char('/')) && !q.picture.contains(QLatin1Char(':')));
        FUZZ_CHECK(pictureProblem(q.picture).isEmpty());
        FUZZ_CHECK(!pictures.contains(q.picture.toLower()));
        pictures.insert(q.picture.toLower());
    }
    // Faults come in the order of the lines, each with a message; a file the
    // drill cannot start with says so, and one it can start with asks something.
    int lastLine = 0;
    for (const QuestionFault& f : list.faults) {
        FUZZ_CHECK(!f.message.isEmpty());
        FUZZ_CHECK(f.line == 0 || f.line >= lastLine);
        lastLine = std::max(lastLine, f.line);
    }
    FUZZ_CHECK(list.hasProblem() == !list.problemText().isEmpty());
    FUZZ_CHECK(list.hasProblem() || !list.questions.isEmpty());
    return 0;
}
