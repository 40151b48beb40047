// What a text panel says of its room against what Qt draws in it: a row far
// too long is cut where textRoom() says, with and without the scroll bar, in
// the program's look (on Windows too, under its own font engine).

#include "drilldesign.h"
#include "startdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

class TextRoomTest : public QObject {
    Q_OBJECT

private slots:
    void rowIsCutAtTheRoom_data();
    void rowIsCutAtTheRoom();
};

void TextRoomTest::rowIsCutAtTheRoom_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<ControlName>("panel");
    QTest::addColumn<int>("rows");
    QTest::newRow("スタート List1") << ScreenId::Start << controls::start::List1 << 1;
    QTest::newRow("スタート List1, scrolling") << ScreenId::Start << controls::start::List1 << 60;
    QTest::newRow("ドリル List1, scrolling") << ScreenId::Drill << controls::drill::List1 << 60;
}

void TextRoomTest::rowIsCutAtTheRoom() {
    QFETCH(ScreenId, screen);
    QFETCH(ControlName, panel);
    QFETCH(int, rows);
    Harness h;
    h.open(screen);
    auto* p = qobject_cast<TextPanel*>(h.named(panel));
    QVERIFY(p);
    // A row of solid squares far wider than the panel, shifted by spaces so
    // that the room's edge falls inside a square's ink, not between two.
    const QChar square(0x25A0);
    const QFontMetricsF fm(p->font());
    const qreal advance = fm.horizontalAdvance(square);
    const QRectF ink = fm.boundingRect(square);
    const int start = p->contentsRect().left() +
                      p->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, p) + 1;
    QString prefix;
    for (int k = 0; k <= 12; ++k) {
        prefix = QString(k, QChar(' '));
        const qreal into = std::fmod(p->textRoom() - fm.horizontalAdvance(prefix), advance);
        if (into > ink.left() + 3 && into < ink.right() - 3)
            break;
    }
    QStringList lines{prefix + QString(120, square)};
    for (int i = 1; i < rows; ++i)
        lines << QStringLiteral("行");
    p->clear();
    p->addItems(lines);
    p->show();
    // The view lays its rows out from a zero timer, which a browser delivers only
    // once the test has returned to the page: lay them out now, on every platform.
    p->doItemsLayout();
    QTRY_COMPARE(p->verticalScrollBar()->isVisible(), rows > p->rowsInView());
    p->scrollToTop();

    const QImage image = p->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect row = p->visualItemRect(p->item(0));
    row.moveTopLeft(p->viewport()->mapTo(p, row.topLeft()));
    // White text on blue: the inked columns of the first row, inside the frame.
    const QRect view = p->viewport()->geometry();
    int left = -1, right = -1;
    for (int x = view.left(); x <= view.right(); ++x)
        for (int y = row.top() + 2; y < row.bottom() - 1; ++y)
            if (qRed(image.pixel(x, y)) > 128) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
    QVERIFY(left >= 0);
    // The text begins where the first square's ink says; the room ends that far on.
    const qreal origin = left - ink.left() - fm.horizontalAdvance(prefix);
    QVERIFY2(qAbs(origin - start) <= 1.0, qPrintable(QString::number(origin)));
    const qreal edge = origin + p->textRoom();
    const qreal squares = origin + fm.horizontalAdvance(prefix);
    qreal expected = -1;
    for (int i = 0; squares + i * advance + ink.left() < edge; ++i)
        expected = std::min(edge, squares + i * advance + ink.right()) - 1;
    QVERIFY2(qAbs(right - expected) <= 1.0,
             qPrintable(QStringLiteral("drawn to column %1, the room ends at %2 (room %3)")
                            .arg(right)
                            .arg(expected)
                            .arg(p->textRoom())));
}

MIROSUTA_TEST_CLASS(TextRoomTest)
#include "tst_textroom.moc"
