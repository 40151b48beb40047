#pragma once

#include "controlname.h"
#include "screencontext.h"
#include "screendesign.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <optional>

class TextPanel;

// One window of the program, built from its screen's declaration at each
// opening: its elements, text panels, tab order and presses. A press runs
// the declared steps: the next stage when the element leads to it, and what
// the element does at every press. A screen asks for moves and reports the
// texts it cannot show through its signals; whoever opened it decides.
//
// Screens whose declaration does not say all they do (the drill) derive from
// it and add their own handlers.
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
    // How many stages the screen has gone through since it opened.
    int stage() const { return m_stage; }

    // An element of the screen by its control name; nullptr when it has none.
    QWidget* element(const QString& name) const { return m_elements.value(name); }
    template <class T> T* element(const ControlName& name) const {
        return qobject_cast<T*>(element(name.text()));
    }

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
    // Runs the steps in turn; false when a step ended the press early.
    bool run(const std::vector<Step>& steps);

    const ScreenDesign& m_design;
    ScreenContext m_context;
    QHash<QString, QWidget*> m_elements;
    QPointer<QWidget> m_firstFocus;
    int m_stage = 0;
};
