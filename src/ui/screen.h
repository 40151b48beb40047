#pragma once

#include "screencontext.h"
#include "screendesign.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <optional>

class TextPanel;

// One window of the program, built from its screen's declaration at each
// opening: its elements, text panels, tab order, states and presses. A press
// leads where the open state, or the screen, declares: into another state
// (showing, hiding and reading what that state declares) or to another
// screen. A screen asks for moves and reports the texts it cannot show
// through its signals; whoever opened it decides.
//
// Screens whose declaration does not say all they do (the drill) derive from
// it (TypedScreen) and add their own handlers; they enter their declared
// states themselves.
class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(const ScreenDesign& design, const ScreenContext& context);
    ScreenId id() const { return m_design.id; }
    const ScreenDesign& design() const { return m_design; }

    // The load step, run once the elements are built and before the window
    // shows: fills the panels that no stage fills. Returns the text that
    // could not be shown, if one could not; the screen is then never shown.
    virtual std::optional<ContentFailure> formLoad();

    // The screen is being closed (a move, the end of the program or a failed
    // text): whatever runs on its own, a timer or a game, stops here.
    virtual void leaving() {}

    QWidget* firstFocus() const { return m_firstFocus; }
    // The state the screen is in, an index of its declaration's states.
    int state() const { return m_state; }
    const QString& stateName() const { return m_design.states[std::size_t(m_state)].name; }

    // The element that a press of the transition takes now: its element, or
    // for an answer key the key the screen's class names; empty when no
    // press can take that way now.
    virtual QString pressFor(const Transition& t) const;
    // What the screen holds beyond its state (a game's progress), so that a
    // walk through the states can tell two visits of one state apart.
    virtual QString progress() const { return {}; }

    // An element of the screen by its control name, as the declaration names
    // it; nullptr when it has none. Code that knows the screen takes its
    // names typed (TypedScreen::element).
    QWidget* element(const QString& name) const { return m_elements.value(name); }

    // What a screen reader says for the element; an empty name or description
    // leaves that part as it is.
    static void nameElement(QWidget* w, const AccessibleText& text);

signals:
    // What the screen asks of whoever opened it.
    void switchRequested(ScreenId target);
    void closeRequested();
    // Delivered after the handler that found the failure has returned.
    void contentFailed(const QString& fullPath, const QString& reason);

protected:
    void closeEvent(QCloseEvent* e) override;

    const ScreenContext& context() const { return m_context; }

    // A press of the element, as the declaration says.
    void pressed(const QString& element);
    // Enters the state: reads the panels it fills, shows and hides what it
    // declares against the state the screen is in, and gives the focus.
    // False when a text could not be shown (the screen is then closing).
    bool enterState(int state);
    // Enters the state that the open state's keys of the array lead to, when
    // they all lead to that one state (a first digit, whichever it is).
    bool followKeys(const QString& keys);

    // FillListFromFile on a panel of this screen, from the text its design
    // names.
    std::optional<ContentFailure> fill(TextPanel* panel) const;
    // A failure found in a handler: the navigator hears of it once the handler
    // has returned.
    void reportLater(const ContentFailure& failure);

    // A step of a handler: the elements of the first list go, those of the
    // second appear in their place (shown first, so that a focus leaving a
    // hidden element moves on to them).
    static void showInstead(std::initializer_list<QWidget*> gone,
                            std::initializer_list<QWidget*> shown);
    // An element that has just appeared in the learner's way takes the focus
    // while the keyboard is in use; a mouse user's focus stays where it was.
    static void giveKeyboardFocus(QWidget* w);

private:
    void build(const ElementDesign& e);
    void connectPress(const QString& element);
    void take(const Transition& t);

    const ScreenDesign& m_design;
    ScreenContext m_context;
    QHash<QString, QWidget*> m_elements;
    QPointer<QWidget> m_firstFocus;
    int m_state = 0;
};

// A screen whose class knows its declaration's names: its look-ups take the
// names of its tag alone, checked as it compiles.
template <class Tag> class TypedScreen : public Screen {
public:
    using Screen::element;
    using Screen::Screen;
    template <class T> T* element(NameOf<Tag> auto name) const {
        return qobject_cast<T*>(element(name.text()));
    }
    // Enters the declared state of that name.
    bool enterState(const char* name) {
        return Screen::enterState(design().stateIndex(QString::fromUtf8(name)));
    }
};
