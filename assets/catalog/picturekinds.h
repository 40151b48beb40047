#pragma once

// The kinds of the program's own pictures, one row a kind: a new kind is a
// row here, and its drawing in the family that draws it. A row holds
//   X(kind, stem, variants, size, family, spoken)
// - kind: its id (PictureKind::kind);
// - stem: the start of its pictures' names ("ballstick" gives "ballstick-bcc");
// - variants: which pictures it has (One, PerStructure, ClosePacked,
//   Numbered(n), PerPiece, PerWord, OnDrawings, PerCrystal);
// - size: in logical pixels, Fixed(w, h) or PerVariant(...) one per picture,
//   or taken from the cell model (LessonView, PieceBox) or the word (ButtonFace,
//   WordBox);
// - family: what draws it. The lattice cells, the stacks and the crystals of
//   two kinds of particle are drawings that turn (assets/drawing/); the cell figures, the flat
//   figures and the radius figures are drawn once, by the build (assets/renderer/);
// - spoken: what a screen reader says for it: Said(name, description), each
//   one text or Each(...) one per picture, "%1" the structure's name as the
//   summary writes it; SaidAs(another kind), SaidFromModel (the pieces, named
//   by their atoms) or Unsaid (a button's face: the button is named by its word).

#include <cstdint>

enum class PictureKind : std::uint8_t;

