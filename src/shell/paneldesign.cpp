#include "paneldesign.h"

#include "twips.h"

#include <QtGlobal>

namespace {

constexpr auto kBlue = TextPanel::Ground::Blue;
constexpr auto kDarkBlue = TextPanel::Ground::DarkBlue;

struct Lesson {
    const char* folder;
    ScreenId intro, interior, atoms, neighbours;
    int atomsAnswerHeight;      // 原子 List2: the longer the count, the taller
    int neighboursAnswerHeight; // 隣接 List2: grows upwards from the question's bottom
};

// The 隣接 question panel and its answer share their left edge and bottom.
constexpr int kNeighboursLeft = 1320, kNeighboursBottom = 5010;

QString text(const char* folder, int number) {
    return QStringLiteral("\\説明\\%1\\msg%2.txt").arg(QString::fromUtf8(folder)).arg(number);
}

QList<PanelDesign> makeDesigns() {
    QList<PanelDesign> d{
        {ScreenId::Start, "List1", text("メニュー", 1), QRect(645, 1605, 5880, 5340), kDarkBlue,
         true, true},
        {ScreenId::Start, "List2", text("メニュー", 2), QRect(7725, 1500, 2145, 780), kBlue, true,
         true},
    };
    // Two close-packed cells drawn apart need a taller answer on 面心隣接 and 六方隣接.
    const Lesson lessons[] = {
        {"体心立方", ScreenId::BccIntro, ScreenId::BccInterior, ScreenId::BccAtoms,
         ScreenId::BccNeighbours, 2970, 3015},
        {"面心立方", ScreenId::FccIntro, ScreenId::FccInterior, ScreenId::FccAtoms,
         ScreenId::FccNeighbours, 3300, 4020},
        {"六方最密", ScreenId::HcpIntro, ScreenId::HcpInterior, ScreenId::HcpAtoms,
         ScreenId::HcpNeighbours, 3570, 4020},
    };
    for (const Lesson& l : lessons) {
        const char* f = l.folder;
        d << PanelDesign{l.intro, "List1", text(f, 1), QRect(3510, 1380, 5640, 3390),
                         kBlue,   true,    true}
          << PanelDesign{l.intro, "List2", text(f, 2), QRect(5760, 1260, 5550, 3990),
                         kBlue,   false,   false}
          << PanelDesign{l.intro, "List3", text(f, 3), QRect(4770, 120, 5490, 1680),
                         kBlue,   false,   false}
          // The building and closing texts lie in the opening text's place.
          << PanelDesign{l.interior, "List1", text(f, 4), QRect(1260, 4260, 6390, 1980),
                         kBlue,      true,    true}
          << PanelDesign{l.interior, "List2", text(f, 5), QRect(1260, 4260, 6000, 1980),
                         kBlue,      false,   true}
          << PanelDesign{l.interior, "List3", text(f, 6), QRect(1260, 4260, 6390, 1980),
                         kBlue,      false,   true}
          // The answer covers the question's place and reaches further down.
          << PanelDesign{l.atoms,   "List1", text(f, 7), QRect(3300, 180, 5550, 2010),
                         kDarkBlue, true,    true}
          << PanelDesign{l.atoms,    "List2",
                         text(f, 8), QRect(3300, 180, 5760, l.atomsAnswerHeight),
                         kDarkBlue,  false,
                         true}
          << PanelDesign{l.neighbours, "List1",
                         text(f, 9),   QRect(kNeighboursLeft, kNeighboursBottom - 2010, 5550, 2010),
                         kBlue,        true,
                         true}
          << PanelDesign{l.neighbours,
                         "List2",
                         text(f, 10),
                         QRect(kNeighboursLeft, kNeighboursBottom - l.neighboursAnswerHeight, 5760,
                               l.neighboursAnswerHeight),
                         kBlue,
                         false,
                         true};
    }
    d << PanelDesign{ScreenId::Summary,
                     "List1",
                     text("まとめ", 1),
                     QRect(5670, 60, 3015, 1260),
                     kBlue,
                     true,
                     true}
      << PanelDesign{ScreenId::RadiusIntro,
                     "List1",
                     text("原子半径", 1),
                     QRect(1350, 1200, 6480, 4500),
                     kBlue,
                     true,
                     true};
    // 面心半径 and 体心半径 share their design; 体心半径 alone has the closing text.
    for (const auto& [screen, first] :
         {std::pair(ScreenId::FccRadius, 2), std::pair(ScreenId::BccRadius, 4)}) {
        d << PanelDesign{screen,
                         "List1",
                         text("原子半径", first),
                         QRect(3210, 1650, 5850, 3690),
                         kBlue,
                         true,
                         true}
          << PanelDesign{
                 screen, "List2", text("原子半径", first + 1), QRect(1170, 2190, 6000, 3930), kBlue,
                 false,  true};
    }
    d << PanelDesign{ScreenId::BccRadius,
                     "List3",
                     text("原子半径", 6),
                     QRect(2040, 1260, 7500, 4590),
                     kBlue,
                     false,
                     true}
      << PanelDesign{ScreenId::DrillStart,
                     "List1",
                     text("ドリル", 1),
                     QRect(2415, 1920, 6765, 3660),
                     kBlue,
                     true,
                     true}
      << PanelDesign{ScreenId::Drill,
                     "List1",
                     text("ドリル", 2),
                     QRect(6000, 105, 2625, 1260),
                     kBlue,
                     true,
                     true}
      << PanelDesign{
             ScreenId::Drill, "List2", text("ドリル", 3), QRect(2325, 3135, 3390, 2220), kBlue,
             false,           true};
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
