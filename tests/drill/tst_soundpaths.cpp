// A sound in a folder deep in OneDrive's Desktop or on a USB stick: a path of
// more than 200 characters with Japanese folder names. Windows' own reading
// of sound files stops at 128 characters; the players read the file
// themselves, with the one rule of what plays that the checker uses too.

#include "lazysoundplayer.h"
#include "testmain.h"
#include "wavformat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SoundPathTest : public QObject {
    Q_OBJECT

private slots:
    void soundFromALongJapanesePath();
    void onlyPlayableSoundsAreRead();
};

void SoundPathTest::soundFromALongJapanesePath() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString folder = dir.path();
    while (folder.size() < 220)
        folder += QStringLiteral("/ミロスタの教材フォルダー（結晶構造）");
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir::toNativeSeparators(folder + QStringLiteral("/正解の音.wav"));
    QVERIFY(path.size() > 200);
    QFile shipped(QStringLiteral(MIROSUTA_OUTPUT_DIR "/音/o.wav"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray sound = shipped.readAll();
    QFile copy(path);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    QCOMPARE(copy.write(sound), qint64(sound.size()));
    copy.close();

    QCOMPARE(readPlayableWav(path), sound);
    // The program's own player from its module: a second sound replaces the
    // first while it plays, and the player goes while the last still plays.
    {
        LazySoundPlayer player(QStringLiteral(MIROSUTA_OUTPUT_DIR));
        player.play(path);
        QVERIFY2(player.loaded(), "the sound module was not loaded");
        player.play(path);
        QTest::qWait(20);
    }
}

void SoundPathTest::onlyPlayableSoundsAreRead() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("音.wav"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("RIFF\x04\0\0\0WAVE", 12)); // a header and nothing else
    f.close();
    QVERIFY(readPlayableWav(path).isEmpty());
    QVERIFY(readPlayableWav(dir.path()).isEmpty()); // a folder
    QVERIFY(readPlayableWav(dir.filePath(QStringLiteral("ない.wav"))).isEmpty());
}

MIROSUTA_TEST_CLASS(SoundPathTest)
#include "tst_soundpaths.moc"
