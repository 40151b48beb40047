#include "screenid.h"

const std::array<ScreenInfo, kScreenCount>& allScreens() {
    static const QSize full(11520, 7200);
    static const QSize narrow(11490, 7170);
    static const std::array<ScreenInfo, kScreenCount> screens{{
        {ScreenId::Start, "スタート", "はじめに", full},
        {ScreenId::Menu, "メニュー", "メニュー", full},
        {ScreenId::BccIntro, "体心開始", "体心立方開始", full},
        {ScreenId::FccIntro, "面心開始", "面心立方開始", full},
        {ScreenId::HcpIntro, "六方開始", "六方最密開始", full},
        {ScreenId::BccInterior, "体心内部", "体心立方内部", narrow},
        {ScreenId::FccInterior, "面心内部", "面心立方内部", full},
        {ScreenId::HcpInterior, "六方内部", "六方最密内部", full},
        {ScreenId::BccAtoms, "体心原子", "格子内原子数", narrow},
        {ScreenId::FccAtoms, "面心原子", "格子内原子数", narrow},
        {ScreenId::HcpAtoms, "六方原子", "格子内原子数", narrow},
        {ScreenId::BccNeighbours, "体心隣接", "隣接原子数", full},
        {ScreenId::FccNeighbours, "面心隣接", "隣接原子数", full},
        {ScreenId::HcpNeighbours, "六方隣接", "隣接原子数", full},
        {ScreenId::Summary, "まとめ", "ミロスタのまとめ", full},
        {ScreenId::RadiusIntro, "半径開始", "半径開始", narrow},
        {ScreenId::FccRadius, "面心半径", "面心半径", narrow},
        {ScreenId::BccRadius, "体心半径", "体心半径", narrow},
        {ScreenId::DrillStart, "ドリル開始", "ミロスタドリル", full},
        {ScreenId::Drill, "ドリル", "ミロスタドリル", full},
    }};
    return screens;
}

const ScreenInfo& screenInfo(ScreenId id) {
    return allScreens()[std::size_t(id)];
}

ScreenId lessonScreen(cell::Structure s, Lesson lesson) {
    using S = ScreenId;
    // By structure (cell::Structure's order), each chain in its order.
    static const ScreenId chains[][4] = {
        {S::BccIntro, S::BccInterior, S::BccAtoms, S::BccNeighbours},
        {S::FccIntro, S::FccInterior, S::FccAtoms, S::FccNeighbours},
        {S::HcpIntro, S::HcpInterior, S::HcpAtoms, S::HcpNeighbours},
    };
    return chains[std::size_t(s)][std::size_t(lesson)];
}
