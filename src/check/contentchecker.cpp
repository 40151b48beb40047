#include "contentchecker.h"

#include "contentfile.h"
#include "contentpicture.h"
#include "drillfiles.h"
#include "drillquestions.h"
#include "linemarkup.h"
#include "screendesign.h"
#include "textloader.h"
#include "textpanel.h"
#include "wavformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QWidget>
#include <algorithm>

namespace {

QString encodingName(TextEncoding e) {
    switch (e) {
    case TextEncoding::Cp932:
        return QStringLiteral("CP932 (Shift_JIS)");
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16");
    case TextEncoding::Utf32:
        return QStringLiteral("UTF-32");
    }
    Q_UNREACHABLE();
}

// For text read as CP932 with bytes it cannot read: the encoding a teacher's
// file might really be in, which the program does not read. CP932 kana and
// kanji have lead bytes that EUC-JP never uses, so text that reads as EUC-JP
// is almost surely written in it; but half-width katakana in CP932 (ｶﾀｶﾅ is
// B6 C0 B6 C5) can read as EUC-JP too, so only a failed CP932 reading counts.
QString likelyOtherEncoding(QByteArrayView bytes) {
    QStringDecoder euc("EUC-JP", QStringDecoder::Flag::Stateless);
    if (!euc.isValid())
        return {};
    // ICU marks what it cannot read with SUB or U+FFFD rather than an
    // error, and passes stray bytes 0x80 to 0x9F through as controls.
    const QString text = euc.decode(bytes);
    const bool readable = std::none_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u == 0xFFFD || (u < 0x20 && u != '\t' && u != '\r' && u != '\n') ||
               (u >= 0x7F && u < 0xA0);
    });
    if (!euc.hasError() && readable)
        return QStringLiteral("EUC-JP");
    return {};
}

Finding problem(const QString& file, const QString& message, int line = 0) {
    return {Finding::Kind::Problem, file, line, message};
}

// 1 to 99 in digits of either width or in kanji (五, 十二, 二十); 0 otherwise.
int questionNumber(const QString& text) {
    bool digits = true;
    int value = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19
                               ? char16_t(u'0' + (c.unicode() - 0xFF10))
                               : c.unicode();
        if (u < u'0' || u > u'9') {
            digits = false;
            break;
        }
        value = value * 10 + (u - u'0');
    }
    if (digits)
        return value < 100 ? value : 0;
    static const QString kanji = QStringLiteral("一二三四五六七八九");
    const qsizetype ten = text.indexOf(QStringLiteral("十"));
    auto digit = [&](QStringView d) { return d.size() == 1 ? int(kanji.indexOf(d[0])) + 1 : 0; };
    if (ten < 0)
        return digit(text);
    const int tens = ten == 0 ? 1 : digit(QStringView(text).left(ten));
    const int ones = ten + 1 == text.size() ? 0 : digit(QStringView(text).mid(ten + 1));
    return tens == 0 || (ten + 1 < text.size() && ones == 0) ? 0 : tens * 10 + ones;
}

} // namespace

ContentChecker::ContentChecker(const QString& folder) : m_folder(folder) {}

int ContentChecker::textCount() const {
    return int(allPanelDesigns().size());
}
int ContentChecker::pictureCount() const {
    int questions = 0;
    // The marks are always read.
    return int(questionPictures(nullptr, &questions).size()) + 2;
}
int ContentChecker::soundCount() const {
    return int(drillSoundFiles().size());
}

QString ContentChecker::fullPath(const QString& relative) const {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(m_folder + rel);
}

QList<Finding> ContentChecker::check() const {
    QList<Finding> out;
    for (const PanelDesign& d : allPanelDesigns())
        checkText(d, &out);
    int questions = 0;
    for (const QString& f : questionPictures(&out, &questions))
        checkPicture(f, &out);
    for (const QString& f : {kRightMarkPicture, kWrongMarkPicture})
        checkPicture(f, &out);
    checkQuestionCount(questions, &out);
    for (const QString& f : drillSoundFiles())
        checkSound(f, &out);
    return out;
}

