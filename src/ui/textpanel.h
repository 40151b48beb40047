#pragma once

#include "paneldesign.h"

#include <QListWidget>

// A text panel: a list box of explanation text, one item per line of its file,
// white bold Mincho on blue or dark blue, powers and subscripts raised and lowered. Rows are cut at
// the right edge, never wrapped; a click only highlights a row.
class TextPanel : public QListWidget {
    Q_OBJECT
public:
    using Ground = PanelGround;
    explicit TextPanel(Ground ground, QWidget* parent = nullptr);
    Ground ground() const { return m_ground; }
    // The rows as the file writes them, markup and all.
    QStringList lines() const;
    // Fills the panel with these rows; a row with powers, charges or
    // subscripts (linemarkup.h) is drawn with them raised or lowered, and a
    // screen reader hears it in words.
    void setLines(const QStringList& lines);

    // How the panel's rows fit it at its present size and with its present
    // items: the rows that show whole without scrolling, and the width that a
    // row's text has before the right edge cuts it off (less the scroll bar
    // when the rows need one).
    int rowsInView() const;
    int textRoom() const;
    // The width of a row's text as drawn: its markup left out, raised and
    // lowered runs in their smaller size.
    int drawnWidth(const QString& line) const;
    // Pixels of a row's text that the right edge cuts off; 0 when it fits.
    int cutOffPixels(const QString& line) const;

private:
    Ground m_ground;
};

// Empties the panel, then adds every line of baseFolder + relative as one item.
// Returns why the file cannot be read or shown, in Japanese (the panel stays
// empty), or an empty string when it is filled.
QString FillListFromFile(TextPanel* panel, const QString& baseFolder, const QString& relative);

// A panel built from its design, hidden or shown as designed, with no text yet.
TextPanel* buildPanel(const PanelDesign& design, QWidget* parent);
