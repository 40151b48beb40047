#include "elementnames.h"

#include "cellmodel.h"
#include "controls.h"

#include <QHash>
#include <array>

namespace {

using ScreenTable = QHash<QString, AccessibleText>;
using Table = std::array<ScreenTable, kScreenCount>;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

Table buildTable() {
    Table t;
    auto add = [&](ScreenId screen, ControlName element, const char* name,
                   const char* description = "") {
        t[std::size_t(screen)].insert(element, {u(name), u(description)});
    };
    add(ScreenId::Start, controls::start::List1, "説明", "この教材で学ぶこと");
    add(ScreenId::Start, controls::start::List2, "ひとこと");
    add(ScreenId::Summary, controls::summary::List1, "説明");
    for (cell::Structure s : cell::kAllStructures) {
        const ScreenId intro = lessonScreen(s, Lesson::Intro);
        add(intro, controls::latticeIntro::List1, "説明");
        add(intro, controls::latticeIntro::List2, "説明（球の並び）");
        add(intro, controls::latticeIntro::List3, "説明（単位格子）");
        const ScreenId interior = lessonScreen(s, Lesson::Interior);
        add(interior, controls::latticeInterior::List1, "説明");
        add(interior, controls::latticeInterior::List2, "やり方");
        add(interior, controls::latticeInterior::List3, "まとめ");
        const ScreenId atoms = lessonScreen(s, Lesson::Atoms);
        add(atoms, controls::latticeAtoms::List1, "問題");
        add(atoms, controls::latticeAtoms::List2, "答え");
        add(atoms, controls::latticeAtoms::Frame1, "ヒント", "原子の一部が何個分にあたるか");
        const ScreenId neighbours = lessonScreen(s, Lesson::Neighbours);
        add(neighbours, controls::latticeNeighbours::List1, "問題");
        add(neighbours, controls::latticeNeighbours::List2, "答え");
    }
    add(ScreenId::RadiusIntro, controls::radius::List1, "説明");
    add(ScreenId::FccRadius, controls::radius::List1, "説明");
    add(ScreenId::FccRadius, controls::radius::List2, "説明（面の対角線）");
    add(ScreenId::BccRadius, controls::radius::List1, "説明");
    add(ScreenId::BccRadius, controls::radius::List2, "説明（体対角線）");
    add(ScreenId::BccRadius, controls::radius::List3, "まとめ");
    add(ScreenId::DrillStart, controls::drillStart::List1, "説明");
    add(ScreenId::Drill, controls::drill::List1, "やり方");
    add(ScreenId::Drill, controls::drill::List2, "おわりのことば");

    // The summary table: the links keep their captions as names and say
    // where they lead, the metals are spelled out, the grid lines are the
    // table's frame.
    const char* lessonOf[3] = {"体心立方", "面心立方", "六方最密"};
    using namespace controls::summary;
    const struct {
        ControlName label;
        const char* lesson;
    } links[9] = {
        {Label8, "単位格子の中"},  {Label9, "単位格子の中"},  {Label10, "単位格子の中"},
        {Label11, "格子内原子数"}, {Label12, "格子内原子数"}, {Label13, "格子内原子数"},
        {Label14, "隣接原子数"},   {Label15, "隣接原子数"},   {Label16, "隣接原子数"},
    };
    for (int i = 0; i < 9; ++i)
        t[std::size_t(ScreenId::Summary)].insert(
            links[i].label,
            {QString(), u("%1の「%2」の学習へ進む").arg(u(lessonOf[i % 3]), u(links[i].lesson))});
    add(ScreenId::Summary, controls::summary::Label17, "ナトリウム、カリウム、バリウム、リチウム",
        "体心立方格子の物質例");
    add(ScreenId::Summary, controls::summary::Label18, "アルミニウム、銅、銀",
        "面心立方格子の物質例");
    add(ScreenId::Summary, controls::summary::Label19, "ベリリウム、マグネシウム、亜鉛",
        "六方最密構造の物質例");
    add(ScreenId::Summary, controls::summary::Shape1, "表の外枠");
    for (ControlName shape : {Shape2, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8})
        add(ScreenId::Summary, shape, "表の罫線");
    return t;
}

} // namespace

AccessibleText elementText(ScreenId screen, const QString& element) {
    static const Table table = buildTable();
    return table[std::size_t(screen)].value(element);
}
