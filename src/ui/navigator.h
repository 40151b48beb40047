#pragma once

#include "screenid.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class Screen;

// Opens and closes the screens: one open at a time. A screen asks for a move,
// an end or reports a content file it cannot read through its signals; the
// navigator, which wires them as it opens the screen, decides.
class Navigator : public QObject {
    Q_OBJECT
public:
    Navigator() = default;
    ~Navigator() override;

    void registerScreen(ScreenId id, std::function<Screen*()> factory);
    bool isRegistered(ScreenId id) const;

    // Sets BaseFolder from the executable's folder and opens スタート.
    void startUp(const QString& executableFolder);
    void switchScreen(ScreenId target);
    void endProgram();

    // A content file could not be read: report it, close the open screen
    // (never showing one that was being opened) and end with status 1.
    void reportContentFailure(const QString& fullPath, const QString& reason);

    Screen* current() const;
    bool ended() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

signals:
    void screenShown(Screen* screen);

private:
    void closeCurrent();
    void wireScreen(Screen* screen);
    void wirePlainMoves(Screen* screen);
    void finish(int status);

    std::array<std::function<Screen*()>, kScreenCount> m_factories{};
    QPointer<Screen> m_current;
    bool m_ended = false;
    int m_exitStatus = 0;
};
