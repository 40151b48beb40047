#include "label.h"

#include "linemarkup.h"

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

void Label::setMarkedText(const QString& caption) {
    const LineMarkup markup = LineMarkup::parse(caption);
    if (!markup.hasMarkup()) {
        setTextFormat(Qt::PlainText);
        setText(caption);
        return;
    }
    QString html;
    for (const LineMarkup::Run& run : markup.runs()) {
        QString text = run.text.toHtmlEscaped();
        // The hyphen a teacher types is too short to read as a minus once
        // raised at seven tenths of the size: Cl⁻ looked like Cl.
        if (run.shift != LineMarkup::Shift::None)
            text.replace(u'-', QChar(0x2212));
        switch (run.shift) {
        case LineMarkup::Shift::Raised:
            html += QStringLiteral("<sup>%1</sup>").arg(text);
            break;
        case LineMarkup::Shift::Lowered:
            html += QStringLiteral("<sub>%1</sub>").arg(text);
            break;
        case LineMarkup::Shift::None:
            html += text;
            break;
        }
    }
    setTextFormat(Qt::RichText);
    setText(html);
    // Words for a screen reader, unless the declaration names it otherwise.
    if (accessibleName().isEmpty())
        setAccessibleName(markup.spoken());
}
