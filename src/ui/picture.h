#pragma once

#include "clickablelabel.h"

#include <QPixmap>

// A picture element: shows a picture at its natural size and reports clicks.
class Picture : public ClickableLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    void setPicture(const QPixmap& pixmap); // the element takes the picture's size
    QPixmap picture() const { return m_picture; }

    // The program's own name of the picture shown ("marker"), empty for a
    // picture read from the content folder.
    void setPictureName(const QString& name) { m_pictureName = name; }
    QString pictureName() const { return m_pictureName; }

protected:
    void paintContents(QPaintEvent* e) override;

private:
    QPixmap m_picture;
    QString m_pictureName;
};
