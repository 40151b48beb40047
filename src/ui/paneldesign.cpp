#include "paneldesign.h"

#include "cellmodel.h"
#include "controls.h"
#include "twips.h"

#include <QtGlobal>

namespace {

constexpr auto kBlue = TextPanel::Ground::Blue;
constexpr auto kDarkBlue = TextPanel::Ground::DarkBlue;

// The lessons' texts, by structure (cell::Structure's order).
struct LessonTexts {
    cell::Structure structure;
    const char* folder;
    int atomsAnswerHeight;      // 原子 List2: the longer the count, the taller
    int neighboursAnswerHeight; // 隣接 List2: grows upwards from the question's bottom
};

// The 隣接 question panel and its answer share their left edge and bottom.
constexpr int kNeighboursLeft = 1320, kNeighboursBottom = 5010;

QString text(const char* folder, int number) {
    return QStringLiteral("\\説明\\%1\\msg%2.txt").arg(QString::fromUtf8(folder)).arg(number);
}

QList<PanelDesign> makeDesigns() {
    QList<PanelDesign> d;
    const auto add = [&d](ScreenId screen, ControlName name, const QString& file, QRect twips,
                          TextPanel::Ground ground, bool shownAtStart) {
        d << PanelDesign{screen, name, file, twips, ground, shownAtStart};
    };
    constexpr bool shown = true, hidden = false;
    add(ScreenId::Start, controls::start::List1, text("メニュー", 1), QRect(645, 1605, 5880, 5340),
        kDarkBlue, shown);
    add(ScreenId::Start, controls::start::List2, text("メニュー", 2), QRect(7725, 1500, 2145, 780),
        kBlue, shown);
    // Two close-packed cells drawn apart need a taller answer on 面心隣接 and 六方隣接.
    const LessonTexts lessons[] = {
        {cell::Structure::Bcc, "体心立方", 2970, 3015},
        {cell::Structure::Fcc, "面心立方", 3300, 4020},
        {cell::Structure::Hcp, "六方最密", 3570, 4020},
    };
    for (const LessonTexts& l : lessons) {
        const char* f = l.folder;
        const ScreenId intro = lessonScreen(l.structure, Lesson::Intro);
        const ScreenId interior = lessonScreen(l.structure, Lesson::Interior);
        const ScreenId atoms = lessonScreen(l.structure, Lesson::Atoms);
        const ScreenId neighbours = lessonScreen(l.structure, Lesson::Neighbours);
        add(intro, controls::latticeIntro::List1, text(f, 1), QRect(3510, 1380, 5640, 3390), kBlue,
            shown);
        add(intro, controls::latticeIntro::List2, text(f, 2), QRect(5760, 1260, 5550, 3990), kBlue,
            hidden);
        add(intro, controls::latticeIntro::List3, text(f, 3), QRect(4770, 120, 5490, 1680), kBlue,
            hidden);
        // The building and closing texts lie in the opening text's place.
        add(interior, controls::latticeInterior::List1, text(f, 4), QRect(1260, 4260, 6390, 1980),
            kBlue, shown);
        add(interior, controls::latticeInterior::List2, text(f, 5), QRect(1260, 4260, 6000, 1980),
            kBlue, hidden);
        add(interior, controls::latticeInterior::List3, text(f, 6), QRect(1260, 4260, 6390, 1980),
            kBlue, hidden);
        // The answer covers the question's place and reaches further down.
        add(atoms, controls::latticeAtoms::List1, text(f, 7), QRect(3300, 180, 5550, 2010),
            kDarkBlue, shown);
        add(atoms, controls::latticeAtoms::List2, text(f, 8),
            QRect(3300, 180, 5760, l.atomsAnswerHeight), kDarkBlue, hidden);
        add(neighbours, controls::latticeNeighbours::List1, text(f, 9),
            QRect(kNeighboursLeft, kNeighboursBottom - 2010, 5550, 2010), kBlue, shown);
        add(neighbours, controls::latticeNeighbours::List2, text(f, 10),
            QRect(kNeighboursLeft, kNeighboursBottom - l.neighboursAnswerHeight, 5760,
                  l.neighboursAnswerHeight),
            kBlue, hidden);
    }
    add(ScreenId::Summary, controls::summary::List1, text("まとめ", 1), QRect(5670, 60, 3015, 1260),
        kBlue, shown);
    add(ScreenId::RadiusIntro, controls::radius::List1, text("原子半径", 1),
        QRect(1350, 1200, 6480, 4500), kBlue, shown);
    // 面心半径 and 体心半径 share their design; 体心半径 alone has the closing text.
    for (const auto& [screen, first] :
         {std::pair(ScreenId::FccRadius, 2), std::pair(ScreenId::BccRadius, 4)}) {
        add(screen, controls::radius::List1, text("原子半径", first), QRect(3210, 1650, 5850, 3690),
            kBlue, shown);
        add(screen, controls::radius::List2, text("原子半径", first + 1),
            QRect(1170, 2190, 6000, 3930), kBlue, hidden);
    }
    add(ScreenId::BccRadius, controls::radius::List3, text("原子半径", 6),
        QRect(2040, 1260, 7500, 4590), kBlue, hidden);
    add(ScreenId::DrillStart, controls::drillStart::List1, text("ドリル", 1),
        QRect(2415, 1920, 6765, 3660), kBlue, shown);
    add(ScreenId::Drill, controls::drill::List1, text("ドリル", 2), QRect(6000, 105, 2625, 1260),
        kBlue, shown);
    add(ScreenId::Drill, controls::drill::List2, text("ドリル", 3), QRect(2325, 3135, 3390, 2220),
        kBlue, hidden);
    return d;
}

} // namespace

const QList<PanelDesign>& allPanelDesigns() {
    static const QList<PanelDesign> designs = makeDesigns();
    return designs;
}

const PanelDesign& panelDesign(ScreenId screen, const QString& name) {
    for (const PanelDesign& d : allPanelDesigns())
        if (d.screen == screen && d.name == name)
            return d;
    qFatal("no design for panel %s of screen %d", qPrintable(name), int(screen));
}

TextPanel* buildPanel(const PanelDesign& design, QWidget* parent) {
    auto* t = new TextPanel(design.ground, parent);
    t->setObjectName(design.name);
    const QRect r = design.twips;
    t->setGeometry(twipsRect(r.x(), r.y(), r.width(), r.height()));
    t->setVisible(design.shownAtStart);
    return t;
}
