#include "picturecatalog.h"
#include "picturestore.h"
#include "testmain.h"
#include "testsupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTest>

// Every picture the screens ask for is drawn, stored at its own size and at
// twice it, and shows a drawing rather than an empty or failed one.
class PictureCatalogTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsStoredAtBothSizes();
    void storeHoldsOnlyTheCatalog();
    void storeHandsOutLogicalSizes();
    void buttonsCarryWhiteWords_data();
    void buttonsCarryWhiteWords();
};

void PictureCatalogTest::everyPictureIsStoredAtBothSizes() {
    QSet<QString> names;
    for (const PictureEntry& e : pictureCatalog()) {
        QVERIFY2(!names.contains(e.name), qPrintable(e.name + " listed twice"));
        names.insert(e.name);
        QVERIFY2(PictureStore::has(e.name), qPrintable(e.name + " missing"));
        for (int k : {1, 2}) {
            const QString file =
                QStringLiteral(":/pictures/%1%2.png").arg(e.name, k > 1 ? "@2x" : "");
            const QImage img(file);
            QVERIFY2(!img.isNull(), qPrintable(file + " does not load"));
            QCOMPARE(img.size(), e.size * k);
            QSet<QRgb> colours;
            const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < argb.height() && colours.size() < 16; y += 3)
                for (int x = 0; x < argb.width() && colours.size() < 16; x += 3)
                    colours.insert(argb.pixel(x, y));
            QVERIFY2(colours.size() >= 3, qPrintable(file + " is nearly blank"));
        }
    }
}

// The resource file is written from the catalog by the renderer: nothing
// stale or stray is packed beside it.
void PictureCatalogTest::storeHoldsOnlyTheCatalog() {
    QStringList expected;
    for (const PictureEntry& e : pictureCatalog())
        expected << e.name + ".png" << e.name + "@2x.png";
    QStringList stored = QDir(":/pictures").entryList(QDir::Files);
    expected.sort();
    stored.sort();
    QCOMPARE(stored, expected);
}

void PictureCatalogTest::storeHandsOutLogicalSizes() {
    // Twice-size pictures on a high-DPI screen (CTest runs this once more
    // with QT_SCALE_FACTOR=2), own-size ones elsewhere.
    const int ratio = qApp->devicePixelRatio() > 1.0 ? 2 : 1;
    if (qgetenv("QT_SCALE_FACTOR") == "2")
        QCOMPARE(ratio, 2); // the high-DPI run really is one
    for (const PictureEntry& e : pictureCatalog()) {
        const QPixmap p = PictureStore::pixmap(e.name);
        QCOMPARE(p.deviceIndependentSize().toSize(), e.size);
        QCOMPARE(p.devicePixelRatio(), qreal(ratio));
        QCOMPARE(p.size(), e.size * ratio);
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
    for (const char* suffix : {"", "@2x"}) {
        const QImage img = QImage(QStringLiteral(":/pictures/%1%2.png").arg(name, suffix))
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
}

MIROSUTA_TEST_CLASS(PictureCatalogTest)
#include "tst_picturecatalog.moc"