// Aligned by hand: clang-format pushes every line's backslash far past the
// column limit when a Japanese string is split over lines.
// clang-format off
#define MIROSUTA_PICTURES(X)                                                                       \
    X(Title, "title", One, Fixed(384, 76), FlatFigures, Said("ミロスタ 結晶の構造"))           \
    X(Icon, "icon", One, Fixed(32, 32), FlatFigures, Said("ミロスタ"))                             \
    X(FaceA, "face-a", One, Fixed(62, 65), FlatFigures,                                            \
      Said("案内役の顔", "右を向いている"))                                                        \
    X(FaceB, "face-b", One, Fixed(62, 65), FlatFigures,                                            \
      Said("案内役の顔", "左を向いている"))                                                        \
    X(Marker, "marker", One, Fixed(17, 17), FlatFigures, Said("黄色い印"))                         \
    /* A marker whose middle shows what lies under it. */                                          \
    X(MarkerRing, "marker-ring", One, Fixed(27, 27), FlatFigures, Said("黄色い輪"))                \
    /* "?" over a drill answer box */                                                              \
    X(QuestionMark, "qmark", One, Fixed(101, 61), FlatFigures, Said("答えの欄「？」"))             \
    X(QuestionPanel, "question-panel", One, Fixed(715, 380), FlatFigures,                          \
      Said("第何問かと問題文",                                                                     \
           "次の結晶内のA原子（赤）とB原子（黄色）の割合を求めなさい。"                            \
           "右の欄に A ： B の数字を入れる"))                                                      \
    X(PlateRadius, "plate-radius", One, Fixed(300, 56), FlatFigures, Said("原子半径の学習"))       \
    X(BannerSummary, "banner-summary", One, Fixed(356, 68), FlatFigures,                           \
      Said("構造のまとめ"))                                                                        \
    X(TitleDrill, "title-drill", One, Fixed(356, 68), FlatFigures, Said("ミロスタドリル"))         \
    /* A sphere cut into parts, labelled with its fraction (pictures::hint). */                    \
    X(HintWhole, "hint-1", One, Fixed(110, 120), CellFigures,                                      \
      Said("1個の原子", "球がまるごと1個"))                                                        \
    X(HintHalf, "hint-half", One, Fixed(110, 120), CellFigures,                                    \
      Said("2分の1個の原子", "二つに切った球の一つ"))                                              \
    X(HintQuarter, "hint-quarter", One, Fixed(110, 120), CellFigures,                              \
      Said("4分の1個の原子", "四つに切った球の一つ"))                                              \
    X(HintEighth, "hint-eighth", One, Fixed(110, 120), CellFigures,                                \
      Said("8分の1個の原子", "八つに切った球の一つ"))                                              \
    X(HintSixth, "hint-sixth", One, Fixed(110, 120), CellFigures,                                  \
      Said("6分の1個の原子", "六つに切った球の一つ"))                                              \
    X(RadiusAtom, "radius-atom", One, Fixed(220, 200), RadiusFigures,                              \
      Said("原子と原子半径 r", "原子の中心から表面までの長さが原子半径 r"))                        \
    X(RadiusFccFace, "radius-fcc-face", One, Fixed(260, 260), RadiusFigures,                       \
      Said("面心立方格子の一つの面",                                                               \
           "四隅に4分の1の円、中心に1個の円があり、面の対角線の上で接している"))                   \
    X(RadiusFccLabelled, "radius-fcc-labelled", One, Fixed(260, 260), RadiusFigures,               \
      Said("面心立方格子の面の対角線 AB＝4r",                                                      \
           "一辺 a の正方形の対角線 AB の上に、原子半径 r が4つ並ぶ"))                             \
    X(RadiusFccDerivation, "radius-fcc-derivation", One, Fixed(400, 300), RadiusFigures,           \
      Said("面心立方格子の原子半径の求め方",                                                       \
           "対角線の長さ AB＝4r。直角三角形 OAB に三平方の定理：(4r)²＝a²＋a²、16r²＝2a²、"        \
           "8r²＝a²"))                                                                             \
    X(RadiusBccHexagon, "radius-bcc-hexagon", One, Fixed(260, 260), RadiusFigures,                 \
      Said("体心立方格子の体対角線を含む図",                                                       \
           "中心の原子と、体対角線の両端にある頂点の原子の一部が接している"))                      \
    X(RadiusBccLabelled, "radius-bcc-labelled", One, Fixed(260, 260), RadiusFigures,               \
      Said("体心立方格子の体対角線 AC＝4r",                                                        \
           "一辺 a の立方体の体対角線 AC の上に、原子半径 r が4つ並ぶ"))                           \
    X(RadiusBccDerivation, "radius-bcc-derivation", One, Fixed(400, 330), RadiusFigures,           \
      Said("体心立方格子の原子半径の求め方",                                                       \
           "対角線の長さ AC＝4r。直角三角形 OAB で AB²＝2a²、"                                     \
           "直角三角形 ABC で (4r)²＝2a²＋a²、16r²＝3a²"))                                         \
    /* The structure's title plate. */                                                             \
    X(Plate, "plate", PerStructure, Fixed(232, 52), FlatFigures,                                   \
      Said(Each("体心立方構造", "面心立方構造", "六方最密構造")))                                  \
    X(Cutaway, "cutaway", PerStructure, PerVariant(179, 189, 174, 193, 151, 184),                  \
      LatticeCells,                                                                                \
      Said("%1の切り出した単位格子",                                                               \
           Each("立方体の8個の頂点に原子が8分の1個ずつ、中心に1個。単位格子内の原子は2個",         \
                "立方体の8個の頂点に原子が8分の1個ずつ、6つの面の中心に2分の1個ずつ。"             \
                "単位格子内の原子は4個",                                                           \
                "六角柱の12個の頂点に原子が6分の1個ずつ、上下の面の中心に2分の1個ずつ、"           \
                "内部に3個。六角柱内の原子は6個")))                                                \
    /* The cut-away cell, smaller, fixed on the menu: it ends above the top row of lesson          \
       buttons. */                                                                                 \
    X(MenuCutaway, "menu-cutaway", PerStructure, PerVariant(124, 130, 120, 133, 104, 127),         \
      CellFigures, SaidAs(PictureKind::Cutaway))                                                   \
    /* A block of touching hard spheres. */                                                        \
    X(Spheres, "spheres", PerStructure, Fixed(285, 298), LatticeCells,                             \
      Said("%1の剛体球モデル",                                                                     \
           Each("接し合う緑の球の並び。立方体の8個の頂点の球の中心に、もう1個の球が入る",          \
                "接し合う緑の球の最密な並び。層がABCABCと重なる",                                  \
                "接し合う緑の球の最密な層が、ABABと重なった並び")))                                \
    X(BallStick, "ballstick", PerStructure, LessonView, LatticeCells,                              \
      Said("%1の単位格子（球と棒の図）",                                                           \
           Each("赤い原子が立方体の8個の頂点に、赤紫の原子が中心にある。"                          \
                "黄色い線は中心と頂点を結ぶ",                                                      \
                "赤い原子が立方体の8個の頂点に、赤紫の原子が6つの面の中心にある",                  \
                "赤い原子が六角柱の12個の頂点に、赤紫の原子が上下の面の中心と中間の層に3個"        \
                "ある")))                                                                          \
    /* The cell the learner builds, piece by piece. */                                             \
    X(EmptyCell, "emptycell", PerStructure, LessonView, LatticeCells,                              \
      Said(Each("空の単位格子（立方体）",                                                          \
                "空の単位格子（立方体）",                                                          \
                "空の単位格子（六角柱）"),                                                         \
           "原子の、単位格子の内側にある部分をここに入れていく"))                                  \
    X(NeighbourQuestion, "neighbour-q", PerStructure, Fixed(260, 260), LatticeCells,               \
      Said("「注目」の原子をもつ単位格子",                                                         \
           Each("立方体の中心の原子に注目。この原子に接している原子はいくつあるか",                \
                "上の面の中心の原子に注目。この原子に接している原子はいくつあるか",                \
                "上の六角形の面の中心の原子に注目。この原子に接している原子はいくつあるか")))      \
    /* The close-packed structures' answer shows two cells apart. */                               \
    X(NeighbourAnswer, "neighbour-a", PerStructure, PerVariant(260, 260, 260, 400, 260, 400),      \
      LatticeCells,                                                                                \
      Said("「注目」の原子に接する原子を色分けした図",                                             \
           Each("中心の「注目」の原子は、8個の頂点の原子と接している。隣接原子数は8",              \
                "二つの単位格子を上下に結合すると、「注目」の原子に接する原子は同じ面に4個"        \
                "、上に4個、下に4個。隣接原子数は12",                                              \
                "二つの六角柱を上下に結合すると、「注目」の原子に接する原子は同じ層に6個、"        \
                "上の層に3個、下の層に3個。隣接原子数は12")))                                      \
    /* Layer A of the stacking lesson: alone, with one sphere's six neighbours, with its           \
       hollows. */                                                                                 \
    X(StackLayer, "stack-layer", Numbered(3), Fixed(400, 320), Stacks,                             \
      Said(Each("最密に並んだ球の層（A層）",                                                       \
                "A層の一つの球と、それに接する6個の球",                                            \
                "A層のくぼみ"),                                                                    \
           Each("緑の球が平面の上にすき間なく並んでいる",                                          \
                "緑の球のまわりに、接する赤い球が6個ある",                                         \
                "三つの球の間のくぼみに、青い印（Bの位置）とだいだい色の印（Cの位置）が一つ"       \
                "おきにある")))                                                                    \
    /* Layers A and B, with the places of the third layer. */                                      \
    X(StackChoice, "stack-choice", One, Fixed(400, 320), Stacks,                                   \
      Said("A層の上にB層を重ねた図",                                                               \
           "真上から見た図。青いB層の球は小さく描いてあり、すき間から下が見える。"                  \
           "B層のくぼみの下には、緑のA層の球か、どの層も使っていない場所の"                        \
           "だいだい色の点がある。黄色い輪が3層目の置き場所の候補"))                               \
    /* Per close-packed structure (HCP, then FCC): its stack of layers, the stack with its         \
       cell, one sphere's twelve neighbours. */                                                    \
    X(Stack, "stack", ClosePacked, Fixed(240, 300), Stacks,                                        \
      Said(Each("ABAB…と重ねた層（六方最密構造）",                                                 \
                "ABCABC…と重ねた層（面心立方格子）"),                                              \
           Each("いちばん上の3層目の緑の球は、A層の真上にある。下から緑、青、緑",                  \
                "いちばん上の3層目のだいだい色の球は、A層もB層も使っていないくぼみの上にある。"    \
                "下から緑、青、だいだい色")))                                                      \
    X(StackCell, "stack-cell", ClosePacked, Fixed(240, 300), Stacks,                               \
      Said(Each("ABABの層の中の六角柱",                                                            \
                "ABCAの層の中の立方体"),                                                           \
           Each("六方最密構造の六角柱が、緑のA層、青のB層、緑のA層の3層にまたがっている。"         \
                "大きい球が六角柱の原子",                                                          \
                "面心立方格子の立方体が、体対角線を層に垂直に立てて4層にまたがっている。"          \
                "大きい球が立方体の原子。回すと立方体が見えてくる")))                              \
    X(StackNeighbours, "stack-neighbours", ClosePacked, Fixed(240, 300), Stacks,                   \
      Said(Each("六方最密構造で一つの球に接する12個の球",                                          \
                "面心立方格子で一つの球に接する12個の球"),                                         \
           Each("層を離して描いた図。緑の球に接するのは、同じ層に赤い球6個、"                      \
                "上の層と下の層に赤紫の球3個ずつ。上と下の3個は真上と真下に重なる",                \
                "層を離して描いた図。緑の球に接するのは、同じ層に赤い球6個、"                      \
                "上の層と下の層に赤紫の球3個ずつ。上と下の3個は向きが60度ずれている")))            \
    /* The crystals of the ionic and covalent lessons, one picture per crystal (NaCl, CsCl,        \
       ZnS, diamond): anions green, cations violet, carbon grey. */                                \
    X(CrystalCell, "crystal-cell", PerCrystal, Fixed(280, 280), Crystals,                          \
      Said(Each("塩化ナトリウムの単位格子", "塩化セシウムの単位格子",                              \
                "硫化亜鉛（閃亜鉛鉱）の単位格子", "ダイヤモンドの単位格子"),                       \
           Each("緑の大きい球が塩化物イオン、紫の小さい球がナトリウムイオン。"                     \
                "塩化物イオンは頂点と面の中心に、ナトリウムイオンは辺の中点と立方体の中心にある",  \
                "緑の球が塩化物イオンで立方体の8個の頂点に、紫の球がセシウムイオンで中心にある",    \
                "緑の大きい球が硫化物イオンで頂点と面の中心に、紫の小さい球が亜鉛イオンで"         \
                "立方体の内部に4個ある",                                                           \
                "灰色の炭素原子が頂点と面の中心と、内部の4か所にある。線は共有結合")))             \
    X(CrystalPacked, "crystal-packed", PerCrystal, Fixed(280, 280), Crystals,                      \
      Said(Each("塩化ナトリウムの単位格子（イオンの大きさどおり）",                                \
                "塩化セシウムの単位格子（イオンの大きさどおり）",                                  \
                "硫化亜鉛の単位格子（イオンの大きさどおり）",                                      \
                "ダイヤモンドの単位格子（原子の大きさどおり）"),                                   \
           Each("接し合うイオンの、単位格子の内側にある部分。"                                     \
                "ナトリウムイオンと塩化物イオンが辺に沿って接している",                            \
                "接し合うイオンの、単位格子の内側にある部分。"                                     \
                "セシウムイオンと塩化物イオンが体対角線に沿って接している",                        \
                "接し合うイオンの、単位格子の内側にある部分。"                                     \
                "亜鉛イオンと硫化物イオンが体対角線の上で接している",                              \
                "接し合う炭素原子の、単位格子の内側にある部分。すき間が大きい")))                  \
    X(CrystalNeighbours, "crystal-neighbours", PerCrystal, Fixed(280, 280), Crystals,              \
      Said(Each("一つのナトリウムイオンに接する塩化物イオン",                                      \
                "一つのセシウムイオンに接する塩化物イオン",                                        \
                "一つの亜鉛イオンに接する硫化物イオン",                                            \
                "一つの炭素原子と結合する炭素原子"),                                               \
           Each("立方体の中心の紫のナトリウムイオンに、6つの面の中心の緑の塩化物イオン6個が"       \
                "赤い線で結ばれている。配位数6",                                                   \
                "立方体の中心の紫のセシウムイオンに、8個の頂点の緑の塩化物イオンが"               \
                "赤い線で結ばれている。配位数8",                                                   \
                "内部の紫の亜鉛イオン1個に、正四面体の頂点にある緑の硫化物イオン4個が"             \
                "赤い線で結ばれている。配位数4",                                                   \
                "内部の炭素原子1個に、正四面体の頂点にある炭素原子4個が赤い線で"                   \
                "結ばれている。配位数4")))                                                         \
    X(CrystalFrame, "crystal-frame", PerCrystal, Fixed(280, 280), Crystals,                        \
      Said(Each("塩化物イオンの並びとすき間", "塩化物イオンの並びとすき間",                        \
                "硫化物イオンの並びとすき間", "面心立方格子の位置の炭素原子"),                     \
           Each("緑の塩化物イオンが面心立方格子の位置にある。紫の小さい点が、"                     \
                "ナトリウムイオンの入るすき間（辺の中点と中心）",                                  \
                "緑の塩化物イオンが立方体の8個の頂点にある。紫の小さい点が、"                      \
                "セシウムイオンの入る中心",                                                        \
                "緑の硫化物イオンが面心立方格子の位置にある。紫の小さい点が、"                      \
                "亜鉛イオンの入るすき間（内部の4か所）。白い小さい点は、1つおきに空いたままの"     \
                "残りの4か所",                                                                     \
                "灰色の炭素原子が面心立方格子の位置にある。灰色の小さい点が、"                      \
                "残りの炭素原子の入る内部の4か所。白い小さい点は、1つおきに空いたままの"          \
                "残りの4か所")))                                                                   \
    X(Graphite, "graphite", One, Fixed(300, 260), Crystals,                                        \
      Said("黒鉛の構造",                                                                           \
           "正六角形の網目の平面が3層重なっている。各炭素原子は同じ平面の3個と"                    \
           "共有結合し、平面どうしは弱い力で引き合う"))                                            \
    /* The part of each atom that lies inside its cell, as the interior viewer lays it on          \
       the empty cell. */                                                                          \
    X(Piece, "piece", PerPiece, PieceBox, CellFigures, SaidFromModel)                              \
    X(Key, "key", Numbered(10), Fixed(64, 46), FlatFigures, Unsaid)                                \
    X(WordFace, "", PerWord, ButtonFace, FlatFigures, Unsaid)                                      \
    /* A word set on a turning drawing: only the build has the fonts, so the program sets          \
       these pictures where the words go. */                                                       \
    X(DrawingWord, "", OnDrawings, WordBox, CellFigures,                                           \
      Said(Each("「注目」の札", "「結合」の文字", "「結合」の文字")))
