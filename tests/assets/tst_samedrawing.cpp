#include "celldrawing.h"
#include "picturecatalog.h"
#include "testmain.h"

#include <QPainter>
#include <QTest>

using celldrawing::Finish;

namespace {

// The picture as shipped for ordinary (k = 1) or high-DPI (k = 2) screens.
QImage shipped(const QString& name, int k) {
    QImage img = QImage(QStringLiteral(":/pictures/%1%2.png").arg(name, k > 1 ? "@2x" : ""))
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(1); // compared and laid out pixel by pixel
    return img;
}

struct Difference {
    int pixels = 0;  // more than 32 off in some channel
    int largest = 0; // the largest difference of a channel
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int off = std::max(
                {std::abs(qRed(la[x]) - qRed(lb[x])), std::abs(qGreen(la[x]) - qGreen(lb[x])),
                 std::abs(qBlue(la[x]) - qBlue(lb[x])), std::abs(qAlpha(la[x]) - qAlpha(lb[x]))});
            d.largest = std::max(d.largest, off);
            d.pixels += off > 32;
        }
    }
    return d;
}

} // namespace

// A drawing that turns is drawn at run time by the program and, at its
// designed view, by the build: the two must be one drawing. At the designed
// view the program's quick full drawing must match the shipped picture, the
// words set from their pictures included, and the cell being built must
// match the empty cell with its pieces laid over it.
class SameDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void runTimeDrawingIsTheShippedOne_data();
    void runTimeDrawingIsTheShippedOne();
};

void SameDrawingTest::runTimeDrawingIsTheShippedOne_data() {
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("k");         // pixels per logical pixel
    QTest::addColumn<bool>("complete"); // the cell being built, with every piece
    for (PictureId id : celldrawing::turningPictures())
        for (int k : {1, 2}) {
            const QByteArray name = id.fileName().toUtf8();
            QTest::addRow("%s@%dx", name.data(), k) << id << k << false;
            if (id.kind == PictureKind::EmptyCell)
                QTest::addRow("%s complete@%dx", name.data(), k) << id << k << true;
        }
}

void SameDrawingTest::runTimeDrawingIsTheShippedOne() {
    QFETCH(PictureId, id);
    const QString name = id.fileName();
    QFETCH(int, k);
    QFETCH(bool, complete);
    const auto drawing = celldrawing::cellDrawing(id);
    QVERIFY(drawing);
    QImage expected = shipped(name, k);
    const int pieces = cell::pieceCount(drawing->structure());
    celldrawing::View view{{}, double(k), Finish::Refined};
    if (complete) {
        // The pieces as the screen lays them over the empty cell, in order.
        QPainter p(&expected);
        for (int i = 0; i < pieces; ++i) {
            const cell::Rect2 r = cell::pieceRect(drawing->structure(), i);
            p.drawImage(QPoint(r.left, r.top) * k,
                        shipped(pictures::piece(drawing->structure(), i).fileName(), k));
        }
        view.piecesIn.assign(std::size_t(pieces), true);
    }
    const auto words = [k](PictureId word) { return shipped(word.fileName(), k); };
    QImage drawn = drawing->draw(view, words).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(1);
    QCOMPARE(drawn.size(), expected.size());
    const Difference d = compare(drawn, expected);
    const double share = 100.0 * d.pixels / (drawn.width() * drawn.height());
    qInfo("%s%s@%dx: %.3f %% of %d pixels more than 32 off (largest difference %d)",
          qPrintable(name), complete ? " complete" : "", k, share, drawn.width() * drawn.height(),
          d.largest);
    QVERIFY2(share <= 0.5, qPrintable(QStringLiteral("%1 %").arg(share)));
}

MIROSUTA_TEST_CLASS(SameDrawingTest)
#include "tst_samedrawing.moc"
