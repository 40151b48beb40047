#pragma once

#include "drillmedianames.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>

// The drill's questions: which pictures it asks about and their right ratios.
// Teachers choose them in a questions file beside the pictures; without one
// the drill asks the five shipped questions.

struct DrillQuestion {
    QString picture; // below BaseFolder, "\" separators: "\画像\mondai1.gif"
    qint16 rightA = 0;
    qint16 rightB = 0;
    bool operator==(const DrillQuestion&) const = default;
};

inline const QString kQuestionsFile =
    QStringLiteral("\\画像\\") + QString::fromUtf8(kQuestionsFileName);
inline constexpr int kMaxQuestions = 20;

// The five questions asked when there is no questions file.
QList<DrillQuestion> shippedQuestions();

// Something wrong with a line of the questions file, or worth knowing.
struct QuestionFault {
    enum class Kind {
        Problem, // the drill cannot start with this file
        Note,    // works, but probably not what the teacher meant
    };
    Kind kind;
    int line = 0; // 1-based; 0 when it concerns the whole file
    QString message;
};

struct QuestionList {
    QList<DrillQuestion> questions;
    QList<QuestionFault> faults; // in the order of the lines
    bool hasProblem() const;
    // The problems, one per line, each with its line number.
    QString problemText() const;
};

// Says why the picture at a path below BaseFolder cannot be asked about;
// empty when it can.
using PictureProblem = std::function<QString(const QString& relative)>;

// Reads the questions from the bytes of a questions file, decoded as the
// texts are. One question per line: a picture below 画像, then the answer
// A：B, each a digit 1 to 9; full-width digits, colon and spaces count as
// their ASCII forms. Empty lines and lines starting with # or ＃ are skipped.
QuestionList parseQuestions(QByteArrayView bytes, const PictureProblem& pictureProblem);

// A picture below baseFolder is usable when it exists as a file; whether it
// loads is found when it is shown, as for every content picture.
QString missingPicture(const QString& baseFolder, const QString& relative);

// The questions the drill asks: the file's below baseFolder, or the shipped
// five when there is none. Returns why the file cannot be used (its problems,
// with line numbers), or an empty string.
QString readDrillQuestions(const QString& baseFolder, QList<DrillQuestion>* questions);

// The questions file's counterpart of a picture path, for messages:
// "\画像\追加\zns.gif" is "追加/zns.gif".
QString questionPictureName(const QString& relative);