// clang-format on

// The words of the word buttons, in one list: a new word is one line here,
// beside the picture rows, as a button's face is a picture.
// A button's face shows its word, and a screen reader speaks it: both come
// from this list (wordButton()). X(name, face's resource name, word, style).
#define MIROSUTA_WORDS(X)                                                                          \
    X(Run, "btn-run", "実行", Small)                                                               \
    X(Menu, "btn-menu", "メニュー", Small)                                                         \
    X(Next, "btn-next", "次に進む", Small)                                                         \
    X(Again, "btn-again", "再確認", Small)                                                         \
    X(End, "btn-end", "終了", Small)                                                               \
    X(Bcc, "btn-bcc", "体心立方", Lesson)                                                          \
    X(Fcc, "btn-fcc", "面心立方", Lesson)                                                          \
    X(Hcp, "btn-hcp", "六方最密", Lesson)                                                          \
    X(Summary, "btn-summary", "まとめ", Lesson)                                                    \
    X(Drill, "btn-drill", "ドリル", Lesson)                                                        \
    X(Radius, "btn-radius", "原子半径", Lesson)                                                    \
    X(Packing, "btn-packing", "充填率・密度", Lesson)                                              \
    X(Stacking, "btn-stacking", "積み重ね", Lesson)                                                \
    X(Ionic, "btn-ionic", "イオン結晶", Lesson)                                                    \
    X(Covalent, "btn-covalent", "共有結合の結晶", Lesson)                                          \
    X(CrystalKinds, "btn-crystal-kinds", "結晶の種類", Lesson)                                     \
    X(OtherLessons, "btn-other", "ほかの学習", Small)                                              \
    X(MetalLessons, "btn-metals", "金属の結晶", Small)

