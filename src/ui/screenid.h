#pragma once

#include <QSize>
#include <QString>
#include <array>

namespace cell {
enum class Structure;
}

// The twenty screens of the program, each known by its form name.
enum class ScreenId {
    Start,         // スタート
    Menu,          // メニュー
    BccIntro,      // 体心開始
    FccIntro,      // 面心開始
    HcpIntro,      // 六方開始
    BccInterior,   // 体心内部
    FccInterior,   // 面心内部
    HcpInterior,   // 六方内部
    BccAtoms,      // 体心原子
    FccAtoms,      // 面心原子
    HcpAtoms,      // 六方原子
    BccNeighbours, // 体心隣接
    FccNeighbours, // 面心隣接
    HcpNeighbours, // 六方隣接
    Summary,       // まとめ
    RadiusIntro,   // 半径開始
    FccRadius,     // 面心半径
    BccRadius,     // 体心半径
    DrillStart,    // ドリル開始
    Drill,         // ドリル
};

inline constexpr int kScreenCount = 20;

struct ScreenInfo {
    ScreenId id;
    QString formName;
    QString caption;
    QSize clientTwips;
};

const std::array<ScreenInfo, kScreenCount>& allScreens();
const ScreenInfo& screenInfo(ScreenId id);

// The four screens of each structure's lesson chain, in the chain's order.
enum class Lesson { Intro, Interior, Atoms, Neighbours };

// The screen of a lesson for a structure: lessonScreen(Fcc, Atoms) == FccAtoms.
ScreenId lessonScreen(cell::Structure s, Lesson lesson);
