#include "label.h"

#include <QMouseEvent>

Label::Label(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
}

void Label::setColours(const QColor& text, const QColor& ground) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, text);
    if (ground.isValid()) {
        pal.setColor(QPalette::Window, ground);
        setAutoFillBackground(true);
    } else {
        setAutoFillBackground(false);
    }
    setPalette(pal);
}

void Label::mousePressEvent(QMouseEvent* e) {
    m_pressed = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        emit clicked();
}
