#include "navigationtable.h"

#include <QtGlobal>

const std::vector<NavigationRow>& navigationTable() {
    using S = ScreenId;
    constexpr bool plain = false, staged = true;
    static const std::vector<NavigationRow> table{
        {S::Start, "Command1", S::Menu, plain},
        {S::Start, "Command2", std::nullopt, plain},
        {S::Menu, "Command1", S::BccIntro, plain},
        {S::Menu, "Command2", S::FccIntro, plain},
        {S::Menu, "Command3", S::HcpIntro, plain},
        {S::Menu, "Command4", S::Summary, plain},
        {S::Menu, "Command5", S::DrillStart, plain},
        {S::Menu, "Command6", S::RadiusIntro, plain},
        {S::Menu, "Command7", std::nullopt, plain},
        {S::BccIntro, "Command2", S::Menu, plain},
        {S::BccIntro, "Command1", S::BccInterior, staged},
        {S::FccIntro, "Command2", S::Menu, plain},
        {S::FccIntro, "Command1", S::FccInterior, staged},
        {S::HcpIntro, "Command2", S::Menu, plain},
        {S::HcpIntro, "Command1", S::HcpInterior, staged},
        {S::BccInterior, "Command2", S::Menu, plain},
        {S::BccInterior, "Command3", S::BccAtoms, plain},
        {S::FccInterior, "Command2", S::Menu, plain},
        {S::FccInterior, "Command3", S::FccAtoms, plain},
        {S::HcpInterior, "Command2", S::Menu, plain},
        {S::HcpInterior, "Command3", S::HcpAtoms, plain},
        {S::BccAtoms, "Command2", S::Menu, plain},
        {S::BccAtoms, "Command3", S::BccNeighbours, plain},
        {S::FccAtoms, "Command2", S::Menu, plain},
        {S::FccAtoms, "Command3", S::FccNeighbours, plain},
        {S::HcpAtoms, "Command2", S::Menu, plain},
        {S::HcpAtoms, "Command3", S::HcpNeighbours, plain},
        {S::BccNeighbours, "Command2", S::Menu, plain},
        {S::FccNeighbours, "Command2", S::Menu, plain},
        {S::HcpNeighbours, "Command2", S::Menu, plain},
        {S::Summary, "Command1", S::Menu, plain},
        {S::Summary, "Label8", S::BccInterior, plain},
        {S::Summary, "Label9", S::FccInterior, plain},
        {S::Summary, "Label10", S::HcpInterior, plain},
        {S::Summary, "Label11", S::BccAtoms, plain},
        {S::Summary, "Label12", S::FccAtoms, plain},
        {S::Summary, "Label13", S::HcpAtoms, plain},
        {S::Summary, "Label14", S::BccNeighbours, plain},
        {S::Summary, "Label15", S::FccNeighbours, plain},
        {S::Summary, "Label16", S::HcpNeighbours, plain},
        {S::RadiusIntro, "Command1", S::FccRadius, plain},
        {S::RadiusIntro, "Command2", S::Menu, plain},
        {S::FccRadius, "Command2", S::Menu, plain},
        {S::FccRadius, "Command1", S::BccRadius, staged},
        {S::BccRadius, "Command2", S::Menu, plain},
        {S::DrillStart, "Command1", S::Drill, plain},
        {S::DrillStart, "Command2", S::Menu, plain},
        {S::Drill, "Command1", S::Menu, plain},
    };
    return table;
}

ScreenId stagedTarget(ScreenId screen, const QString& element) {
    for (const NavigationRow& row : navigationTable())
        if (row.screen == screen && row.element == element && row.target)
            return *row.target;
    qFatal("no move for %s", qPrintable(element));
}