void ContentChecker::checkText(const PanelDesign& design, QList<Finding>* out) const {
    const QString path = fullPath(design.file);
    QByteArray bytes;
    QString why = ReadContentFile(path, &bytes);
    TextEncoding encoding;
    QStringList lines;
    if (why.isEmpty())
        why = DecodeContentText(bytes, &lines, &encoding);
    if (!why.isEmpty()) {
        out->append(problem(design.file, why));
        return;
    }

    const auto unreadable = [](const QString& line) {
        return line.contains(QChar::ReplacementCharacter);
    };
    qsizetype mark = 0;
    DetectTextEncoding(bytes, &mark);
    QString other;
    if ((encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) && mark == 0)
        // The program recognises it, but only by guessing from the characters.
        other = QStringLiteral("BOM のない UTF-16");
    else if (encoding == TextEncoding::Cp932 && std::any_of(lines.begin(), lines.end(), unreadable))
        other = likelyOtherEncoding(bytes);
    if (!other.isEmpty()) {
        out->append(problem(
            design.file, QStringLiteral("%1 で保存されているようです。このプログラムが確実に読める"
                                        "のは CP932 (Shift_JIS)、UTF-8、BOM 付きの UTF-16 です。")
                             .arg(other)));
        return;
    }
    for (int i = 0; i < lines.size(); ++i)
        if (unreadable(lines[i]))
            out->append(
                problem(design.file,
                        QStringLiteral("%1 として読めない文字があります（文字化けします）。")
                            .arg(encodingName(encoding)),
                        i + 1));

    for (int i = 0; i < lines.size(); ++i) {
        const LineMarkup markup = LineMarkup::parse(lines[i]);
        if (!markup.fault().isEmpty())
            out->append(problem(
                design.file,
                QStringLiteral("%1 文字目の%2").arg(markup.faultColumn()).arg(markup.fault()),
                i + 1));
    }

    // The panel as its screen builds it, with the lines in it: the same font,
    // frame, margins and scroll bar the learner sees, and the rows' markup.
    QWidget holder;
    TextPanel* panel = buildPanel(design, &holder);
    panel->setLines(lines);
    const QString where =
        QStringLiteral("「%1」の %2").arg(screenDesign(design.screen).formName, design.name);
    for (int i = 0; i < lines.size(); ++i) {
        const int cut = panel->cutOffPixels(lines[i]);
        if (cut > 0)
            out->append(
                problem(design.file,
                        QStringLiteral("右端で %1 ピクセル切れて見えなくなります（この行の幅は %2 "
                                       "ピクセル、%3 に入るのは %4 ピクセルまで）。")
                            .arg(cut)
                            .arg(panel->textRoom() + cut)
                            .arg(where)
                            .arg(panel->textRoom()),
                        i + 1));
    }
    const int rows = panel->rowsInView();
    if (lines.size() > rows)
        out->append({Finding::Kind::Note, design.file, 0,
                     QStringLiteral("%1 行あり、%2 にスクロールせずに見えるのは %3 行までです"
                                    "（残りはスクロールして読みます）。")
                         .arg(lines.size())
                         .arg(where)
                         .arg(rows)});
}

void ContentChecker::checkPicture(const QString& relative, QList<Finding>* out) const {
    QPixmap pixmap;
    const QString why = loadContentPicture(fullPath(relative), &pixmap);
    if (!why.isEmpty())
        out->append(problem(relative, why));
}

QStringList ContentChecker::questionPictures(QList<Finding>* out, int* questionCount) const {
    QList<DrillQuestion> questions;
    const QString path = fullPath(kQuestionsFile);
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        questions = shippedQuestions();
        *questionCount = int(questions.size());
    } else {
        // Not a plain file (a FIFO, a device) is refused by the reader itself.
        QByteArray bytes;
        const QString why = ReadContentFile(path, &bytes);
        if (!why.isEmpty()) {
            if (out)
                out->append(problem(kQuestionsFile, why));
            *questionCount = 0;
            return {};
        }
        // Whether a listed picture loads is the picture's own finding, below.
        const QuestionList list = parseQuestions(bytes, [this](const QString& relative) {
            const QFileInfo info(fullPath(relative));
            if (!info.exists())
                return contentProblemText(ContentProblem::NotFound);
            if (info.isDir())
                return contentProblemText(ContentProblem::IsFolder);
            return QString();
        });
        if (out)
            for (const QuestionFault& f : list.faults)
                out->append({f.kind == QuestionFault::Kind::Problem ? Finding::Kind::Problem
                                                                    : Finding::Kind::Note,
                             kQuestionsFile, f.line, f.message});
        // The pictures of the good lines are checked all the same; the
        // number of questions is only known once every line is right.
        questions = list.questions;
        *questionCount = list.hasProblem() ? 0 : int(questions.size());
    }
    QStringList pictures;
    for (const DrillQuestion& q : questions)
        pictures << q.picture;
    return pictures;
}

