#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A push button whose whole face is a picture that carries the button's word.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // face: the name of one of the program's pictures.
    PictureButton(const QString& face, const QString& word, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_faceName;
    QPixmap m_face;
};
