#include "latticeinteriordesign.h"
#include "latticerows.h"
#include "testmain.h"
#include "turnabledrawing.h"

#include <QGuiApplication>
#include <QWindow>
#include <windows.h>

using namespace latticetest;
using namespace controls::latticeInterior;

namespace {

// Windows' own pointer, moved and pressed as a mouse does it: the input goes
// through the system's queue and the window's messages to the program.
class SystemPointer {
public:
    explicit SystemPointer(QWidget* window) : m_ratio(window->windowHandle()->devicePixelRatio()) {}

    void moveTo(const QWidget* w, QPoint at) { send(w, at, MOUSEEVENTF_MOVE); }
    void press() { send(nullptr, {}, MOUSEEVENTF_LEFTDOWN); }
    void release() { send(nullptr, {}, MOUSEEVENTF_LEFTUP); }
    void click(const QWidget* w, QPoint at) {
        moveTo(w, at);
        press();
        release();
    }
    // A drag in steps from one point of the widget to another.
    void drag(const QWidget* w, QPoint from, QPoint to, int steps) {
        moveTo(w, from);
        press();
        for (int i = 1; i <= steps; ++i)
            moveTo(w, from + (to - from) * i / steps);
        release();
    }

private:
    void send(const QWidget* w, QPoint at, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        if (w) {
            // Absolute places run from 0 to 65535 across the primary screen.
            const QPoint p = w->mapToGlobal(at) * m_ratio;
            const int width = GetSystemMetrics(SM_CXSCREEN);
            const int height = GetSystemMetrics(SM_CYSCREEN);
            input.mi.dx = LONG((p.x() * 65536 + width / 2) / width);
            input.mi.dy = LONG((p.y() * 65536 + height / 2) / height);
            input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        }
        QVERIFY(SendInput(1, &input, sizeof input) == 1);
        // The messages reach the window before the next input, as a hand's would.
        QTest::qWait(20);
    }

    qreal m_ratio;
};

} // namespace

// 体心内部 in a real window under the windows platform (under Wine in
// scripts/windows --test): the ball-and-stick drawing turns under the
// system's mouse, and its marker still takes a click where its atom went.
class SystemPointerTest : public QObject {
    Q_OBJECT

private slots:
    void dragTurnsAndAClickTakesTheMarker();
};

void SystemPointerTest::dragTurnsAndAClickTakesTheMarker() {
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        QSKIP("needs Windows' own windows (QT_QPA_PLATFORM=windows)");
    Harness h;
    h.open(ScreenId::BccInterior);
    QVERIFY(QTest::qWaitForWindowExposed(h.current()));
    h.on<controls::latticeInterior::Tag>().click(Command1); // 実行: the first marker shows
    auto* drawing = h.on<controls::latticeInterior::Tag>().element<TurnableDrawing>(Image1);
    auto* marker = h.on<controls::latticeInterior::Tag>().element<QWidget>(Image3[0]);
    QVERIFY(drawing && marker && !marker->isHidden());
    const QImage rest = drawing->grab().toImage();
    const QPoint markerAt = marker->pos();
    SystemPointer pointer(h.current());

    // From the card's lower left corner, clear of every atom: 80 pixels right
    // and 20 up.
    const QPoint from(10, drawing->height() - 40);
    const auto clear = [&] {
        return h.current()->childAt(drawing->mapTo(h.current(), from)) == drawing;
    };
    QVERIFY(clear());
    pointer.drag(drawing, from, from + QPoint(80, -20), 8);
    QTRY_COMPARE(drawing->turn().right, 80 * TurnableDrawing::kDragStep);
    QCOMPARE(drawing->turn().up, 20 * TurnableDrawing::kDragStep);
    QVERIFY(drawing->grab().toImage() != rest);
    QVERIFY(marker->pos() != markerAt);
    QVERIFY(!h.on<controls::latticeInterior::Tag>().shown(Image4[0])); // a drag is no click

    // A click without motion where the marker now is puts its piece in.
    pointer.click(marker, marker->rect().center());
    QTRY_VERIFY(h.on<controls::latticeInterior::Tag>().shown(Image4[0]));

    // A double click brings back the designed view.
    QVERIFY(clear());
    pointer.click(drawing, from);
    pointer.click(drawing, from);
    QTRY_VERIFY(drawing->atDesignedView());
}

MIROSUTA_TEST_CLASS(SystemPointerTest)
#include "tst_systempointer_windows.moc"
