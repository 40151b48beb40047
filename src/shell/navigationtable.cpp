#include "navigationtable.h"

#include <QtGlobal>

const std::vector<NavigationRow>& navigationTable() {
    using S = ScreenId;
    constexpr bool plain = false, staged = true;
    static const std::vector<NavigationRow> table{
        {S::Start, "Command1", "メニュー", S::Menu, plain},
        {S::Start, "Command2", "終了", std::nullopt, plain},
        {S::Menu, "Command1", "体心立方", S::BccIntro, plain},
        {S::Menu, "Command2", "面心立方", S::FccIntro, plain},
        {S::Menu, "Command3", "六方最密", S::HcpIntro, plain},
        {S::Menu, "Command4", "まとめ", S::Summary, plain},
        {S::Menu, "Command5", "ドリル", S::DrillStart, plain},
        {S::Menu, "Command6", "原子半径", S::RadiusIntro, plain},
        {S::Menu, "Command7", "終了", std::nullopt, plain},
        {S::BccIntro, "Command2", "メニュー", S::Menu, plain},
        {S::BccIntro, "Command1", "実行", S::BccInterior, staged},
        {S::FccIntro, "Command2", "メニュー", S::Menu, plain},
        {S::FccIntro, "Command1", "実行", S::FccInterior, staged},
        {S::HcpIntro, "Command2", "メニュー", S::Menu, plain},
        {S::HcpIntro, "Command1", "実行", S::HcpInterior, staged},
        {S::BccInterior, "Command2", "メニュー", S::Menu, plain},
        {S::BccInterior, "Command3", "次に進む", S::BccAtoms, plain},
        {S::FccInterior, "Command2", "メニュー", S::Menu, plain},
        {S::FccInterior, "Command3", "次に進む", S::FccAtoms, plain},
        {S::HcpInterior, "Command2", "メニュー", S::Menu, plain},
        {S::HcpInterior, "Command3", "次に進む", S::HcpAtoms, plain},
        {S::BccAtoms, "Command2", "メニュー", S::Menu, plain},
        {S::BccAtoms, "Command3", "次に進む", S::BccNeighbours, plain},
        {S::FccAtoms, "Command2", "メニュー", S::Menu, plain},
        {S::FccAtoms, "Command3", "次に進む", S::FccNeighbours, plain},
        {S::HcpAtoms, "Command2", "メニュー", S::Menu, plain},
        {S::HcpAtoms, "Command3", "次に進む", S::HcpNeighbours, plain},
        {S::BccNeighbours, "Command2", "メニュー", S::Menu, plain},
        {S::FccNeighbours, "Command2", "メニュー", S::Menu, plain},
        {S::HcpNeighbours, "Command2", "メニュー", S::Menu, plain},
        {S::Summary, "Command1", "メニュー", S::Menu, plain},
        {S::Summary, "Label8", "体心立方格子", S::BccInterior, plain},
        {S::Summary, "Label9", "面心立方格子", S::FccInterior, plain},
        {S::Summary, "Label10", "六方最密構造", S::HcpInterior, plain},
        {S::Summary, "Label11", "２　個", S::BccAtoms, plain},
        {S::Summary, "Label12", "４　個", S::FccAtoms, plain},
        {S::Summary, "Label13", "６　個", S::HcpAtoms, plain},
        {S::Summary, "Label14", "８　個", S::BccNeighbours, plain},
        {S::Summary, "Label15", "１２個", S::FccNeighbours, plain},
        {S::Summary, "Label16", "１２個", S::HcpNeighbours, plain},
        {S::RadiusIntro, "Command1", "次に進む", S::FccRadius, plain},
        {S::RadiusIntro, "Command2", "メニュー", S::Menu, plain},
        {S::FccRadius, "Command2", "メニュー", S::Menu, plain},
        {S::FccRadius, "Command1", "次に進む", S::BccRadius, staged},
        {S::BccRadius, "Command2", "メニュー", S::Menu, plain},
        {S::DrillStart, "Command1", "実行", S::Drill, plain},
        {S::DrillStart, "Command2", "メニュー", S::Menu, plain},
        {S::Drill, "Command1", "メニュー", S::Menu, plain},
    };
    return table;
}

ScreenId stagedTarget(ScreenId screen, const QString& element) {
    for (const NavigationRow& row : navigationTable())
        if (row.screen == screen && row.element == element && row.target)
            return *row.target;
    qFatal("no move for %s", qPrintable(element));
}
