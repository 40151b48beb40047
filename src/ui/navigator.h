#pragma once

#include "screencontext.h"
#include "screenid.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class Screen;
struct ScreenDesign;

// Makes a screen whose declaration does not say all it does (the drill).
using ScreenClass = std::function<Screen*(const ScreenDesign&, const ScreenContext&)>;

// Shows the screens somewhere other than in windows of their own (the full
// screen). host() takes the screen the navigator has opened and returns true,
// or returns false and leaves it to be shown in its own window.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    virtual bool host(Screen* screen) = 0;
};

// Opens and closes the screens: one open at a time, each built from its
// declaration with the context the navigator holds. A screen asks for a
// move or the end, and reports a text it cannot show, through its signals;
// the navigator, which wires them as it opens the screen, decides.
class Navigator : public QObject {
    Q_OBJECT
public:
    explicit Navigator(const ScreenContext& context);
    ~Navigator() override;

    // A screen of a class of its own; the others are the plain Screen.
    void registerClass(ScreenId id, ScreenClass make);

    // Takes the executable's folder as the base folder and opens スタート;
    // ends with a report if a screen's declaration is unsound.
    void startUp(const QString& executableFolder);
    void switchScreen(ScreenId target);
    void endProgram();

    // Reports the faults of the screens' declarations, if there are any, and
    // ends with status 1; true when it did.
    bool reportUnsoundDesigns(const QStringList& problems);

    // A content file could not be read: report it, close the open screen
    // (never showing one that was being opened) and end with status 1.
    void reportContentFailure(const QString& fullPath, const QString& reason);

    // Where the screens are shown from now on: nullptr for their own windows.
    void setHost(ScreenHost* host) { m_host = host; }
    // A screen in its own window of its own size, centred on the display.
    static void showInWindow(Screen* screen);

    Screen* current() const;
    const ScreenContext& context() const { return m_context; }
    bool ended() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

signals:
    void screenShown(Screen* screen);

private:
    void closeCurrent();
    void wireScreen(Screen* screen);
    void finish(int status);

    ScreenContext m_context;
    std::array<ScreenClass, kScreenCount> m_classes{};
    QPointer<Screen> m_current;
    ScreenHost* m_host = nullptr;
    bool m_ended = false;
    int m_exitStatus = 0;
};
