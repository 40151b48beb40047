#pragma once

namespace cell {
enum class Structure;
}

// Every screen of the program by its id, in one list: the one place a new
// screen is registered. Each screen's declaration, beside its class, defines
// `ScreenDesign design(ScreenTag<ScreenId::Name>)` (screendesign.h).
#define MIROSUTA_SCREENS(X)                                                                        \
    X(Start)         /* スタート */                                                            \
    X(Menu)          /* メニュー */                                                            \
    X(BccIntro)      /* 体心開始 */                                                            \
    X(FccIntro)      /* 面心開始 */                                                            \
    X(HcpIntro)      /* 六方開始 */                                                            \
    X(BccInterior)   /* 体心内部 */                                                            \
    X(FccInterior)   /* 面心内部 */                                                            \
    X(HcpInterior)   /* 六方内部 */                                                            \
    X(BccAtoms)      /* 体心原子 */                                                            \
    X(FccAtoms)      /* 面心原子 */                                                            \
    X(HcpAtoms)      /* 六方原子 */                                                            \
    X(BccNeighbours) /* 体心隣接 */                                                            \
    X(FccNeighbours) /* 面心隣接 */                                                            \
    X(HcpNeighbours) /* 六方隣接 */                                                            \
    X(Summary)       /* まとめ */                                                               \
    X(RadiusIntro)   /* 半径開始 */                                                            \
    X(FccRadius)     /* 面心半径 */                                                            \
    X(BccRadius)     /* 体心半径 */                                                            \
    X(DrillStart)    /* ドリル開始 */                                                         \
    X(Drill)         /* ドリル */                                                               \
    X(PackingIntro)  /* 充填率 */                                                               \
    X(PackingWorked) /* 充填率計算 */                                                         \
    X(Density)       /* 密度 */                                                                  \
    X(DensityQuiz)   /* 密度問題 */                                                           \
    X(StackingLayer) /* 積み重ね開始 */                                                      \
    X(StackingThird) /* 積み重ね選択 */                                                      \
    X(StackingCells) /* 積み重ね格子 */

enum class ScreenId {
#define MIROSUTA_SCREEN_ID(name) name,
    MIROSUTA_SCREENS(MIROSUTA_SCREEN_ID)
#undef MIROSUTA_SCREEN_ID
        Count
};

inline constexpr int kScreenCount = int(ScreenId::Count);

// A type per screen, by which each screen's declaration is found.
template <ScreenId> struct ScreenTag {};

// The four screens of each structure's lesson chain, in the chain's order.
enum class Lesson { Intro, Interior, Atoms, Neighbours };

// The screen of a lesson for a structure: lessonScreen(Fcc, Atoms) == FccAtoms.
ScreenId lessonScreen(cell::Structure s, Lesson lesson);
