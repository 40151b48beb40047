// The full screen on a real display: run by tests/system/onscreen.sh on an X
// server of 1920 x 1080 with a window manager (MIROSUTA_TEST_CLASS=
// FullScreenTest); skipped elsewhere. Presses and keys go through the X
// server (xdotool), as a learner's do. With MIROSUTA_FULLSCREEN_SHOTS set,
// the display is saved there as fullscreen-*.png.
#include "fullscreen.h"
#include "startdesign.h"
#include "testmain.h"
#include "testsupport.h"
#include "textpanel.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

constexpr QSize kDisplay(1920, 1080);

// The display as the X server holds it, in its own pixels.
QImage display() {
    QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    shot.setDevicePixelRatio(1.0);
    return shot.convertToFormat(QImage::Format_RGB32);
}

void shoot(const QString& name) {
    const QString folder = qEnvironmentVariable("MIROSUTA_FULLSCREEN_SHOTS");
    if (!folder.isEmpty())
        display().save(folder + "/fullscreen-" + name + ".png");
}

// A rectangle of a widget in display pixels, as it is drawn.
QRect drawn(const QWidget* w, qreal scale) {
    const QRectF logical(w->mapToGlobal(QPoint(0, 0)), w->size());
    return QRectF(logical.topLeft() * scale, logical.size() * scale).toRect();
}

// The full screen's window, in display pixels, paints every one of them.
bool coversDisplay(const FullScreen& f) {
    const QSize logical = f.stage()->size();
    return qRound(logical.width() * f.scale()) >= kDisplay.width() &&
           qRound(logical.height() * f.scale()) >= kDisplay.height() &&
           qRound((logical.width() - 1) * f.scale()) < kDisplay.width();
}

// The window shows on the display, its first frame drawn.
bool exposed(const QWidget* w) {
    if (!QTest::qWaitFor([w] { return w->windowHandle() && w->windowHandle()->isExposed(); }))
        return false;
    QTest::qWait(300);
    return true;
}

// The shipped texts, for the screenshots.
bool shipTexts(Harness& h) {
    const QStringList texts = allTextFiles();
    return std::all_of(texts.begin(), texts.end(),
                       [&h](const QString& t) { return h.content.copyShipped(t); });
}

// スタート in its own window on the display, or nullptr.
Screen* openStart(Harness& h) {
    Screen* s = h.open(ScreenId::Start);
    return s && exposed(s) ? s : nullptr;
}

bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

void clickAt(QPoint p) {
    QVERIFY(xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"}));
}

// How steep the text's edges are: the mean squared step between neighbouring
// pixels over the mean step. Drawn at its size, an edge takes a pixel or two;
// stretched from a smaller drawing, it spreads over as many pixels as the
// stretch, with the same contrast.
double edgeSteepness(const QImage& image) {
    double squares = 0, steps = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int g = qGray(image.pixel(x, y));
            for (const int n : {qGray(image.pixel(x + 1, y)), qGray(image.pixel(x, y + 1))}) {
                squares += double(g - n) * (g - n);
                steps += std::abs(g - n);
            }
        }
    return steps > 0 ? squares / steps : 0;
}

} // namespace

class FullScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fillsTheDisplayCentred();
    void textIsDrawnLargerNotStretched();
    void pressesAndTheReaderFollowTheScale();
    void keysGoBackAndForth();

private:
    // Enters the full screen and waits until the window manager has given it the display.
    void enter(FullScreen& fullScreen);
};

// Skipped per function, not in initTestCase: a skip there leaves Qt Test's
// state skipping, and every later class in this executable would run nothing.
void FullScreenTest::init() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real display (tests/system/onscreen.sh)");
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), kDisplay);
}

void FullScreenTest::enter(FullScreen& fullScreen) {
    fullScreen.enter();
    QVERIFY(fullScreen.isOn());
    QTRY_VERIFY(fullScreen.stage()->windowHandle() &&
                fullScreen.stage()->windowHandle()->isExposed());
    QTRY_VERIFY(coversDisplay(fullScreen));
    QTest::qWait(300); // the first frame reaches the server
}

void FullScreenTest::fillsTheDisplayCentred() {
    // As the big screen's shortcut starts the program: full screen first.
    Harness h;
    QVERIFY(shipTexts(h));
    FullScreen fullScreen(h.navigator());
    enter(fullScreen);
    QVERIFY(h.open(ScreenId::Start));
    Screen* s = h.current();
    QTRY_VERIFY(s->isVisible());
    QTest::qWait(300);
    QCOMPARE(s->parentWidget(), fullScreen.stage());
    // About 1080 / 480: the height decides on a 16:9 display.
    QVERIFY2(std::abs(fullScreen.scale() - 2.25) < 0.005,
             qPrintable(QString::number(fullScreen.scale())));
    const QRect design = drawn(s, fullScreen.scale());
    QCOMPARE(design.height(), kDisplay.height());
    // The design keeps its shape: 768 x 2.25 wide.
    QVERIFY2(std::abs(design.width() - 1728) <= 1, qPrintable(QString::number(design.width())));
    QCOMPARE(design.top(), 0);
    QVERIFY2(
        std::abs(design.left() - (kDisplay.width() - design.right() - 1)) <= 3,
        qPrintable(QStringLiteral("left %1, right %2").arg(design.left()).arg(design.right())));
    // The margins are the screens' ground.
    const QImage shot = display();
    const QRgb ground = s->palette().color(QPalette::Window).rgb();
    for (const int x : {0, design.left() - 2, design.right() + 2, kDisplay.width() - 1})
        for (const int y : {0, kDisplay.height() / 2, kDisplay.height() - 1})
            QCOMPARE(shot.pixel(x, y), ground);
    shoot(QStringLiteral("スタート"));
}

