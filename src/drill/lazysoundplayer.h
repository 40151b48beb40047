#pragma once

#include "services.h"

#include <QObject>
#include <QString>
#include <memory>

// The program's sound player. The platform's player (platformsoundplayer.h)
// is got a moment after the first screen is shown, or at the first sound if
// that comes sooner: on the desktop from the sound module beside the
// executable, in a browser from the program itself. Without a player, or
// without an audio output, every sound is passed over in silence.
class LazySoundPlayer final : public SoundPlayer {
public:
    // moduleFolder: where the sound module lies (the executable's folder).
    explicit LazySoundPlayer(const QString& moduleFolder);
    ~LazySoundPlayer() override;
    void play(const QString& path) override;
    // Loads the module once the event loop has run for a moment.
    void prepareSoon();
    // Whether the module is loaded and gave a player.
    bool loaded() const { return m_player != nullptr; }

private:
    void load();

    QString m_moduleFolder;
    bool m_tried = false;
    QObject m_timerContext; // cancels a pending prepareSoon() with the player
    std::unique_ptr<SoundPlayer> m_player;
};
