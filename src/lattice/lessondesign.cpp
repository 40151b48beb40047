#include "lessondesign.h"

#include <QtGlobal>

namespace {

constexpr int kRightMargin = 240, kBottomMargin = 180, kButtonGap = 180;
constexpr int kPlateLeft = 240, kPlateAboveButtons = 30;

} // namespace

const LessonStructure& lessonStructure(cell::Structure s) {
    // Two close-packed cells drawn apart need a taller answer on 面心隣接 and 六方隣接.
    // clang-format off
    static const LessonStructure rows[] = {
        {cell::Structure::Bcc, "体心立方", "体心", "体心立方", kNarrowClient, 2970, 3015, 1200, {1, 2, 4, 8}},
        {cell::Structure::Fcc, "面心立方", "面心", "面心立方", kFullClient,   3300, 4020, 150,  {1, 2, 4, 8}},
        {cell::Structure::Hcp, "六方最密", "六方", "六方最密", kFullClient,   3570, 4020, 150,  {1, 2, 6}},
    };
    // clang-format on
    const LessonStructure& row = rows[std::size_t(s)];
    Q_ASSERT(row.structure == s);
    return row;
}

QPoint bottomButton(QSize client, int column) {
    const QSize button = buttonTwips(Word::Run);
    const int menuLeft = client.width() - kRightMargin - button.width();
    const int left = menuLeft - (1 - column) * (button.width() + kButtonGap);
    return {left, client.height() - kBottomMargin - button.height()};
}

QPoint titlePlace(QSize client) {
    return {kPlateLeft,
            client.height() - kBottomMargin - buttonTwips(Word::Run).height() - kPlateAboveButtons};
}

QString lessonFormName(const LessonStructure& l, const char* lesson) {
    return QString::fromUtf8(l.prefix) + QString::fromUtf8(lesson);
}

QString lessonCaption(const LessonStructure& l, const char* lesson) {
    return QString::fromUtf8(l.name) + QString::fromUtf8(lesson);
}
