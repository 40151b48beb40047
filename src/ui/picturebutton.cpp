#include "picturebutton.h"

#include "picturestore.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

PictureButton::PictureButton(const QString& face, const QString& word, QWidget* parent)
    : QAbstractButton(parent), m_faceName(face), m_face(PictureStore::pixmap(face)) {
    setText(word);
    setAccessibleName(word);
    setToolTip(QString());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const {
    return m_face.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    // The face follows the ratio it is drawn at: the button moves between a
    // window and the full screen.
    if (m_face.devicePixelRatio() != PictureStore::ratioFor(devicePixelRatioF()))
        m_face = PictureStore::pixmap(m_faceName, devicePixelRatioF());
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF faceSize = m_face.deviceIndependentSize();
    QRectF target(QPointF(0, 0), faceSize);
    target.moveCenter(QRectF(rect()).center());
    if (isDown())
        target.translate(1, 1); // the face sinks while pressed
    p.drawPixmap(target, m_face, QRectF(m_face.rect()));
    if (isDown())
        p.fillRect(rect(), QColor(0, 0, 0, 40));
    if (hasFocus()) {
        QPen pen(Qt::white, 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}
