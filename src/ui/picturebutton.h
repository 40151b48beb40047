#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A push button whose whole face is a picture that carries the button's word.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QPixmap& face, const QString& word, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap m_face;
};
