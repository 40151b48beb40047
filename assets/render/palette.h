#pragma once

// The colours the pictures share, so that one atom looks the same everywhere.

#include <QColor>

namespace palette {

inline const QColor kScreenCyan{0, 255, 255};
inline const QColor kCard{255, 255, 255};
inline const QColor kCardRim{120, 150, 200};

inline const QColor kAtomGreen{40, 200, 70};
inline const QColor kCutYellow{255, 222, 30};
inline const QColor kCornerRed{235, 35, 35};
inline const QColor kCornerRedCut{245, 105, 95};
inline const QColor kInnerMagenta{225, 35, 215};
inline const QColor kInnerMagentaCut{240, 125, 235};
inline const QColor kPaleGreen{175, 215, 180};
inline const QColor kPaleCut{240, 232, 180};
// The close-packed layers by their place: A green, B blue, C orange.
inline const QColor kLayerBlue{60, 120, 245};
inline const QColor kLayerOrange{255, 150, 20};
inline const QColor kEdgeBlue{25, 55, 230};
inline const QColor kGuideYellow{240, 195, 0};
inline const QColor kCellLine{40, 70, 200};

inline const QColor kPlateBlue{20, 60, 200};
inline const QColor kDarkBlue{0, 0, 128};
inline const QColor kButtonOrange{255, 128, 0};
inline const QColor kButtonBlue{0, 120, 255};
inline const QColor kHatchBlue{140, 195, 255};
inline const QColor kLineRed{220, 0, 0};
inline const QColor kLineMagenta{210, 0, 200};
inline const QColor kInk{20, 20, 60};

} // namespace palette
