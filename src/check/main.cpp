// mirosuta-check [FOLDER]: reads every file the program reads below FOLDER
// (by default where the program reads: the school's content folder that the
// installation names, else the folder of this executable) and
// prints one line per problem, then a summary. Exit status 1 when something
// is wrong. It never writes.

#include "basefolder.h"
#include "checkplatform.h"
#include "contentchecker.h"
#include "programlook.h"
#include "schoolfolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv) {
    const CheckerConsole console;
    QApplication app(argc, argv);
    // Lines are measured in the panels as the program draws them.
    applyProgramLook();
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() > 1 || (!args.isEmpty() && args.first().startsWith(QLatin1Char('-')))) {
        QTextStream(stderr)
            << "使い方: mirosuta-check [フォルダー]\n"
               "フォルダーを省くと、プログラムが読むフォルダー（インストールで教材フォルダーを\n"
               "指定したときはそのフォルダー、ほかはこのプログラムのあるフォルダー）を調べます。\n";
        return 2;
    }
    const QString folder =
        args.isEmpty()
            ? ContentBaseFolder(QCoreApplication::applicationDirPath(), SchoolContentFolder())
            : RootFolderRule(QDir(args.first()).absolutePath());
    if (!QFileInfo(folder).isDir()) {
        out << QStringLiteral("フォルダーが見つかりません: %1\n")
                   .arg(QDir::toNativeSeparators(folder));
        return 1;
    }
    const ContentChecker checker(folder);
    const QList<Finding> findings = checker.check();
    for (const Finding& f : findings)
        out << ContentChecker::reportLine(f) << '\n';
    out << checker.summaryLine(findings) << '\n';
    out.flush();
    return ContentChecker::exitStatus(findings);
}
