#include "drillquestions.h"

#include "basefolder.h"
#include "contentfile.h"
#include "drillcrystal.h"
#include "textloader.h"

#include <QFileInfo>
#include <QHash>
#include <numeric>

namespace {

const QString kPictureFolder = QStringLiteral("\\画像\\");

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x3000);
}

QString trimmedBlanks(QStringView s) {
    qsizetype from = 0, to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from).toString();
}

// Full-width digits count as the digits a Japanese input method types.
QChar narrowDigit(QChar c) {
    if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
        return QChar(u'0' + (c.unicode() - 0xFF10));
    return c;
}

// 1 to 9, or 0 when the text is anything else.
int answerDigit(const QString& text) {
    if (text.size() != 1)
        return 0;
    const QChar c = narrowDigit(text[0]);
    return c >= QLatin1Char('1') && c <= QLatin1Char('9') ? c.unicode() - u'0' : 0;
}

// "追加\zns.gif" or "追加/zns.gif" as a path below BaseFolder; empty when it
// leaves the picture folder.
QString picturePath(const QString& name) {
    QString path = name;
    path.replace(QChar(0xFF0F), QLatin1Char('/')).replace(QChar(0xFF3C), QLatin1Char('/'));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char(':')))
            return {};
    return kPictureFolder + parts.join(QLatin1Char('\\'));
}

QuestionFault problem(int line, const QString& message) {
    return {QuestionFault::Kind::Problem, line, message};
}

} // namespace

QList<DrillQuestion> shippedQuestions() {
    QList<DrillQuestion> list;
    for (const drill::ShippedQuestion& q : drill::kShippedQuestions)
        list.append({kPictureFolder + QString::fromUtf8(q.picture), qint16(q.answer.a),
                     qint16(q.answer.b)});
    return list;
}

bool QuestionList::hasProblem() const {
    for (const QuestionFault& f : faults)
        if (f.kind == QuestionFault::Kind::Problem)
            return true;
    return false;
}

QString QuestionList::problemText() const {
    QStringList lines;
    for (const QuestionFault& f : faults)
        if (f.kind == QuestionFault::Kind::Problem)
            lines << (f.line > 0 ? QStringLiteral("%1 行目: %2").arg(f.line).arg(f.message)
                                 : f.message);
    return lines.join(QLatin1Char('\n'));
}

QString questionPictureName(const QString& relative) {
    QString name =
        relative.startsWith(kPictureFolder) ? relative.mid(kPictureFolder.size()) : relative;
    return name.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QuestionList parseQuestions(QByteArrayView bytes, const PictureProblem& pictureProblem) {
    QuestionList out;
    QHash<QString, int> lineOfPicture;
    bool tooMany = false;
    const QStringList lines = DecodeLines(bytes);
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = trimmedBlanks(lines[i]);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QChar(0xFF03)))
            continue;
        if (line.contains(QChar::ReplacementCharacter)) {
            out.faults << problem(lineNo,
                                  QStringLiteral("読めない文字があります（文字化けします）。"
                                                 "文字コードを確かめてください。"));
            continue;
        }
        // The answer is what follows the last blank before the last colon.
        const qsizetype colon =
            std::max(line.lastIndexOf(QLatin1Char(':')), line.lastIndexOf(QChar(0xFF1A)));
        if (colon < 0) {
            out.faults << problem(lineNo, QStringLiteral("答えがありません。「mondai1.gif 1：1」の"
                                                         "ように、絵のファイル名のあとに答えを"
                                                         "書いてください。"));
            continue;
        }
        const QString left = trimmedBlanks(QStringView(line).left(colon));
        const QString textB = trimmedBlanks(QStringView(line).mid(colon + 1));
        qsizetype blank = left.size();
        while (blank > 0 && !isBlank(left[blank - 1]))
            --blank;
        const QString textA = left.mid(blank);
        const QString name = trimmedBlanks(QStringView(left).left(blank));
        if (name.isEmpty()) {
            out.faults << problem(lineNo, QStringLiteral("絵のファイル名と答えの間に空白を入れて"
                                                         "ください（「mondai1.gif 1：1」）。"));
            continue;
        }
        bool bad = false;
        const int a = answerDigit(textA), b = answerDigit(textB);
        for (const auto& [digit, text, side] :
             {std::tuple{a, textA, QStringLiteral("A")}, std::tuple{b, textB, QStringLiteral("B")}})
            if (digit == 0) {
                out.faults << problem(lineNo, QStringLiteral("答えの %1 が「%2」です。1 から 9 "
                                                             "までの一けたの数字にしてください。")
                                                  .arg(side, text));
                bad = true;
            }
        const QString relative = picturePath(name);
        if (relative.isEmpty()) {
            out.faults << problem(lineNo, QStringLiteral("絵「%1」は画像フォルダーの中のファイル"
                                                         "にしてください。")
                                              .arg(name));
            continue;
        }
        if (bad)
            continue;
        const QString key = relative.toLower();
        if (lineOfPicture.contains(key)) {
            out.faults << problem(lineNo, QStringLiteral("絵「%1」は %2 行目でも使われています。"
                                                         "同じ絵は一度だけ使えます。")
                                              .arg(name)
                                              .arg(lineOfPicture.value(key)));
            continue;
        }
        lineOfPicture.insert(key, lineNo);
        const QString why = pictureProblem(relative);
        if (!why.isEmpty()) {
            out.faults << problem(lineNo, QStringLiteral("絵「%1」: %2").arg(name, why));
            continue;
        }
        if (out.questions.size() >= kMaxQuestions) {
            // Once, at the first question too many; the lines after it are still checked.
            if (!tooMany)
                out.faults << problem(lineNo, QStringLiteral("問題は %1 問までです。この行は "
                                                             "%2 問目です。")
                                                  .arg(kMaxQuestions)
                                                  .arg(kMaxQuestions + 1));
            tooMany = true;
            continue;
        }
        const int g = std::gcd(a, b);
        if (g > 1)
            out.faults << QuestionFault{QuestionFault::Kind::Note, lineNo,
                                        QStringLiteral("答え %1：%2 は約分できます（%3：%4）。"
                                                       "ドリルの説明は、いちばん小さい整数で答え"
                                                       "るように言っています。")
                                            .arg(a)
                                            .arg(b)
                                            .arg(a / g)
                                            .arg(b / g)};
        out.questions.append({relative, qint16(a), qint16(b)});
    }
    if (out.questions.isEmpty() && !out.hasProblem())
        out.faults << problem(0, QStringLiteral("問題が一つも書かれていません。"));
    return out;
}

QString missingPicture(const QString& baseFolder, const QString& relative) {
    const QFileInfo info(ContentPath(baseFolder, relative));
    if (!info.exists())
        return contentProblemText(ContentProblem::NotFound);
    if (info.isDir())
        return contentProblemText(ContentProblem::IsFolder);
    return {};
}

QString readDrillQuestions(const QString& baseFolder, QList<DrillQuestion>* questions) {
    const QString path = ContentPath(baseFolder, kQuestionsFile);
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        *questions = shippedQuestions();
        return {};
    }
    QByteArray bytes;
    const QString reason = ReadContentFile(path, &bytes);
    if (!reason.isEmpty())
        return reason;
    const QuestionList list = parseQuestions(bytes, [&baseFolder](const QString& relative) {
        return missingPicture(baseFolder, relative);
    });
    if (list.hasProblem())
        return list.problemText();
    *questions = list.questions;
    return {};
}
