#include "lazysoundplayer.h"

#include "platformsoundplayer.h"

#include <QTimer>

namespace {

constexpr int kPrepareDelayMs = 300;

} // namespace

LazySoundPlayer::LazySoundPlayer(const QString& moduleFolder) : m_moduleFolder(moduleFolder) {}

LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::play(const QString& path) {
    load();
    if (m_player)
        m_player->play(path);
}

void LazySoundPlayer::prepareSoon() {
    QTimer::singleShot(kPrepareDelayMs, &m_timerContext, [this] { load(); });
}

void LazySoundPlayer::load() {
    if (m_tried)
        return;
    m_tried = true;
    m_player.reset(loadPlatformSoundPlayer(m_moduleFolder));
}
