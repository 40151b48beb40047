#include "navigationtable.h"

#include "controls.h"

#include <QtGlobal>

const std::vector<NavigationRow>& navigationTable() {
    using S = ScreenId;
    constexpr bool plain = false, staged = true;
    static const std::vector<NavigationRow> table{
        {S::Start, controls::start::Command1, S::Menu, plain},
        {S::Start, controls::start::Command2, std::nullopt, plain},
        {S::Menu, controls::menu::Command1, S::BccIntro, plain},
        {S::Menu, controls::menu::Command2, S::FccIntro, plain},
        {S::Menu, controls::menu::Command3, S::HcpIntro, plain},
        {S::Menu, controls::menu::Command4, S::Summary, plain},
        {S::Menu, controls::menu::Command5, S::DrillStart, plain},
        {S::Menu, controls::menu::Command6, S::RadiusIntro, plain},
        {S::Menu, controls::menu::Command7, std::nullopt, plain},
        {S::BccIntro, controls::latticeIntro::Command2, S::Menu, plain},
        {S::BccIntro, controls::latticeIntro::Command1, S::BccInterior, staged},
        {S::FccIntro, controls::latticeIntro::Command2, S::Menu, plain},
        {S::FccIntro, controls::latticeIntro::Command1, S::FccInterior, staged},
        {S::HcpIntro, controls::latticeIntro::Command2, S::Menu, plain},
        {S::HcpIntro, controls::latticeIntro::Command1, S::HcpInterior, staged},
        {S::BccInterior, controls::latticeInterior::Command2, S::Menu, plain},
        {S::BccInterior, controls::latticeInterior::Command3, S::BccAtoms, plain},
        {S::FccInterior, controls::latticeInterior::Command2, S::Menu, plain},
        {S::FccInterior, controls::latticeInterior::Command3, S::FccAtoms, plain},
        {S::HcpInterior, controls::latticeInterior::Command2, S::Menu, plain},
        {S::HcpInterior, controls::latticeInterior::Command3, S::HcpAtoms, plain},
        {S::BccAtoms, controls::latticeAtoms::Command2, S::Menu, plain},
        {S::BccAtoms, controls::latticeAtoms::Command3, S::BccNeighbours, plain},
        {S::FccAtoms, controls::latticeAtoms::Command2, S::Menu, plain},
        {S::FccAtoms, controls::latticeAtoms::Command3, S::FccNeighbours, plain},
        {S::HcpAtoms, controls::latticeAtoms::Command2, S::Menu, plain},
        {S::HcpAtoms, controls::latticeAtoms::Command3, S::HcpNeighbours, plain},
        {S::BccNeighbours, controls::latticeNeighbours::Command2, S::Menu, plain},
        {S::FccNeighbours, controls::latticeNeighbours::Command2, S::Menu, plain},
        {S::HcpNeighbours, controls::latticeNeighbours::Command2, S::Menu, plain},
        {S::Summary, controls::summary::Command1, S::Menu, plain},
        {S::Summary, controls::summary::Label8, S::BccInterior, plain},
        {S::Summary, controls::summary::Label9, S::FccInterior, plain},
        {S::Summary, controls::summary::Label10, S::HcpInterior, plain},
        {S::Summary, controls::summary::Label11, S::BccAtoms, plain},
        {S::Summary, controls::summary::Label12, S::FccAtoms, plain},
        {S::Summary, controls::summary::Label13, S::HcpAtoms, plain},
        {S::Summary, controls::summary::Label14, S::BccNeighbours, plain},
        {S::Summary, controls::summary::Label15, S::FccNeighbours, plain},
        {S::Summary, controls::summary::Label16, S::HcpNeighbours, plain},
        {S::RadiusIntro, controls::radius::Command1, S::FccRadius, plain},
        {S::RadiusIntro, controls::radius::Command2, S::Menu, plain},
        {S::FccRadius, controls::radius::Command2, S::Menu, plain},
        {S::FccRadius, controls::radius::Command1, S::BccRadius, staged},
        {S::BccRadius, controls::radius::Command2, S::Menu, plain},
        {S::DrillStart, controls::drillStart::Command1, S::Drill, plain},
        {S::DrillStart, controls::drillStart::Command2, S::Menu, plain},
        {S::Drill, controls::drill::Command1, S::Menu, plain},
    };
    return table;
}

ScreenId stagedTarget(ScreenId screen, const QString& element) {
    for (const NavigationRow& row : navigationTable())
        if (row.screen == screen && row.element == element && row.target)
            return *row.target;
    qFatal("no move for %s", qPrintable(element));
}
