#include "gifwriter.h"
#include "sounds.h"
#include "testmain.h"
#include "testsupport.h"
#include "wavwriter.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <sndfile.h>

// The writers behind the drill's media: what they write must read back as
// the picture and the sound that went in.
class MediaWritersTest : public QObject {
    Q_OBJECT

private slots:
    void gifKeepsGroundExactAndClearPixelsClear();
    void gifOfManyColoursStaysClose();
    void wavReadsBackTheSamples();
    void soundsStayWithinFullScale_data();
    void soundsStayWithinFullScale();

private:
    QTemporaryDir m_dir;
};

void MediaWritersTest::gifKeepsGroundExactAndClearPixelsClear() {
    QImage img(60, 40, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.fillRect(QRect(10, 5, 40, 30), QColor(255, 253, 236));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(220, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(30, 20), 9, 9);
    p.end();
    const QString path = m_dir.filePath("ground.gif");
    QString error;
    QVERIFY2(GifWriter::write(img, path, &error), qPrintable(error));
    QImageReader reader(path);
    const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(back.size(), img.size());
    QCOMPARE(qAlpha(back.pixel(2, 2)), 0);
    QCOMPARE(back.pixel(12, 7), qRgb(255, 253, 236));
    const QRgb red = back.pixel(30, 20);
    QVERIFY(std::abs(qRed(red) - 220) < 12 && qGreen(red) < 50 && qBlue(red) < 50);
}

void MediaWritersTest::gifOfManyColoursStaysClose() {
    // A smooth gradient needs far more than 256 colours: the palette must
    // still keep every pixel near its colour.
    QImage img(128, 96, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 2, y * 2 + 40, 255 - x));
    const QString path = m_dir.filePath("gradient.gif");
    QString error;
    QVERIFY2(GifWriter::write(img, path, &error), qPrintable(error));
    const QImage back = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), img.size());
    int worst = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb a = img.pixel(x, y), b = back.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(worst <= 32, qPrintable(QString::number(worst)));
    QVERIFY(!GifWriter::write(img, m_dir.filePath("no/such/folder/x.gif"), &error));
    QVERIFY(!error.isEmpty());
}

void MediaWritersTest::wavReadsBackTheSamples() {
    std::vector<float> s(1000);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = float(std::sin(double(i) * 0.05) * 0.5);
    s[10] = 1.7f; // beyond full scale: clipped, not wrapped to negative
    const QString path = m_dir.filePath("t.wav");
    QString error;
    QVERIFY2(WavWriter::write(s, 8000, path, &error), qPrintable(error));
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    QVERIFY(f);
    QCOMPARE(info.samplerate, 8000);
    QCOMPARE(info.channels, 1);
    QCOMPARE(info.frames, sf_count_t(s.size()));
    std::vector<float> back(s.size());
    QCOMPARE(sf_read_float(f, back.data(), sf_count_t(back.size())), sf_count_t(back.size()));
    sf_close(f);
    QVERIFY(back[10] > 0.99f);
    for (std::size_t i = 0; i < s.size(); ++i)
        if (i != 10)
            QVERIFY(std::abs(back[i] - s[i]) < 1.0f / 16000);
}

void MediaWritersTest::soundsStayWithinFullScale_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("chime") << 0;
    QTest::newRow("buzzer") << 1;
    QTest::newRow("fanfare") << 2;
}

void MediaWritersTest::soundsStayWithinFullScale() {
    QFETCH(int, which);
    const std::vector<float> s = which == 0   ? Sounds::chime()
                                 : which == 1 ? Sounds::buzzer()
                                              : Sounds::fanfare();
    float peak = 0;
    for (float v : s)
        peak = std::max(peak, std::abs(v));
    QVERIFY(peak > 0.5f && peak < 1.0f);
    // Starts and ends quietly: no click when the player starts or stops it.
    QVERIFY(std::abs(s.front()) < 0.05f);
    QVERIFY(std::abs(s.back()) < 0.01f);
}

MIROSUTA_TEST_CLASS(MediaWritersTest)
#include "tst_mediawriters.moc"
