#include "latticecommon.h"

#include "screen.h"

namespace {

// Word buttons are 107 x 49 pixels.
constexpr int kButtonWidth = 1605, kButtonHeight = 735;
constexpr int kRightMargin = 240, kBottomMargin = 180, kButtonGap = 180;
constexpr int kPlateLeft = 240, kPlateAboveButtons = 30;

} // namespace

QRect bottomButton(const Screen& screen, int column) {
    const QSize client = screen.info().clientTwips;
    const int menuLeft = client.width() - kRightMargin - kButtonWidth;
    const int left = menuLeft - (1 - column) * (kButtonWidth + kButtonGap);
    const int top = client.height() - kBottomMargin - kButtonHeight;
    return twips(left, top, kButtonWidth, kButtonHeight);
}

QPoint titlePlaceTwips(const Screen& screen) {
    const QSize client = screen.info().clientTwips;
    return {kPlateLeft, client.height() - kBottomMargin - kButtonHeight - kPlateAboveButtons};
}
