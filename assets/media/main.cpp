// Writes the drill's media: question pictures and marks as GIF into the first
// folder, the sounds as WAV into the second.
#include "drillcrystal.h"
#include "drillpictures.h"
#include "gifwriter.h"
#include "sounds.h"
#include "wavwriter.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: media-maker <picture-folder> <sound-folder>\n");
        return 2;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[1])), sounds(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(pictures.path());
    QDir().mkpath(sounds.path());
    QString error;
    auto gif = [&](const QImage& img, const QString& name) {
        return GifWriter::write(img, pictures.filePath(name), &error);
    };
    auto wav = [&](const std::vector<float>& s, const QString& name) {
        return WavWriter::write(s, Sounds::kRate, sounds.filePath(name), &error);
    };
    bool ok = true;
    int n = 1;
    for (const drill::Crystal& c : drill::drillCrystals())
        ok = ok && gif(DrillPictures::question(c), QStringLiteral("mondai%1.gif").arg(n++));
    ok = ok && gif(DrillPictures::rightMark(), QStringLiteral("maru.gif")) &&
         gif(DrillPictures::wrongMark(), QStringLiteral("batu.gif")) &&
         wav(Sounds::chime(), QStringLiteral("o.wav")) &&
         wav(Sounds::buzzer(), QStringLiteral("x.wav")) &&
         wav(Sounds::fanfare(), QStringLiteral("gokaku.wav"));
    if (!ok) {
        std::fprintf(stderr, "media-maker: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
