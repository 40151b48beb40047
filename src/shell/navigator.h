#pragma once

#include "screenid.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

#include "screen.h"

// Opens and closes the screens: one open at a time, every move through
// switchScreen, every end through endProgram (or the close box, or a content
// file that cannot be read).
class Navigator : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*()>;

    static Navigator& instance();

    void registerScreen(ScreenId id, Factory factory);
    bool isRegistered(ScreenId id) const;

    // Sets BaseFolder from the executable's folder and opens スタート.
    void startUp(const QString& executableFolder);
    void switchScreen(ScreenId target);
    void endProgram();

    // A content file could not be read: report it, close the open screen
    // (never showing one that was being opened) and end with status 1.
    void fail(const QString& message);
    void closeBoxPressed(Screen* screen);

    Screen* current() const { return m_current; }
    bool ended() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

    // Tests: forget the open screen and the end so that a new run can start.
    void reset();

signals:
    void screenShown(Screen* screen);

private:
    void closeCurrent();
    void wirePlainMoves(Screen* screen);
    void finish(int status);

    std::array<Factory, kScreenCount> m_factories{};
    QPointer<Screen> m_current;
    bool m_ended = false;
    int m_exitStatus = 0;
};

// The program's own names for the moves.
void StartUp(const QString& executableFolder);
void SwitchScreen(ScreenId target);
void EndProgram();

// Reports a content file that cannot be read and ends the program.
void ReportContentFailure(const QString& fullPath, const QString& reason);
