#include "latticecommon.h"

#include "screen.h"

namespace {

// Word buttons are 107 x 49 pixels.
constexpr int kButtonWidth = 1605, kButtonHeight = 735;
constexpr int kRightMargin = 240, kBottomMargin = 180, kButtonGap = 180;
constexpr int kPlateLeft = 240, kPlateAboveButtons = 30;

} // namespace

QString lessonText(cell::Structure s, int number) {
    QString folder;
    switch (s) {
    case cell::Structure::Bcc:
        folder = QStringLiteral("体心立方");
        break;
    case cell::Structure::Fcc:
        folder = QStringLiteral("面心立方");
        break;
    case cell::Structure::Hcp:
        folder = QStringLiteral("六方最密");
        break;
    }
    return QStringLiteral("\\説明\\%1\\msg%2.txt").arg(folder).arg(number);
}

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
