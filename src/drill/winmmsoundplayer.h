#pragma once

#include "services.h"

#include <QByteArray>

// Plays the drill's sounds with the Windows multimedia API (PlaySound), which
// every Windows has. play() starts the sound and returns at once; a missing
// or unplayable file, or a machine without an audio device, is passed over in
// silence so that the drill goes on.
class WinmmSoundPlayer final : public SoundPlayer {
public:
    WinmmSoundPlayer() = default;
    ~WinmmSoundPlayer() override;
    void play(const QString& path) override;

private:
    QByteArray m_playing; // the sound PlaySound plays from memory, kept while it plays
};
