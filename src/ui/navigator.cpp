#include "navigator.h"

#include "screen.h"
#include "screendesign.h"

#include <QGuiApplication>
#include <QScreen>

Navigator::Navigator(const ScreenContext& context) : m_context(context) {}

Navigator::~Navigator() {
    delete m_current;
}

Screen* Navigator::current() const {
    return m_current;
}

void Navigator::registerClass(ScreenId id, ScreenClass make) {
    m_classes[std::size_t(id)] = std::move(make);
}

void Navigator::startUp(const QString& executableFolder) {
    m_context.baseFolder = RootFolderRule(executableFolder);
    // A declaration that names what it lacks would fail in a learner's hands
    // later; a build that carries one stops here, whatever its build type.
    if (reportUnsoundDesigns(designProblems()))
        return;
    switchScreen(ScreenId::Start);
}

bool Navigator::reportUnsoundDesigns(const QStringList& problems) {
    if (problems.isEmpty() || m_ended)
        return false;
    m_ended = true;
    m_context.services.errorReport.report(
        QStringLiteral("画面の定義に誤りがあります。\n\n%1\n\nプログラムを終了します。")
            .arg(problems.join('\n')));
    finish(1);
    return true;
}

void Navigator::closeCurrent() {
    if (!m_current)
        return;
    Screen* s = m_current;
    m_current = nullptr;
    s->leaving();
    s->hide();
    // The handler that asked for the move is still running on this object.
    s->deleteLater();
}

void Navigator::switchScreen(ScreenId target) {
    if (m_ended)
        return;
    closeCurrent();
    const ScreenDesign& design = screenDesign(target);
    const ScreenClass& make = m_classes[std::size_t(target)];
    Screen* s = make ? make(design, m_context) : new Screen(design, m_context);
    wireScreen(s);
    if (const auto failure = s->formLoad()) {
        // Its load failed: the screen is never shown.
        delete s;
        reportContentFailure(failure->path, failure->reason);
        return;
    }
    m_current = s;
    if (!m_host || !m_host->host(s))
        showInWindow(s);
    s->activateWindow();
    if (QWidget* f = s->firstFocus())
        f->setFocus(Qt::OtherFocusReason);
    emit screenShown(s);
}

void Navigator::showInWindow(Screen* s) {
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), s->size());
        r.moveCenter(display->availableGeometry().center());
        s->move(r.topLeft());
    }
    // Not show(): where the platform shows windows full screen by default (a
    // browser page), the fixed design would sit in a corner of a screen-sized
    // window; it is a window of its own size everywhere.
    s->setVisible(true);
}

void Navigator::wireScreen(Screen* screen) {
    connect(screen, &Screen::switchRequested, this, &Navigator::switchScreen);
    // The close box of the one open window ends the program, as 終了 does; a
    // screen that is already closing asks in vain, and so does its report.
    connect(screen, &Screen::closeRequested, this, [this, screen] {
        if (screen == m_current)
            endProgram();
    });
    connect(screen, &Screen::contentFailed, this,
            [this, screen](const QString& fullPath, const QString& reason) {
                if (screen == m_current)
                    reportContentFailure(fullPath, reason);
            });
}

void Navigator::finish(int status) {
    m_ended = true;
    m_exitStatus = status;
    m_context.services.programExit.exit(status);
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
    // Nothing of the screen runs on while the report is read.
    if (m_current)
        m_current->leaving();
    m_context.services.errorReport.report(
        QStringLiteral(
            "教材ファイルを読み込めませんでした。\n\n%1\n\n%2\n\nプログラムを終了します。")
            .arg(fullPath, reason));
    closeCurrent();
    finish(1);
}
