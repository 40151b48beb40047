#pragma once

#include "clickablelabel.h"

// A label with its own colours, font and alignment that reports clicks. Link
// labels look like any other label: no underline, no change of the pointer.
class Label : public ClickableLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    void setColours(const QColor& text, const QColor& ground); // invalid ground: transparent
    // A caption that may write powers and subscripts as the texts do (N_A,
    // 10^-8, linemarkup.h): drawn raised or lowered, spoken in words.
    void setMarkedText(const QString& caption);
};
