#include "navigator.h"

#include "basefolder.h"
#include "label.h"
#include "navigationtable.h"
#include "screen.h"
#include "services.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>

Navigator::~Navigator() {
    delete m_current;
}

Screen* Navigator::current() const {
    return m_current;
}

void Navigator::registerScreen(ScreenId id, std::function<Screen*()> factory) {
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
    const auto& make = m_factories[std::size_t(target)];
    Q_ASSERT_X(make, "switchScreen", "screen not registered");
    Screen* s = make();
    wireScreen(s);
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

void Navigator::wireScreen(Screen* screen) {
    connect(screen, &Screen::switchRequested, this, &Navigator::switchScreen);
    connect(screen, &Screen::contentFailed, this, &Navigator::reportContentFailure);
    // The close box of the one open window ends the program; a screen that
    // is already closing asks in vain.
    connect(screen, &Screen::closeRequested, this, [this, screen] {
        if (screen == m_current)
            endProgram();
    });
    wirePlainMoves(screen);
}

void Navigator::wirePlainMoves(Screen* screen) {
    for (const NavigationRow& row : navigationTable()) {
        if (row.screen != screen->id() || row.staged)
            continue;
        auto go = [this, target = row.target] {
            if (target)
                switchScreen(*target);
            else
                endProgram();
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

void Navigator::reportContentFailure(const QString& fullPath, const QString& reason) {
    if (m_ended)
        return;
    m_ended = true;
    Services::errorReport().report(
        QStringLiteral(
            "教材ファイルを読み込めませんでした。\n\n%1\n\n%2\n\nプログラムを終了します。")
            .arg(fullPath, reason));
    closeCurrent();
    finish(1);
}
