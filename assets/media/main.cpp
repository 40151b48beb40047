// Writes the drill's media: question pictures, the shelf of further crystal
// pictures, the marks and the shipped questions file into the first folder,
// the sounds as WAV into the second.
#include "drillcrystal.h"
#include "drillmedianames.h"
#include "drillpictures.h"
#include "gifwriter.h"
#include "sounds.h"
#include "wavwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <cstdio>

namespace {

// The questions file as shipped: how to edit it, then the five questions.
// CP932 with CR LF, as the shipped texts are.
bool writeQuestionsFile(const QString& path, QString* error) {
    QStringList lines = {
        QStringLiteral("# ミロスタドリルの問題です。一行に一問ずつ書きます。"),
        QStringLiteral("# 画像フォルダーの中の絵のファイル名、空白、答え A：B の順です。"),
        QStringLiteral("# A と B は 1 から 9 までの一けたの数字で、約分した形で書きます。"),
        QStringLiteral("# 問題は 20 問まで。同じ絵は一度だけ使えます。"),
        QStringLiteral("# 追加フォルダーの絵は「追加/zns.gif 1：1」のように書きます。"),
        QStringLiteral("# ＃で始まる行と空の行は読み飛ばします。"),
        QStringLiteral("# 直したら mirosuta-check で確かめてください。"),
    };
    for (const drill::ShippedQuestion& q : drill::kShippedQuestions)
        lines << QStringLiteral("%1 %2：%3")
                     .arg(QString::fromUtf8(q.picture))
                     .arg(q.answer.a)
                     .arg(q.answer.b);
    QStringEncoder cp932("Shift_JIS");
    const QByteArray bytes = cp932.encode(lines.join(QStringLiteral("\r\n")) + "\r\n");
    if (!cp932.isValid() || cp932.hasError()) {
        *error = QStringLiteral("cannot write %1 as CP932").arg(path);
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        *error = f.errorString();
        return false;
    }
    return true;
}

} // namespace

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
        const QString path = pictures.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        return GifWriter::write(img, path, &error);
    };
    auto wav = [&](const std::vector<float>& s, const QString& name) {
        return WavWriter::write(s, Sounds::kRate, sounds.filePath(name), &error);
    };
    bool ok = true;
    // A shipped answer that is not the ratio of the crystal drawn would mark
    // right answers wrong.
    for (int i = 0; i < drill::kShippedQuestionCount; ++i) {
        const drill::Crystal& c = drill::drillCrystals().at(std::size_t(i));
        const drill::ShippedQuestion& q = drill::kShippedQuestions[i];
        if (c.picture != q.picture || !(drill::countRatio(c) == q.answer)) {
            std::fprintf(stderr, "media-maker: %s does not show the answer %d:%d\n", q.picture,
                         q.answer.a, q.answer.b);
            return 1;
        }
    }
    for (const auto* list : {&drill::drillCrystals(), &drill::shelfCrystals()})
        for (const drill::Crystal& c : *list)
            ok = ok && gif(DrillPictures::question(c), QString::fromStdString(c.picture));
    const auto name = [](const char* utf8) { return QString::fromUtf8(utf8); };
    ok = ok && gif(DrillPictures::rightMark(), name(kRightMarkFile)) &&
         gif(DrillPictures::wrongMark(), name(kWrongMarkFile)) &&
         writeQuestionsFile(pictures.filePath(name(kQuestionsFileName)), &error) &&
         wav(Sounds::chime(), name(kRightSoundFile)) &&
         wav(Sounds::buzzer(), name(kWrongSoundFile)) &&
         wav(Sounds::fanfare(), name(kPassSoundFile));
    if (!ok) {
        std::fprintf(stderr, "media-maker: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
