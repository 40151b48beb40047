#include "latticecommon.h"

#include "screen.h"

namespace {

// Word buttons are 107 x 49 pixels.
constexpr int kButtonWidth = 1605, kButtonHeight = 735;
constexpr int kRightMargin = 240, kBottomMargin = 180, kButtonGap = 180;
constexpr int kPlateLeft = 240, kPlateAboveButtons = 30;

// Each structure's text folder below 説明 and its chain of screens.
struct Chain {
    const char* folder;
    ScreenId screens[4]; // by Lesson
};

const Chain& chainOf(cell::Structure s) {
    using S = ScreenId;
    static const Chain chains[] = {
        {"体心立方", {S::BccIntro, S::BccInterior, S::BccAtoms, S::BccNeighbours}},
        {"面心立方", {S::FccIntro, S::FccInterior, S::FccAtoms, S::FccNeighbours}},
        {"六方最密", {S::HcpIntro, S::HcpInterior, S::HcpAtoms, S::HcpNeighbours}},
    };
    return chains[std::size_t(s)];
}

} // namespace

ScreenId lessonScreen(cell::Structure s, Lesson lesson) {
    return chainOf(s).screens[std::size_t(lesson)];
}

QString lessonText(cell::Structure s, int number) {
    return QStringLiteral("\\説明\\%1\\msg%2.txt")
        .arg(QString::fromUtf8(chainOf(s).folder))
        .arg(number);
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
