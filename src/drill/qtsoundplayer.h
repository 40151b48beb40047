#pragma once

#include "services.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// Plays the drill's sounds with Qt Multimedia. play() starts the sound and
// returns at once; a missing or unplayable file, or a machine without an
// audio output, is passed over in silence so that the drill goes on.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString& path) override;

private:
    void makePlayer();

    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};