void FullScreenTest::textIsDrawnLargerNotStretched() {
    Harness h;
    FullScreen fullScreen(h.navigator());
    Screen* s = openStart(h);
    QVERIFY(s);
    auto* panel = h.on<controls::start::Tag>().element<TextPanel>(controls::start::List1);
    const QImage window = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(window.size(), panel->size());

    enter(fullScreen);
    const qreal k = fullScreen.scale();
    const QImage large = display().copy(drawn(panel, k));
    QCOMPARE(large.size(), (QSizeF(panel->size()) * k).toSize());
    const QImage stretched =
        window.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double sharp = edgeSteepness(large), blurred = edgeSteepness(stretched);
    QVERIFY2(sharp > 1.5 * blurred,
             qPrintable(
                 QStringLiteral("edge steepness %1 drawn, %2 stretched").arg(sharp).arg(blurred)));
    // The panel as drawn, beside the window's drawing stretched to its size.
    if (const QString folder = qEnvironmentVariable("MIROSUTA_FULLSCREEN_SHOTS");
        !folder.isEmpty()) {
        large.save(folder + "/fullscreen-text-drawn.png");
        stretched.save(folder + "/fullscreen-text-stretched.png");
    }
}

void FullScreenTest::pressesAndTheReaderFollowTheScale() {
    Harness h;
    QVERIFY(shipTexts(h));
    FullScreen fullScreen(h.navigator());
    QVERIFY(openStart(h));
    enter(fullScreen);
    const qreal k = fullScreen.scale();
    QWidget* menu = h.current()->element(controls::start::Command1.text());
    // A screen reader's box, taken to display pixels as the platform's bridge
    // does with Qt's scale, lies where the button is drawn.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(menu);
    const QRectF box = spoken->rect();
    const QRect boxOnDisplay = QRectF(box.topLeft() * k, box.size() * k).toRect();
    QCOMPARE(boxOnDisplay, drawn(menu, k));
    // A press where the button is drawn on the display presses it.
    clickAt(drawn(menu, k).center());
    QTRY_COMPARE(h.currentName(), QStringLiteral("メニュー"));
    // The next screen opens in the full screen too.
    QCOMPARE(h.current()->parentWidget(), fullScreen.stage());
    QTRY_VERIFY(h.current()->isVisible());
    QTest::qWait(300);
    shoot(QStringLiteral("メニュー"));
    // The cell that turns, drawn at the display's resolution.
    h.navigator().switchScreen(ScreenId::BccInterior);
    QTRY_VERIFY(h.current() && h.current()->isVisible());
    QTest::qWait(500);
    shoot(QStringLiteral("体心内部"));
}

void FullScreenTest::keysGoBackAndForth() {
    Harness h;
    FullScreen fullScreen(h.navigator());
    Screen* s = openStart(h);
    QVERIFY(s);
    const QImage before = s->grab().toImage();
    s->activateWindow();
    QTRY_VERIFY(s->isActiveWindow());

    QVERIFY(xdotool({"key", "F11"}));
    QTRY_VERIFY(fullScreen.isOn());
    QTRY_VERIFY(coversDisplay(fullScreen));
    QTRY_VERIFY(fullScreen.stage()->isActiveWindow());
    QCOMPARE(s->parentWidget(), fullScreen.stage());

    QVERIFY(xdotool({"key", "F11"}));
    QTRY_VERIFY(!fullScreen.isOn());
    QVERIFY(s->isWindow() && exposed(s));
    QCOMPARE(s->size(), QSize(768, 480));
    QCOMPARE(s->devicePixelRatioF(), 1.0);
    // The window is as it was, pixel for pixel: the pictures are the window's again.
    QCOMPARE(s->grab().toImage(), before);

    // Esc leaves the full screen, and only that.
    s->activateWindow();
    QTRY_VERIFY(s->isActiveWindow());
    QVERIFY(xdotool({"key", "F11"}));
    QTRY_VERIFY(fullScreen.isOn());
    QTRY_VERIFY(fullScreen.stage()->isActiveWindow());
    QVERIFY(xdotool({"key", "Escape"}));
    QTRY_VERIFY(!fullScreen.isOn());
    QCOMPARE(h.currentName(), QStringLiteral("スタート"));
    QVERIFY(h.exits.statuses.isEmpty());
}

MIROSUTA_TEST_CLASS(FullScreenTest)
#include "tst_fullscreen.moc"