// What the columns hold.
namespace picturerow {

enum class Variants : std::uint8_t {
    One,          // "marker"
    PerStructure, // "ballstick-bcc", "ballstick-fcc", "ballstick-hcp"
    ClosePacked,  // "stack-hcp", "stack-fcc"
    Numbered,     // "key-0" to "key-9"
    PerPiece,     // one per atom of each structure's cell: "piece-hcp-3"
    PerWord,      // one per word button (MIROSUTA_WORDS), named as its list says
    OnDrawings,   // one per word on a turning drawing, in the order of WordPicture
    PerCrystal,   // "crystal-cell-nacl", … one per cell::CrystalType
};
struct VariantRule {
    Variants variants;
    int count = 0; // Numbered
};
inline constexpr VariantRule One{Variants::One}, PerStructure{Variants::PerStructure},
    ClosePacked{Variants::ClosePacked}, PerPiece{Variants::PerPiece}, PerWord{Variants::PerWord},
    OnDrawings{Variants::OnDrawings}, PerCrystal{Variants::PerCrystal};
constexpr VariantRule Numbered(int count) {
    return {Variants::Numbered, count};
}

struct SizeRule {
    enum class From : std::uint8_t {
        Given,        // one size, or one per picture
        LessonCamera, // the camera of the interior viewer's drawings
        PieceBox,     // the box of the atom's piece on those drawings
        ButtonStyle,  // the face of a word button of that style
        WordBox,      // a word set on a drawing (wordPictureSize)
    };
    From from;
    int width[3] = {}, height[3] = {}; // Given: one size, or one per picture
    bool perVariant = false;
    constexpr int widthOf(int variant) const { return width[perVariant ? variant : 0]; }
    constexpr int heightOf(int variant) const { return height[perVariant ? variant : 0]; }
};
constexpr SizeRule Fixed(int width, int height) {
    return {SizeRule::From::Given, {width}, {height}};
}
constexpr SizeRule PerVariant(int w0, int h0, int w1, int h1, int w2, int h2) {
    return {SizeRule::From::Given, {w0, w1, w2}, {h0, h1, h2}, true};
}
inline constexpr SizeRule LessonView{SizeRule::From::LessonCamera},
    PieceBox{SizeRule::From::PieceBox}, ButtonFace{SizeRule::From::ButtonStyle},
    WordBox{SizeRule::From::WordBox};

enum Family : std::uint8_t {
    LatticeCells,
    Stacks,
    Crystals,
    CellFigures,
    FlatFigures,
    RadiusFigures
};
constexpr bool turns(Family f) {
    return f == LatticeCells || f == Stacks || f == Crystals;
}

// One text for every picture of a kind, or one per picture in its variants' order.
struct Texts {
    const char* text[4] = {};
    constexpr Texts() = default;
    constexpr Texts(const char* all) : text{all, nullptr, nullptr, nullptr} {}
    constexpr Texts(const char* a, const char* b, const char* c, const char* d)
        : text{a, b, c, d} {}
    constexpr const char* at(int variant) const { return text[1] ? text[variant] : text[0]; }
};
constexpr Texts Each(const char* a, const char* b, const char* c = nullptr,
                     const char* d = nullptr) {
    return {a, b, c, d};
}

struct Spoken {
    enum class From : std::uint8_t { Row, OtherKind, Model, Nothing };
    From from;
    Texts name, description;
    PictureKind as{}; // OtherKind
};
constexpr Spoken Said(Texts name, Texts description = {}) {
    return {Spoken::From::Row, name, description};
}
constexpr Spoken SaidAs(PictureKind kind) {
    return {Spoken::From::OtherKind, {}, {}, kind};
}
inline constexpr Spoken SaidFromModel{Spoken::From::Model}, Unsaid{Spoken::From::Nothing};

// The structures' names for "%1", as the summary writes them.
inline constexpr const char* kStructureNames[] = {"体心立方格子", "面心立方格子", "六方最密構造"};

struct PictureRow {
    PictureKind kind;
    const char* stem;
    VariantRule variants;
    SizeRule size;
    Family family;
    Spoken spoken;
};

} // namespace picturerow

// The row of a kind (not None).
const picturerow::PictureRow& pictureRow(PictureKind kind);
