#include "drillcrystal.h"
#include "testmain.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <sndfile.h>

namespace {

QString shipped(const QString& folder, const QString& file) {
    return QDir(QStringLiteral(MIROSUTA_OUTPUT_DIR)).filePath(folder + '/' + file);
}

} // namespace

// The drill's pictures must show crystals whose ratio is the drill's answer,
// and every media file must be readable the way the drill reads it.
class DrillMediaTest : public QObject {
    Q_OBJECT

private slots:
    void sharesFollowThePlaceInTheCell_data();
    void sharesFollowThePlaceInTheCell();
    void everyQuestionHasItsAnswersRatio_data();
    void everyQuestionHasItsAnswersRatio();
    void someQuestionNeedsTheEdgeQuarter();
    void questionPicturesLoadAndShowBothKinds_data();
    void questionPicturesLoadAndShowBothKinds();
    void marksHaveTransparentGround_data();
    void marksHaveTransparentGround();
    void soundsOpenAndAreAudible_data();
    void soundsOpenAndAreAudible();
};

void DrillMediaTest::sharesFollowThePlaceInTheCell_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<int>("eighths");
    QTest::newRow("inside") << 0.25 << 0.75 << 0.5 << 8;
    QTest::newRow("face") << 0.5 << 1.0 << 0.5 << 4;
    QTest::newRow("edge") << 0.0 << 0.5 << 1.0 << 2;
    QTest::newRow("corner") << 1.0 << 0.0 << 1.0 << 1;
}

void DrillMediaTest::sharesFollowThePlaceInTheCell() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(int, eighths);
    QCOMPARE(drill::eighthsInside({x, y, z}), eighths);
}

void DrillMediaTest::everyQuestionHasItsAnswersRatio_data() {
    // The drill's answer table, question by question.
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("1") << 1 << 1 << 1;
    QTest::newRow("2") << 2 << 1 << 2;
    QTest::newRow("3") << 3 << 1 << 2;
    QTest::newRow("4") << 4 << 1 << 3;
    QTest::newRow("5") << 5 << 1 << 1;
}

void DrillMediaTest::everyQuestionHasItsAnswersRatio() {
    QFETCH(int, question);
    QFETCH(int, a);
    QFETCH(int, b);
    QCOMPARE(int(drill::drillCrystals().size()), 5);
    const drill::Crystal& c = drill::drillCrystals().at(std::size_t(question - 1));
    QCOMPARE(drill::countRatio(c), (drill::Ratio{a, b}));
    // Counting the parts inside the drawn cell gives the same atoms as the
    // crystal's formula unit: one count per motif atom.
    drill::Ratio motif;
    for (const drill::Site& s : c.motif)
        (s.kind == drill::Kind::A ? motif.a : motif.b) += 8;
    QCOMPARE(drill::eighthsPerCell(c), motif);
    // No two drawn atoms overlap, so each can be seen and counted.
    const auto sites = c.sites();
    for (std::size_t i = 0; i < sites.size(); ++i)
        for (std::size_t j = i + 1; j < sites.size(); ++j) {
            const double ri = sites[i].kind == drill::Kind::A ? c.radiusA : c.radiusB;
            const double rj = sites[j].kind == drill::Kind::A ? c.radiusA : c.radiusB;
            QVERIFY((sites[i].pos - sites[j].pos).length() > ri + rj);
        }
}

void DrillMediaTest::someQuestionNeedsTheEdgeQuarter() {
    bool edge = false;
    for (const drill::Crystal& c : drill::drillCrystals())
        for (const drill::Site& s : c.sites())
            edge = edge || drill::eighthsInside(s.pos) == 2;
    QVERIFY(edge);
}

void DrillMediaTest::questionPicturesLoadAndShowBothKinds_data() {
    QTest::addColumn<int>("question");
    for (int n = 1; n <= 5; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void DrillMediaTest::questionPicturesLoadAndShowBothKinds() {
    QFETCH(int, question);
    QImageReader reader(
        shipped(QStringLiteral("画像"), QStringLiteral("mondai%1.gif").arg(question)));
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    // It fits the drill's question frame (341 x 242 pixels) and fills most of it.
    QVERIFY(img.width() <= 341 && img.height() <= 242);
    QVERIFY(img.width() >= 200 && img.height() >= 200);
    int red = 0, yellow = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = QColor::fromRgb(img.pixel(x, y));
            if (c.saturation() < 150 || c.value() < 120)
                continue;
            if (c.hue() < 12 || c.hue() > 350)
                ++red;
            else if (c.hue() > 40 && c.hue() < 62)
                ++yellow;
        }
    QVERIFY2(red > 300 && yellow > 300,
             qPrintable(QStringLiteral("red %1, yellow %2").arg(red).arg(yellow)));
}

void DrillMediaTest::marksHaveTransparentGround_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("hue"); // of the mark
    QTest::newRow("maru") << "maru.gif" << 0;
    QTest::newRow("batu") << "batu.gif" << 225;
}

void DrillMediaTest::marksHaveTransparentGround() {
    QFETCH(QString, file);
    QFETCH(int, hue);
    QImageReader reader(shipped(QStringLiteral("画像"), file));
    const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QVERIFY(img.width() >= 100 && img.height() >= 100);
    int clear = 0, mark = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = QColor::fromRgba(img.pixel(x, y));
            if (c.alpha() == 0)
                ++clear;
            else if (c.saturation() > 200 && std::abs(c.hue() - hue) < 15)
                ++mark;
        }
    // The corners are see-through; the mark itself is a solid stroke.
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
    QVERIFY(clear > img.width() * img.height() / 3);
    QVERIFY(mark > img.width() * img.height() / 10);
}

void DrillMediaTest::soundsOpenAndAreAudible_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minSeconds");
    QTest::newRow("o") << "o.wav" << 0.3;
    QTest::newRow("x") << "x.wav" << 0.3;
    QTest::newRow("gokaku") << "gokaku.wav" << 1.0;
}

void DrillMediaTest::soundsOpenAndAreAudible() {
    QFETCH(QString, file);
    QFETCH(double, minSeconds);
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(shipped(QStringLiteral("音"), file)).constData(),
                         SFM_READ, &info);
    QVERIFY2(f, sf_strerror(nullptr));
    QCOMPARE(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    QVERIFY(info.samplerate > 0 && info.channels >= 1);
    QVERIFY(info.frames >= sf_count_t(minSeconds * info.samplerate));
    std::vector<float> samples(std::size_t(info.frames * info.channels));
    QCOMPARE(sf_readf_float(f, samples.data(), info.frames), info.frames);
    sf_close(f);
    float peak = 0;
    for (float v : samples)
        peak = std::max(peak, std::abs(v));
    QVERIFY(peak > 0.3f && peak <= 1.0f);
}

MIROSUTA_TEST_CLASS(DrillMediaTest)
#include "tst_drillmedia.moc"
