#include "picture.h"

#include <QMouseEvent>

Picture::Picture(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::setPicture(const QPixmap& pixmap) {
    m_picture = pixmap;
    setPixmap(pixmap);
    resize(pixmap.deviceIndependentSize().toSize());
}

void Picture::mousePressEvent(QMouseEvent* e) {
    m_pressed = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        emit clicked();
}
