#pragma once

namespace cell {
enum class Structure;
}

// Every screen of the program by its id, in one list: the one place a new
// screen is registered. X(id, tag): the tag's namespace holds the screen's
// control names (MIROSUTA_CONTROLS), shared by the screens of one family.
// Each screen's declaration, beside its class, defines
// `ScreenDesign design(ScreenTag<ScreenId::Name>)` (screendesign.h).
#define MIROSUTA_SCREENS(X)                                                                        \
    X(Start, start)                     /* スタート */                                         \
    X(Menu, menu)                       /* メニュー */                                         \
    X(BccIntro, latticeIntro)           /* 体心開始 */                                         \
    X(FccIntro, latticeIntro)           /* 面心開始 */                                         \
    X(HcpIntro, latticeIntro)           /* 六方開始 */                                         \
    X(BccInterior, latticeInterior)     /* 体心内部 */                                         \
    X(FccInterior, latticeInterior)     /* 面心内部 */                                         \
    X(HcpInterior, latticeInterior)     /* 六方内部 */                                         \
    X(BccAtoms, latticeAtoms)           /* 体心原子 */                                         \
    X(FccAtoms, latticeAtoms)           /* 面心原子 */                                         \
    X(HcpAtoms, latticeAtoms)           /* 六方原子 */                                         \
    X(BccNeighbours, latticeNeighbours) /* 体心隣接 */                                         \
    X(FccNeighbours, latticeNeighbours) /* 面心隣接 */                                         \
    X(HcpNeighbours, latticeNeighbours) /* 六方隣接 */                                         \
    X(Summary, summary)                 /* まとめ */                                            \
    X(RadiusIntro, radiusIntro)         /* 半径開始 */                                         \
    X(FccRadius, radiusStage)           /* 面心半径 */                                         \
    X(BccRadius, bccRadius)             /* 体心半径 */                                         \
    X(DrillStart, drillStart)           /* ドリル開始 */                                      \
    X(Drill, drill)                     /* ドリル */                                            \
    X(PackingIntro, packingIntro)       /* 充填率 */                                            \
    X(PackingWorked, packingWorked)     /* 充填率計算 */                                      \
    X(Density, density)                 /* 密度 */                                               \
    X(DensityQuiz, densityQuestion)     /* 密度問題 */                                         \
    X(StackingLayer, stackingLayer)     /* 積み重ね開始 */                                   \
    X(StackingThird, stackingThird)     /* 積み重ね選択 */                                   \
    X(StackingCells, stackingCells)     /* 積み重ね格子 */                                   \
    X(IonicIntro, ionicIntro)           /* イオン結晶 */                                      \
    X(NaclCell, naclCell)               /* NaCl型 */                                              \
    X(CsclCell, ionicCell)              /* CsCl型 */                                              \
    X(ZnsCell, ionicCell)               /* ZnS型 */                                               \
    X(RadiusRatio, radiusRatio)         /* 限界半径比 */                                      \
    X(IonicQuiz, densityQuestion)       /* イオン結晶の問題 */                                 \
    X(Diamond, diamond)                 /* ダイヤモンド */                                   \
    X(SiliconGraphite, siliconGraphite) /* ケイ素と黒鉛 */                                   \
    X(CovalentQuiz, densityQuestion)    /* 共有結合の問題 */                                 \
    X(CrystalKinds, crystalKinds)       /* 結晶の種類 */

enum class ScreenId {
#define MIROSUTA_SCREEN_ID(name, tag) name,
    MIROSUTA_SCREENS(MIROSUTA_SCREEN_ID)
#undef MIROSUTA_SCREEN_ID
        Count
};

inline constexpr int kScreenCount = int(ScreenId::Count);

// The tags, declared here so that a screen's id names its tag; each is
// defined with the screen's control names.
#define MIROSUTA_SCREEN_TAG(name, tag)                                                             \
    namespace controls::tag {                                                                      \
    struct Tag;                                                                                    \
    }
MIROSUTA_SCREENS(MIROSUTA_SCREEN_TAG)
#undef MIROSUTA_SCREEN_TAG

// The tag of a screen's control names: TagOf<ScreenId::Menu> is controls::menu::Tag.
template <ScreenId> struct ScreenTraits;
#define MIROSUTA_SCREEN_TRAITS(name, tag)                                                          \
    template <> struct ScreenTraits<ScreenId::name> { using Tag = controls::tag::Tag; };
MIROSUTA_SCREENS(MIROSUTA_SCREEN_TRAITS)
#undef MIROSUTA_SCREEN_TRAITS
template <ScreenId Id> using TagOf = typename ScreenTraits<Id>::Tag;

// A type per screen, by which each screen's declaration is found, and which
// gives the declaration its id.
template <ScreenId Id> struct ScreenTag { static constexpr ScreenId id = Id; };

// The four screens of each structure's lesson chain, in the chain's order.
enum class Lesson { Intro, Interior, Atoms, Neighbours };

// The screen of a lesson for a structure: lessonScreen(Fcc, Atoms) == FccAtoms.
// By structure (cell::Structure's order: BCC, FCC, HCP), each chain in its order.
constexpr ScreenId lessonScreen(cell::Structure s, Lesson lesson) {
    constexpr ScreenId chains[][4] = {
        {ScreenId::BccIntro, ScreenId::BccInterior, ScreenId::BccAtoms, ScreenId::BccNeighbours},
        {ScreenId::FccIntro, ScreenId::FccInterior, ScreenId::FccAtoms, ScreenId::FccNeighbours},
        {ScreenId::HcpIntro, ScreenId::HcpInterior, ScreenId::HcpAtoms, ScreenId::HcpNeighbours},
    };
    return chains[int(s)][int(lesson)];
}
