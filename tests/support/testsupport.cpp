#include "testsupport.h"

#include "allscreens.h"
#include "basefolder.h"
#include "drillfiles.h"
#include "textpanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringEncoder>

QStringList allTextFiles() {
    QStringList files{"\\説明\\メニュー\\msg1.txt", "\\説明\\メニュー\\msg2.txt",
                      "\\説明\\まとめ\\msg1.txt"};
    for (const char* folder : {"体心立方", "面心立方", "六方最密"})
        for (int i = 1; i <= 10; ++i)
            files << QStringLiteral("\\説明\\%1\\msg%2.txt").arg(QString::fromUtf8(folder)).arg(i);
    for (int i = 1; i <= 6; ++i)
        files << QStringLiteral("\\説明\\原子半径\\msg%1.txt").arg(i);
    for (int i = 1; i <= 3; ++i)
        files << QStringLiteral("\\説明\\ドリル\\msg%1.txt").arg(i);
    return files;
}

void addScreenRows() {
    QTest::addColumn<ScreenId>("id");
    for (const ScreenInfo& i : allScreens())
        QTest::newRow(qPrintable(i.formName)) << i.id;
}

QByteArray encodeCp932(const QStringList& lines) {
    QStringEncoder enc("Shift_JIS");
    QByteArray out;
    for (const QString& l : lines) {
        out += QByteArray(enc.encode(l));
        out += "\r\n";
    }
    return out;
}

QStringList allMediaFiles() {
    QStringList files;
    for (const char* picture : kQuestionPictureFiles)
        files << QStringLiteral("\\画像\\") + QString::fromUtf8(picture);
    return files + QStringList{kRightMarkPicture, kWrongMarkPicture} + drillSoundFiles();
}

ContentFolder::ContentFolder() {
    for (const QString& f : allTextFiles())
        writeLines(f, {f});
    // The drill's pictures and sounds as the build made them (before the tests).
    for (const QString& f : allMediaFiles())
        if (!copyShipped(f))
            qFatal("the build has not made %s", qPrintable(f));
}

QString ContentFolder::full(const QString& relative) const {
    QString rel = relative;
    rel.replace('\\', '/');
    // As the program names it: with the platform's separators.
    return QDir::toNativeSeparators(m_dir.path() + rel);
}

void ContentFolder::writeBytes(const QString& relative, const QByteArray& bytes) {
    const QString path = full(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

void ContentFolder::writeLines(const QString& relative, const QStringList& lines) {
    writeBytes(relative, encodeCp932(lines));
}

void ContentFolder::remove(const QString& relative) {
    QFile::remove(full(relative));
}

bool ContentFolder::copyShipped(const QString& relative) {
    // Read once and written as bytes: QFile::copy syncs each copy to disk,
    // which costs more than the rest of a test on a busy machine.
    static QHash<QString, QByteArray> shipped;
    auto it = shipped.find(relative);
    if (it == shipped.end()) {
        QString rel = relative;
        rel.replace('\\', '/');
        QFile src(QStringLiteral(MIROSUTA_OUTPUT_DIR) + rel);
        if (!src.open(QIODevice::ReadOnly))
            return false;
        it = shipped.insert(relative, src.readAll());
    }
    writeBytes(relative, *it);
    return true;
}

Harness::Harness() {
    Services::setErrorReport(&errors);
    Services::setProgramExit(&exits);
    Services::setClock(&clock);
    Services::setRandom(&random);
    Services::setSound(&sound);
    flushDeletes();
    newRun();
    SetBaseFolder(content.base());
}

Harness::~Harness() {
    m_navigator.reset();
    flushDeletes();
    Services::setErrorReport(nullptr);
    Services::setProgramExit(nullptr);
    Services::setClock(nullptr);
    Services::setRandom(nullptr);
    Services::setSound(nullptr);
}

void Harness::newRun() {
    m_navigator.reset();
    flushDeletes();
    m_navigator = std::make_unique<Navigator>();
    registerAllScreens(*m_navigator);
}

Screen* Harness::open(ScreenId id) {
    m_navigator->switchScreen(id);
    flushDeletes();
    return current();
}

Screen* Harness::current() const {
    return m_navigator->current();
}

QString Harness::currentName() const {
    return current() ? current()->objectName() : QString();
}

void Harness::click(ControlName name) {
    Screen* s = current();
    QWidget* w = s ? s->findChild<QWidget*>(name) : nullptr;
    if (!w) {
        QTest::qFail(qPrintable("no element " + name.text()), __FILE__, __LINE__);
        return;
    }
    if (!w->isVisibleTo(s)) {
        // A learner cannot click what is hidden; a test that tries is wrong.
        QTest::qFail(qPrintable("hidden element " + name.text()), __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    flushDeletes();
}

bool Harness::shown(ControlName name) const {
    QWidget* w = element<QWidget>(name);
    return w && !w->isHidden();
}

QStringList Harness::panelLines(ControlName name) const {
    auto* p = element<TextPanel>(name);
    return p ? p->lines() : QStringList();
}

void Harness::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
