#include "testsupport.h"

#include "drillfiles.h"
#include "screenclasses.h"
#include "screendesign.h"
#include "textpanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringEncoder>

QStringList allTextFiles() {
    QStringList files;
    for (const PanelDesign& d : allPanelDesigns())
        if (!files.contains(d.file))
            files << d.file;
    return files;
}

void addScreenRows() {
    QTest::addColumn<ScreenId>("id");
    for (int i = 0; i < kScreenCount; ++i)
        QTest::newRow(qPrintable(screenDesign(ScreenId(i)).formName)) << ScreenId(i);
}

QStringList texts(const ControlNames& names) {
    QStringList out;
    for (const ControlName& n : names)
        out << n.text();
    return out;
}

int tabsTo(const ScreenDesign& d, const ControlName& name, int state, const QString& from) {
    QStringList stops;
    for (const QString& e : d.tabOrder)
        if (d.shownIn(state, e))
            stops << e;
    const qsizetype start = stops.indexOf(from.isEmpty() ? d.firstFocus : from),
                    to = stops.indexOf(name.text());
    return int((to - start + stops.size()) % stops.size());
}

QStringList panelLinesOf(QWidget* panel) {
    auto* p = qobject_cast<TextPanel*>(panel);
    return p ? p->lines() : QStringList();
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
    flushDeletes();
    newRun();
}

Harness::~Harness() {
    m_navigator.reset();
    flushDeletes();
}

void Harness::newRun() {
    m_navigator.reset();
    flushDeletes();
    m_navigator = std::make_unique<Navigator>(ScreenContext{content.base(), services()});
    registerScreenClasses(*m_navigator);
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

QWidget* Harness::named(const QString& name) const {
    return current() ? current()->element(name) : nullptr;
}

void Harness::clickNamed(const QString& name) {
    Screen* s = current();
    QWidget* w = named(name);
    if (!w) {
        QTest::qFail(qPrintable("no element " + name), __FILE__, __LINE__);
        return;
    }
    if (!w->isVisibleTo(s)) {
        // A learner cannot click what is hidden; a test that tries is wrong.
        QTest::qFail(qPrintable("hidden element " + name), __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    flushDeletes();
}

void Harness::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
