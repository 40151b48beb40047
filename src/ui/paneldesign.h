#pragma once

#include "screenid.h"

#include <QList>
#include <QRect>
#include <QString>

// How a text panel is grounded: white text on blue or on dark blue.
enum class PanelGround { Blue, DarkBlue };

// One text panel of one screen as its screen's declaration gives it: where it
// lies, how it looks and which text fills it. The screens build their panels
// from it, and the content checker measures the texts against it.
struct PanelDesign {
    ScreenId screen;
    QString name; // the panel's control name, "List1"
    QString file; // the text that fills it, below the base folder: "\説明\メニュー\msg1.txt"
    QRect twips;  // left, top, width, height in twips
    PanelGround ground;
    bool shownAtStart; // visible when the screen opens
};

// Every text panel of every screen, in the order of the screens and of their
// elements: one per explanation text.
const QList<PanelDesign>& allPanelDesigns();