void ContentChecker::checkQuestionCount(int questions, QList<Finding>* out) const {
    if (questions == 0)
        return;
    // 「5問」「５つの問題」「五問」; not 「第5問」「1問目」「1問ずつ」.
    static const QRegularExpression count(
        QStringLiteral("(?<!第)([0-9０-９]+|[一二三四五六七八九十]+)(?:つの問題|問(?!目|ずつ))"));
    for (const PanelDesign& d : allPanelDesigns()) {
        if (!d.file.startsWith(QStringLiteral("\\説明\\ドリル\\")))
            continue;
        // A text that cannot be read has its own finding already.
        QByteArray bytes;
        if (!ReadContentFile(fullPath(d.file), &bytes).isEmpty())
            continue;
        const QStringList lines = DecodeLines(bytes);
        for (int i = 0; i < lines.size(); ++i)
            for (const QRegularExpressionMatch& m : count.globalMatch(lines[i])) {
                const int n = questionNumber(m.captured(1));
                if (n > 0 && n != questions)
                    out->append({Finding::Kind::Note, d.file, i + 1,
                                 QStringLiteral("「%1」とありますが、ドリルの問題は %2 問です"
                                                "（%3）。")
                                     .arg(m.captured(0))
                                     .arg(questions)
                                     .arg(QFileInfo::exists(fullPath(kQuestionsFile))
                                              ? QStringLiteral("画像の問題.txt")
                                              : QStringLiteral("問題.txt がないときの 5 問"))});
            }
    }
}

void ContentChecker::checkSound(const QString& relative, QList<Finding>* out) const {
    QFile file;
    QString why = openContentFile(fullPath(relative), &file, kMaxSoundFileBytes);
    if (why.isEmpty()) {
        const QByteArray bytes = readContentBytes(&file, kMaxSoundFileBytes);
        why = file.error() == QFileDevice::NoError
                  ? wavProblem(bytes)
                  : contentProblemText(ContentProblem::CannotRead, file.errorString());
    }
    if (!why.isEmpty())
        out->append(problem(relative, why));
}

QString ContentChecker::reportLine(const Finding& f) {
    QString file = f.file.mid(1);
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    file = QDir::toNativeSeparators(file);
    const QString kind =
        f.kind == Finding::Kind::Problem ? QStringLiteral("問題") : QStringLiteral("注意");
    if (f.line > 0)
        return QStringLiteral("%1: %2 %3 行目: %4").arg(kind, file).arg(f.line).arg(f.message);
    return QStringLiteral("%1: %2: %3").arg(kind, file, f.message);
}

QString ContentChecker::summaryLine(const QList<Finding>& findings) const {
    qsizetype problems = 0;
    for (const Finding& f : findings)
        problems += f.kind == Finding::Kind::Problem ? 1 : 0;
    const qsizetype notes = findings.size() - problems;
    const QString checked = QStringLiteral("%1 の文章 %2 個、画像 %3 個、音 %4 個を調べました。")
                                .arg(QDir::toNativeSeparators(m_folder))
                                .arg(textCount())
                                .arg(pictureCount())
                                .arg(soundCount());
    if (findings.isEmpty())
        return checked + QStringLiteral("問題はありません。");
    return checked + QStringLiteral("問題 %1 件、注意 %2 件。").arg(problems).arg(notes);
}

int ContentChecker::exitStatus(const QList<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.kind == Finding::Kind::Problem)
            return 1;
    return 0;
}
