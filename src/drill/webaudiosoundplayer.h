#pragma once

#include "services.h"

// Plays the drill's sounds in the browser through the page's Web Audio
// context. play() reads the file from the page's file system, hands its bytes
// to the page and returns at once; the page decodes and starts it, replacing
// a sound that still plays. A missing or undecodable file, or a browser that
// keeps audio locked, is passed over in silence so that the drill goes on.
class WebAudioSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& path) override;
};
