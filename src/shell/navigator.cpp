#include "navigator.h"

#include "basefolder.h"
#include "label.h"
#include "navigationtable.h"
#include "screen.h"
#include "services.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>

Navigator& Navigator::instance() {
    static Navigator n;
    return n;
}

void Navigator::registerScreen(ScreenId id, Factory factory) {
    m_factories[std::size_t(id)] = std::move(factory);
}

bool Navigator::isRegistered(ScreenId id) const {
    return bool(m_factories[std::size_t(id)]);
}

void Navigator::startUp(const QString& executableFolder) {
    SetBaseFolder(RootFolderRule(executableFolder));
    switchScreen(ScreenId::Start);
}

void Navigator::closeCurrent() {
    if (!m_current)
        return;
    Screen* s = m_current;
    m_current = nullptr;
    s->hide();
    // The handler that asked for the move is still running on this object.
    s->deleteLater();
}

void Navigator::switchScreen(ScreenId target) {
    if (m_ended)
        return;
    closeCurrent();
    const Factory& make = m_factories[std::size_t(target)];
    Q_ASSERT_X(make, "switchScreen", "screen not registered");
    Screen* s = make();
    wirePlainMoves(s);
    m_current = s;
    s->formLoad();
    if (m_ended) {
        // Its load failed: the screen is never shown.
        if (m_current == s)
            m_current = nullptr;
        s->deleteLater();
        return;
    }
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), s->size());
        r.moveCenter(display->availableGeometry().center());
        s->move(r.topLeft());
    }
    // Not show(): where the platform shows windows full screen by default (a
    // browser page), the fixed design would sit in a corner of a screen-sized
    // window; it is a window of its own size everywhere.
    s->setVisible(true);
    s->activateWindow();
    if (QWidget* f = s->firstFocus())
        f->setFocus(Qt::OtherFocusReason);
    emit screenShown(s);
}

void Navigator::wirePlainMoves(Screen* screen) {
    for (const NavigationRow& row : navigationTable()) {
        if (row.screen != screen->id() || row.staged)
            continue;
        auto go = [target = row.target] {
            if (target)
                SwitchScreen(*target);
            else
                EndProgram();
        };
        QObject* element = screen->findChild<QObject*>(row.element);
        if (auto* b = qobject_cast<QAbstractButton*>(element))
            connect(b, &QAbstractButton::clicked, this, go);
        else if (auto* l = qobject_cast<Label*>(element))
            connect(l, &Label::clicked, this, go);
        else
            qFatal("%s has no element %s", qPrintable(screen->objectName()),
                   qPrintable(row.element));
    }
}

void Navigator::finish(int status) {
    m_ended = true;
    m_exitStatus = status;
    Services::programExit().exit(status);
}

void Navigator::endProgram() {
    if (m_ended)
        return;
    closeCurrent();
    finish(0);
}

void Navigator::fail(const QString& message) {
    if (m_ended)
        return;
    m_ended = true;
    Services::errorReport().report(message);
    closeCurrent();
    finish(1);
}

void Navigator::closeBoxPressed(Screen* screen) {
    if (screen == m_current)
        endProgram();
}

void Navigator::reset() {
    closeCurrent();
    m_ended = false;
    m_exitStatus = 0;
}

void StartUp(const QString& executableFolder) {
    Navigator::instance().startUp(executableFolder);
}
void SwitchScreen(ScreenId target) {
    Navigator::instance().switchScreen(target);
}
void EndProgram() {
    Navigator::instance().endProgram();
}

void ReportContentFailure(const QString& fullPath, const QString& reason) {
    Navigator::instance().fail(
        QStringLiteral(
            "教材ファイルを読み込めませんでした。\n\n%1\n\n%2\n\nプログラムを終了します。")
            .arg(fullPath, reason));
}
