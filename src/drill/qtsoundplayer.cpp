#include "qtsoundplayer.h"

#include "platformsoundplayer.h"
#include "wavformat.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() {
    // Made when the program loads its sound module, after the first screen:
    // start the media backend now rather than at the first judgement, where
    // it would hold up the mark.
    if (!QMediaDevices::defaultAudioOutput().isNull())
        makePlayer();
}

QtSoundPlayer::~QtSoundPlayer() {
    // The player refers to the output; let it go first.
    m_player.reset();
    m_output.reset();
}

void QtSoundPlayer::play(const QString& path) {
    const QFileInfo file(path);
    // The same files play here as on Windows: what the checker accepts.
    if (readPlayableWav(path).isEmpty())
        return;
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    if (!m_player)
        makePlayer();
    // A new sound replaces the one that may still be playing.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_player->play();
}

void QtSoundPlayer::makePlayer() {
    m_output = std::make_unique<QAudioOutput>();
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_output.get());
    // An unplayable file only stops this sound; nothing is shown.
    QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                     [player = m_player.get()] { player->stop(); });
}

SoundPlayer* createPlatformSoundPlayer() {
    return new QtSoundPlayer;
}
