#pragma once

#include <QListWidget>

// A text panel: a list box of explanation text, one item per line of its file,
// white bold Mincho on blue or dark blue. Rows are cut at the right edge, never
// wrapped; a click only highlights a row.
class TextPanel : public QListWidget {
    Q_OBJECT
public:
    enum class Ground { Blue, DarkBlue };
    explicit TextPanel(Ground ground, QWidget* parent = nullptr);
    Ground ground() const { return m_ground; }
    QStringList lines() const;

private:
    Ground m_ground;
};
