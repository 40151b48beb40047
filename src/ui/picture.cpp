#include "picture.h"

#include "picturecatalog.h"
#include "picturestore.h"

#include <QPainter>

Picture::Picture(QWidget* parent) : ClickableLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::setPicture(const QPixmap& pixmap) {
    m_pictureName.clear();
    take(pixmap);
}

void Picture::take(const QPixmap& pixmap) {
    m_pending = false;
    m_picture = pixmap;
    setPixmap(pixmap);
    resize(pixmap.deviceIndependentSize().toSize());
}

void Picture::setProgramPicture(const QString& name) {
    m_pictureName = name;
    // A new element counts as hidden until it or its window is shown; only
    // one hidden on purpose waits.
    if (!isHidden() || !testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        take(PictureStore::pixmap(name));
        return;
    }
    // The catalog gives the size, so the element stands where it will show.
    m_picture = QPixmap();
    m_pending = true;
    resize(pictureSize(name));
}

QPixmap Picture::picture() {
    readPending();
    return m_picture;
}

void Picture::readPending() {
    if (m_pending)
        take(PictureStore::pixmap(m_pictureName));
}

void Picture::showEvent(QShowEvent* e) {
    readPending();
    ClickableLabel::showEvent(e);
}

void Picture::paintContents(QPaintEvent* e) {
    if (m_picture.isNull() || !isEnabled()) {
        ClickableLabel::paintContents(e);
        return;
    }
    // A program picture follows the ratio it is drawn at: it moves between a
    // window and the full screen.
    if (!m_pictureName.isEmpty() &&
        m_picture.devicePixelRatio() != PictureStore::ratioFor(devicePixelRatioF()))
        m_picture = PictureStore::pixmap(m_pictureName, devicePixelRatioF());
    // At 125 % or 150 % the twice-size picture is shrunk to 0.625 or 0.75 of
    // its pixels; without filtering that drops its one-pixel lines. At 100 %
    // and 200 % the picture meets the screen pixel for pixel and this is a copy.
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRectF(contentsRect().topLeft(), m_picture.deviceIndependentSize()), m_picture,
                 QRectF(m_picture.rect()));
}
