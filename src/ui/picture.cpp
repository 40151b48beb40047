#include "picture.h"

#include <QPainter>

Picture::Picture(QWidget* parent) : ClickableLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::setPicture(const QPixmap& pixmap) {
    m_picture = pixmap;
    setPixmap(pixmap);
    resize(pixmap.deviceIndependentSize().toSize());
}

void Picture::paintContents(QPaintEvent* e) {
    if (m_picture.isNull() || !isEnabled()) {
        ClickableLabel::paintContents(e);
        return;
    }
    // At 125 % or 150 % the twice-size picture is shrunk to 0.625 or 0.75 of
    // its pixels; without filtering that drops its one-pixel lines. At 100 %
    // and 200 % the picture meets the screen pixel for pixel and this is a copy.
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRectF(contentsRect().topLeft(), m_picture.deviceIndependentSize()), m_picture,
                 QRectF(m_picture.rect()));
}
