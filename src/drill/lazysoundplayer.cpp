#include "lazysoundplayer.h"

#include <QDir>
#include <QLibrary>
#include <QTimer>

namespace {

constexpr int kPrepareDelayMs = 300;
constexpr char kModuleName[] = "mirosuta-sound";
constexpr char kEntryPoint[] = "mirosutaCreateSoundPlayer";

} // namespace

LazySoundPlayer::LazySoundPlayer(const QString& moduleFolder) : m_moduleFolder(moduleFolder) {}

// The module stays loaded to the end of the process: the player's code and
// the media backend's threads live in it.
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
    QLibrary module(QDir(m_moduleFolder).filePath(QLatin1String(kModuleName)));
    using Create = SoundPlayer* (*)();
    if (auto create = reinterpret_cast<Create>(module.resolve(kEntryPoint)))
        m_player.reset(create());
}
