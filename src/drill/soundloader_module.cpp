#include "platformsoundplayer.h"

#include <QDir>
#include <QLibrary>

namespace {

constexpr char kModuleName[] = "mirosuta-sound";
constexpr char kEntryPoint[] = "mirosutaCreateSoundPlayer";

} // namespace

SoundPlayer* loadPlatformSoundPlayer(const QString& moduleFolder) {
    // The module stays loaded to the end of the process: the player's code and
    // the media backend's threads live in it.
    QLibrary module(QDir(moduleFolder).filePath(QLatin1String(kModuleName)));
    using Create = SoundPlayer* (*)();
    if (auto create = reinterpret_cast<Create>(module.resolve(kEntryPoint)))
        return create();
    return nullptr;
}
