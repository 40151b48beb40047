#pragma once

#include <QLabel>
#include <QPixmap>

// A picture element: shows a picture at its natural size and reports clicks.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    void setPicture(const QPixmap& pixmap); // the element takes the picture's size
    QPixmap picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};
