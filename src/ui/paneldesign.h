#pragma once

#include "screenid.h"
#include "textpanel.h"

#include <QList>
#include <QRect>
#include <QString>

// One text panel of one screen as designed: the one place that says where a
// panel lies, how it looks and which text fills it. The screens build their
// panels from it, and the content checker measures the texts against it.
struct PanelDesign {
    ScreenId screen;
    QString name; // the panel's control name, "List1"
    QString file; // the text that fills it, below BaseFolder: "\説明\メニュー\msg1.txt"
    QRect twips;  // left, top, width, height in twips
    TextPanel::Ground ground;
    bool shownAtStart; // visible when the screen opens
};

// Every text panel of the program: one per explanation text, forty-two in all.
const QList<PanelDesign>& allPanelDesigns();

// The design of a screen's panel; the program ends with a message if there is none.
const PanelDesign& panelDesign(ScreenId screen, const QString& name);

// A panel built from its design, hidden or shown as designed, with no text yet.
TextPanel* buildPanel(const PanelDesign& design, QWidget* parent);
