#include "picturecatalog.h"
#include "picturestore.h"
#include "testmain.h"
#include "testsupport.h"

#include <QImage>
#include <QSet>
#include <QTest>

// Every picture the screens ask for is drawn, stored at twice its size, and
// shows a drawing rather than an empty or failed one.
class PictureCatalogTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsStoredAtTwiceItsSize();
    void storeHandsOutLogicalSizes();
    void buttonsCarryWhiteWords_data();
    void buttonsCarryWhiteWords();
};

void PictureCatalogTest::everyPictureIsStoredAtTwiceItsSize() {
    QSet<QString> names;
    for (const PictureEntry& e : pictureCatalog()) {
        QVERIFY2(!names.contains(e.name), qPrintable(e.name + " listed twice"));
        names.insert(e.name);
        QVERIFY2(PictureStore::has(e.name), qPrintable(e.name + " missing"));
        const QImage img(QStringLiteral(":/pictures/%1.png").arg(e.name));
        QVERIFY2(!img.isNull(), qPrintable(e.name + " does not load"));
        QCOMPARE(img.size(), e.size * 2);
        QSet<QRgb> colours;
        const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height() && colours.size() < 16; y += 3)
            for (int x = 0; x < argb.width() && colours.size() < 16; x += 3)
                colours.insert(argb.pixel(x, y));
        QVERIFY2(colours.size() >= 3, qPrintable(e.name + " is nearly blank"));
    }
}

void PictureCatalogTest::storeHandsOutLogicalSizes() {
    for (const PictureEntry& e : pictureCatalog()) {
        const QPixmap p = PictureStore::pixmap(e.name);
        QCOMPARE(p.deviceIndependentSize().toSize(), e.size);
    }
}

void PictureCatalogTest::buttonsCarryWhiteWords_data() {
    QTest::addColumn<QString>("name");
    for (const char* b : {"btn-run", "btn-menu", "btn-next", "btn-again", "btn-end", "btn-bcc",
                          "btn-fcc", "btn-hcp", "btn-summary", "btn-drill", "btn-radius"})
        QTest::newRow(b) << QString::fromLatin1(b);
}

void PictureCatalogTest::buttonsCarryWhiteWords() {
    QFETCH(QString, name);
    const QImage img = QImage(QStringLiteral(":/pictures/%1.png").arg(name))
                           .convertToFormat(QImage::Format_ARGB32);
    // The word sits in the middle of the face: white pixels there, and the
    // face's own colour around them.
    int white = 0, face = 0;
    const QRect middle(img.width() / 4, img.height() / 4, img.width() / 2, img.height() / 2);
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QColor c = QColor::fromRgba(img.pixel(x, y));
            if (c.red() > 240 && c.green() > 240 && c.blue() > 240)
                ++white;
            else if (c.saturation() > 150)
                ++face;
        }
    const int area = middle.width() * middle.height();
    QVERIFY2(white > area / 20, qPrintable(name + ": no word"));
    QVERIFY2(face > area / 4, qPrintable(name + ": no coloured face"));
}

MIROSUTA_TEST_CLASS(PictureCatalogTest)
#include "tst_picturecatalog.moc"
