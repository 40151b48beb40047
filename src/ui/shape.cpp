#include "shape.h"

#include <QPainter>

Shape::Shape(const QColor& outline, QWidget* parent) : QWidget(parent), m_outline(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(m_outline);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
