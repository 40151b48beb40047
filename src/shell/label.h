#pragma once

#include <QLabel>

// A label with its own colours, font and alignment that reports clicks. Link
// labels look like any other label: no underline, no change of the pointer.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    void setColours(const QColor& text, const QColor& ground); // invalid ground: transparent

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_pressed = false;
};
