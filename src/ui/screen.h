#pragma once

#include "controlname.h"
#include "screenid.h"
#include "textpanel.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>

class Picture;
class PictureButton;
class Label;
class Shape;
class QGroupBox;
struct AccessibleText;

// One window of the program, built from its design in the constructor. Element
// geometry is given in twips; every element carries its control name as its
// objectName ("Command1", "Image3(4)").
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(ScreenId id);
    ScreenId id() const { return m_id; }
    const ScreenInfo& info() const { return screenInfo(m_id); }

    // The load step: fills the text panels and sets the screen's own variables.
    virtual void formLoad() {}

    QWidget* firstFocus() const { return m_firstFocus; }

    // The name of element i of a control array: "Image3(4)".
    static QString arrayName(const QString& name, int index);

signals:
    // What the screen asks of whoever opened it (the navigator decides).
    void switchRequested(ScreenId target);
    void closeRequested();
    void contentFailed(const QString& fullPath, const QString& reason);

protected:
    void closeEvent(QCloseEvent* e) override;

    // A picture at its natural size with its top left corner at (left, top);
    // an empty picture name leaves the element without a picture.
    Picture* addPicture(ControlName name, int left, int top, const QString& picture,
                        bool visible = true, QWidget* parent = nullptr);
    PictureButton* addButton(ControlName name, const QString& picture, const QString& word,
                             QRect twips, bool visible = true);
    // The screen's text panel of that name, as its design says (paneldesign.h).
    TextPanel* addPanel(ControlName name);
    Label* addLabel(ControlName name, QRect twips, const QString& caption, double points,
                    const QColor& text, const QColor& ground = QColor(),
                    Qt::Alignment align = Qt::AlignCenter, QWidget* parent = nullptr);
    Shape* addShape(ControlName name, QRect twips, const QColor& outline);
    QGroupBox* addFrame(ControlName name, QRect twips, const QString& caption, double points,
                        const QColor& captionColour);

    void setFocusOrder(std::initializer_list<QWidget*> order);
    void setFirstFocus(QWidget* w) { m_firstFocus = w; }

    // What a screen reader says for the element; an empty name or description
    // leaves that part as it is.
    static void nameElement(QWidget* w, const AccessibleText& text);

    // An element that has just appeared in the learner's way takes the focus
    // while the keyboard is in use; a mouse user's focus stays where it was.
    static void giveKeyboardFocus(QWidget* w);

    // A step of a lesson: the elements of the first list go, those of the
    // second appear in their place.
    static void showInstead(std::initializer_list<QWidget*> gone,
                            std::initializer_list<QWidget*> shown);

    // FillListFromFile on a panel of this screen, from the text its design
    // names. False when the text could not be shown: that has been reported,
    // the screen is closing and the caller stops.
    bool fill(TextPanel* panel);
    // The panels in turn, up to the first that fails.
    bool fill(std::initializer_list<TextPanel*> panels);

    // The program's own names for what a screen asks.
    void SwitchScreen(ScreenId target) { emit switchRequested(target); }
    void ReportContentFailure(const QString& fullPath, const QString& reason) {
        emit contentFailed(fullPath, reason);
    }

private:
    ScreenId m_id;
    QPointer<QWidget> m_firstFocus;
};

// How a family of screens hands each of its screens to whoever opens them.
using ScreenFactory = std::function<Screen*()>;
using AddScreen = std::function<void(ScreenId, ScreenFactory)>;

// Twips rectangle shorthand for designs: QRect of pixels from twips.
QRect twips(int left, int top, int width, int height);
