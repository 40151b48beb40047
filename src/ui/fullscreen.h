#pragma once

#include "navigator.h"

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>

// The design scaled up to fill a classroom's big screen: F11 toggles it and
// Esc leaves it. The screens keep their size in design pixels and lie,
// centred, in one window that fills the display, whose scale Qt sets to as
// many display pixels per design pixel as fit; so Qt itself draws the text at
// the larger size, the pictures from their twice-size set and the turnable
// drawings at the display's resolution, maps every press, and tells a screen
// reader where each element is drawn. One file per platform:
// fullscreen_desktop.cpp, and fullscreen_browser.cpp, where the page fits the
// design to the tab and the browser's own F11 fills the screen.
class FullScreen : public QObject, public ScreenHost {
    Q_OBJECT
public:
    // Hosts the navigator's screens while it is on; the keys work from now on.
    explicit FullScreen(Navigator& navigator);
    ~FullScreen() override;

    bool isOn() const { return m_stage != nullptr; }
    // The open screen moves as it is, in its stage, with its focus.
    void enter();
    void leave();
    void toggle();

    // The window that holds the screens while it is on, else nullptr.
    QWidget* stage() const { return m_stage; }
    // Display pixels per design pixel while it is on, else 1.
    qreal scale() const { return m_scale; }

    bool host(Screen* screen) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(Screen* screen);

    Navigator& m_navigator;
    QPointer<QWidget> m_stage;
    QPointer<QScreen> m_display;
    qreal m_scale = 1.0;
    qreal m_displayFactor = 1.0; // the display's own scale, given back on leaving
};
