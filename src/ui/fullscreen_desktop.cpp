#include "fullscreen.h"

#include "screen.h"
#include "screendesign.h"
#include "screenwindow.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <cmath>

namespace {

// The window that fills the display and holds the open screen, centred, on
// the screens' own ground.
class Stage : public QWidget {
public:
    explicit Stage(Navigator& navigator) : m_navigator(navigator) {}

    void centre(QWidget* screen) const {
        QRect r(QPoint(0, 0), screen->size());
        r.moveCenter(rect().center());
        screen->move(r.topLeft());
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        for (QWidget* w : findChildren<Screen*>(Qt::FindDirectChildrenOnly))
            centre(w);
    }

    // Alt+F4 or the taskbar's close ends the program, as the window's close box does.
    void closeEvent(QCloseEvent* e) override {
        if (Screen* s = m_navigator.current(); s && s->parentWidget() == this) {
            e->ignore();
            s->close();
        }
    }

private:
    Navigator& m_navigator;
};

// Qt's private per-display scale: on Linux it multiplies the scale the desktop
// sets, on Windows it takes the place of the system's; the display's ratio
// afterwards tells which, and the second call corrects the first.
void setDisplayScale(QScreen* display, qreal wanted) {
    QHighDpiScaling::setScreenFactor(display, wanted);
    const qreal got = display->devicePixelRatio();
    if (!qFuzzyCompare(got, wanted))
        QHighDpiScaling::setScreenFactor(display, wanted * wanted / got);
    // The application's ratio picks the pictures of new elements; it is cached.
    QGuiApplicationPrivate::resetCachedDevicePixelRatio();
}

// The largest scale at which the whole design fits the display, nudged (by a
// thousandth or so) where Qt, which rounds a window's size to whole design
// pixels, would leave the last column or row of the display unpainted.
qreal fittingScale(QSizeF display, QSizeF design) {
    const qreal fit = qMin(display.width() / design.width(), display.height() / design.height());
    const auto covers = [&](qreal k) {
        const auto painted = [k](qreal pixels) { return qRound(qRound(pixels / k) * k) >= pixels; };
        // The design may stand out by a display pixel at most.
        return painted(display.width()) && painted(display.height()) &&
               design.width() * k <= display.width() + 1 &&
               design.height() * k <= display.height() + 1;
    };
    qreal best = fit;
    for (const qreal pixels : {display.width(), display.height()})
        for (const qreal units : {std::floor(pixels / fit), std::ceil(pixels / fit)}) {
            const qreal k = pixels / units;
            if (covers(k) && (!covers(best) || qAbs(k - fit) < qAbs(best - fit)))
                best = k;
        }
    return best;
}

// Gives the focus back to the element that had it once its window is active.
void refocus(Screen* screen, QWidget* focus) {
    screen->activateWindow();
    if (focus && screen->isAncestorOf(focus))
        focus->setFocus(Qt::OtherFocusReason);
    else if (QWidget* f = screen->firstFocus())
        f->setFocus(Qt::OtherFocusReason);
}

} // namespace

FullScreen::FullScreen(Navigator& navigator) : m_navigator(navigator) {
    qApp->installEventFilter(this);
    navigator.setHost(this);
}

FullScreen::~FullScreen() {
    m_navigator.setHost(nullptr);
    // The display's scale is the process's: whatever comes after gets it back.
    if (isOn() && m_display)
        setDisplayScale(m_display, m_displayFactor);
    delete m_stage;
}

void FullScreen::toggle() {
    if (isOn())
        leave();
    else
        enter();
}

void FullScreen::enter() {
    if (isOn())
        return;
    Screen* open = m_navigator.current();
    QScreen* display = open ? open->screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    QWidget* focus = open ? open->focusWidget() : nullptr;
    // The largest scale at which the whole design fits the display's pixels.
    m_displayFactor = display->devicePixelRatio();
    const QSizeF pixels = QSizeF(display->geometry().size()) * m_displayFactor;
    const qreal scale = fittingScale(
        pixels, QSizeF(twipsToPixels(kFullClient.width()), twipsToPixels(kFullClient.height())));
    if (open)
        open->hide();
    setDisplayScale(display, scale);
    m_display = display;
    m_scale = scale;

    auto* stage = new Stage(m_navigator);
    stage->setObjectName(QStringLiteral("fullScreenStage"));
    stage->setAutoFillBackground(true);
    stage->move(display->geometry().topLeft());
    m_stage = stage;
    if (open)
        host(open);
    stage->showFullScreen();
    if (open)
        refocus(open, focus);
}

void FullScreen::leave() {
    if (!isOn())
        return;
    QWidget* stage = m_stage;
    m_stage = nullptr;
    Screen* open = m_navigator.current();
    QWidget* focus = open ? open->focusWidget() : nullptr;
    if (open && open->parentWidget() == stage) {
        open->hide();
        open->setParent(nullptr);
        open->setWindowFlags(screenWindowFlags());
    }
    stage->hide();
    if (m_display)
        setDisplayScale(m_display, m_displayFactor);
    m_scale = 1.0;
    // A key press the stage is still handling may be its own.
    stage->deleteLater();
    if (open) {
        Navigator::showInWindow(open);
        refocus(open, focus);
    }
}

bool FullScreen::host(Screen* screen) {
    if (!m_stage)
        return false;
    place(screen);
    screen->setVisible(true);
    return true;
}

void FullScreen::place(Screen* screen) {
    auto* stage = static_cast<Stage*>(m_stage.data());
    screen->setParent(stage);
    // The margins in the screens' ground; the taskbar names the open screen.
    stage->setPalette(screen->palette());
    stage->setWindowTitle(screen->windowTitle());
    stage->setWindowIcon(screen->windowIcon());
    stage->setAccessibleName(screen->windowTitle());
    stage->centre(screen);
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    // Taken where a key reaches the program's window, before any element.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F11) {
        if (!key->isAutoRepeat())
            toggle();
        return true;
    }
    if (key->key() == Qt::Key_Escape && isOn()) {
        leave();
        return true;
    }
    return false;
}
