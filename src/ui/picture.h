#pragma once

#include "clickablelabel.h"

#include <QPixmap>

// A picture element: shows a picture at its natural size and reports clicks.
class Picture : public ClickableLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    // A picture of the content folder; the element takes the picture's size.
    void setPicture(const QPixmap& pixmap);
    // One of the program's own pictures, by its name ("marker"). A hidden
    // element reads it only when it is first shown or asked for, so a screen
    // opens without decoding the pieces and marks the learner has not reached.
    void setProgramPicture(const QString& name);
    QPixmap picture(); // reads a pending picture

    // The program's own name of the picture shown, empty for a picture read
    // from the content folder.
    QString pictureName() const { return m_pictureName; }

protected:
    void showEvent(QShowEvent* e) override;
    void paintContents(QPaintEvent* e) override;

private:
    void take(const QPixmap& pixmap);
    void readPending();

    QPixmap m_picture;
    QString m_pictureName;
    bool m_pending = false;
};
