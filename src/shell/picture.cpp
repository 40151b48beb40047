#include "picture.h"

Picture::Picture(QWidget* parent) : ClickableLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::setPicture(const QPixmap& pixmap) {
    m_picture = pixmap;
    setPixmap(pixmap);
    resize(pixmap.deviceIndependentSize().toSize());
}
