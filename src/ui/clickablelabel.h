#pragma once

#include <QLabel>

// What labels and pictures share: a click is a left press and release inside
// the element. An element that acts (a marker, a link) can also be reached
// with Tab and taken with Space or Enter, exactly as a click takes it, and is
// announced to screen readers as a button or a link.
//
// For the mouse such an element is unchanged: a click gives it no focus, and
// it draws its focus frame only while the keyboard is in use.
class ClickableLabel : public QLabel {
    Q_OBJECT
    friend class ClickableLabelAccessible;

public:
    enum class Kind { Plain, Button, Link };

    explicit ClickableLabel(QWidget* parent = nullptr);

    void setKind(Kind kind);
    Kind kind() const { return m_kind; }

    // Acts as a click does: used by the keys and by assistive technology.
    void activate();

    // True once a key was pressed after the last mouse press anywhere in the
    // program (assistive technology's actions count as keys).
    static bool keyboardInUse();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // Draws what the label shows, under the focus frame; QLabel's own drawing.
    virtual void paintContents(QPaintEvent* e) { QLabel::paintEvent(e); }

    // What a screen reader reads as the description: the element's own.
    virtual QString spokenDescription() const { return accessibleDescription(); }

    // The focus frame lies this many pixels inside the element's edge.
    void setFocusFrameInset(int pixels) { m_frameInset = pixels; }

private:
    Kind m_kind = Kind::Plain;
    bool m_pressed = false;
    int m_frameInset = 0;
};
