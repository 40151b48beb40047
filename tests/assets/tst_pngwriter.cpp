#include "picturebook.h"
#include "picturecatalog.h"
#include "pngwriter.h"
#include "testmain.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

// The browser's pictures in 256 colours: read back by Qt's reader, as the
// program reads them, each must still be a palette picture and stay close to
// its drawing in full colour, transparency included.
class PngWriterTest : public QObject {
    Q_OBJECT

private slots:
    void paletteReadsBackCloseToFullColour_data();
    void paletteReadsBackCloseToFullColour();

private:
    QTemporaryDir m_dir;
};

void PngWriterTest::paletteReadsBackCloseToFullColour_data() {
    QTest::addColumn<QString>("name");
    // Shaded spheres, one-pixel lines, and a cell on a transparent ground.
    QTest::newRow("bcc spheres") << "spheres-bcc";
    QTest::newRow("fcc ball and stick") << "ballstick-fcc";
    QTest::newRow("hcp cutaway, transparent") << "cutaway-hcp";
}

void PngWriterTest::paletteReadsBackCloseToFullColour() {
    QFETCH(QString, name);
    const PictureEntry* entry = pictureEntry(name);
    QVERIFY(entry);
    const QImage drawn =
        PictureBook(2.0).draw(*entry).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QString path = m_dir.filePath(name + ".png");
    const QString error = writePng(drawn, path, PngPacking::Palette);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QImageReader reader(path, "png");
    const QImage read = reader.read();
    QCOMPARE(read.format(), QImage::Format_Indexed8);
    const QImage back = read.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(back.size(), drawn.size());
    // Premultiplied, a pixel made opaque or clear counts in full. Dithered,
    // these pictures are 0.2–0.3 % of full scale off; a wrong palette or lost
    // transparency is tens of times that.
    double sum = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(back.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x)
            for (const int shift : {0, 8, 16, 24}) {
                const int d = int((a[x] >> shift) & 0xff) - int((b[x] >> shift) & 0xff);
                sum += d * d;
            }
    }
    const double rms = std::sqrt(sum / (4.0 * drawn.width() * drawn.height())) / 255.0;
    QVERIFY2(rms < 0.01, qPrintable(QStringLiteral("%1 % of full scale off").arg(rms * 100)));
}

MIROSUTA_TEST_CLASS(PngWriterTest)
#include "tst_pngwriter.moc"
