#pragma once

// Shared data rows and checks of the lattice lesson tests: one row per
// structure, with what a learner would expect of its four screens.

#include "cellmodel.h"
#include "menudesign.h"
#include "picture.h"
#include "screenid.h"
#include "testsupport.h"

#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWindow>

namespace latticetest {

struct Copy {
    cell::Structure structure;
    const char* key;    // picture names end in it
    const char* folder; // text folder below 説明
    ScreenId intro, interior, atoms, neighbours;
    Control<controls::menu::Tag> menuButton; // its button on the main menu
};

inline const Copy& copyAt(int row) {
    static const Copy copies[] = {
        {cell::Structure::Bcc, "bcc", "体心立方", ScreenId::BccIntro, ScreenId::BccInterior,
         ScreenId::BccAtoms, ScreenId::BccNeighbours, controls::menu::Command1},
        {cell::Structure::Fcc, "fcc", "面心立方", ScreenId::FccIntro, ScreenId::FccInterior,
         ScreenId::FccAtoms, ScreenId::FccNeighbours, controls::menu::Command2},
        {cell::Structure::Hcp, "hcp", "六方最密", ScreenId::HcpIntro, ScreenId::HcpInterior,
         ScreenId::HcpAtoms, ScreenId::HcpNeighbours, controls::menu::Command3},
    };
    return copies[row];
}

// Atoms taken on the interior viewer: one for each atom of the cell model.
inline int pieces(const Copy& c) {
    return cell::pieceCount(c.structure);
}

// A _data() column "row" with one row per structure.
inline void addStructureRows() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(copyAt(i).folder) << i;
}

inline QString textPath(const Copy& c, int number) {
    return QStringLiteral("\\説明\\%1\\msg%2.txt").arg(QString::fromUtf8(c.folder)).arg(number);
}

inline QString formName(ScreenId id) {
    return screenDesign(id).formName;
}

inline QString picture(const Copy& c, const char* stem) {
    return QStringLiteral("%1-%2").arg(QLatin1String(stem), QLatin1String(c.key));
}

// Empty when every named element is there with the expected visibility.
inline QString visibilityMismatch(const Harness& h, const ControlNames& shown,
                                  const ControlNames& hidden) {
    QStringList bad;
    for (ControlName n : shown)
        if (!h.shownNamed(n))
            bad << n.text() + " should be shown";
    for (ControlName n : hidden) {
        if (!qobject_cast<QWidget*>(h.named(n)))
            bad << n.text() + " is missing";
        else if (h.shownNamed(n))
            bad << n.text() + " should be hidden";
    }
    return bad.join("; ");
}

inline QRect geometryOf(const Harness& h, ControlName name) {
    const QWidget* w = qobject_cast<QWidget*>(h.named(name));
    return w ? w->geometry() : QRect();
}

// A click delivered to the window, as the learner's mouse would: it reaches
// whatever visible element lies at that place.
inline void clickWindowAt(const Harness& h, QPoint pos) {
    QTest::mouseClick(h.current()->windowHandle(), Qt::LeftButton, {}, pos);
    Harness::flushDeletes();
}

} // namespace latticetest
