#pragma once

#include <QList>
#include <QString>

struct PanelDesign;

// One thing wrong with the content, or worth knowing about it.
struct Finding {
    enum class Kind {
        Problem, // the program would end, show mojibake or a mark, or cut a line off
        Note,    // works, but a learner must scroll to read it all
    };
    Kind kind;
    QString file;    // below the content folder, "\" separators: "\説明\メニュー\msg1.txt"
    int line = 0;    // 1-based; 0 when it concerns the whole file
    QString message; // Japanese, without the file's name
};

// Reads every file the program reads below a folder (the forty-two texts, the
// drill's questions file when there is one, its pictures and three sounds)
// and says what is wrong with them.
// It only reads. Needs a QApplication: lines are measured in the panels' own
// font and width.
class ContentChecker {
public:
    explicit ContentChecker(const QString& folder);

    QList<Finding> check() const;

    int textCount() const;
    int pictureCount() const;
    int soundCount() const;

    // One line of the report for a finding: the file (as a path below the
    // folder, with this platform's separators) and what is wrong, in Japanese.
    static QString reportLine(const Finding& finding);
    // The closing line: what was checked and how many findings there are.
    QString summaryLine(const QList<Finding>& findings) const;
    // 1 when any finding is a problem, else 0.
    static int exitStatus(const QList<Finding>& findings);

private:
    QString fullPath(const QString& relative) const;
    void checkText(const PanelDesign& design, QList<Finding>* out) const;
    void checkPicture(const QString& relative, QList<Finding>* out) const;
    void checkSound(const QString& relative, QList<Finding>* out) const;
    // The drill's question pictures: those of the questions file, or the
    // shipped five without one. Its faults go to *out when it is given.
    QStringList questionPictures(QList<Finding>* out, int* questionCount) const;
    void checkQuestionCount(int questions, QList<Finding>* out) const;

    QString m_folder;
};
