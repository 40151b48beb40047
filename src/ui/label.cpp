#include "label.h"

Label::Label(QWidget* parent) : ClickableLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFocusFrameInset(2);
}

void Label::setColours(const QColor& text, const QColor& ground) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, text);
    if (ground.isValid()) {
        pal.setColor(QPalette::Window, ground);
        setAutoFillBackground(true);
    } else {
        setAutoFillBackground(false);
    }
    setPalette(pal);
}
