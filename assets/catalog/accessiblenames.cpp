#include "accessiblenames.h"

#include "cellmodel.h"
#include "picturecatalog.h"

#include <QHash>

namespace {

using Table = QHash<QString, AccessibleText>;

// What the three structures' pictures say, in the catalog's order of stems.
struct StructureWords {
    cell::Structure structure;
    const char* lattice;    // the structure's name as the summary writes it
    const char* title;      // the words on its title plate
    const char* cutaway;    // description of the cut-away cell
    const char* spheres;    // description of the hard-sphere block
    const char* ballstick;  // description of the ball-and-stick cell
    const char* emptyShape; // the empty cell's shape
    const char* focusAtom;  // which atom is 注目
    const char* neighbours; // description of the answer picture
};

const StructureWords kStructures[] = {
    {cell::Structure::Bcc, "体心立方格子", "体心立方構造",
     "立方体の8個の頂点に原子が8分の1個ずつ、中心に1個。単位格子内の原子は2個",
     "接し合う緑の球の並び。立方体の8個の頂点の球の中心に、もう1個の球が入る",
     "赤い原子が立方体の8個の頂点に、赤紫の原子が中心にある。黄色い線は中心と頂点を結ぶ", "立方体",
     "立方体の中心の原子", "中心の「注目」の原子は、8個の頂点の原子と接している。隣接原子数は8"},
    {cell::Structure::Fcc, "面心立方格子", "面心立方構造",
     "立方体の8個の頂点に原子が8分の1個ずつ、6つの面の中心に2分の1個ずつ。単位格子内の原子は4個",
     "接し合う緑の球の最密な並び。層がABCABCと重なる",
     "赤い原子が立方体の8個の頂点に、赤紫の原子が6つの面の中心にある", "立方体",
     "上の面の中心の原子",
     "二つの単位格子を上下に結合すると、「注目」の原子に接する原子は同じ面に4個、上に4個、下に4個。"
     "隣接原子数は12"},
    {cell::Structure::Hcp, "六方最密構造", "六方最密構造",
     "六角柱の12個の頂点に原子が6分の1個ずつ、上下の面の中心に2分の1個ずつ、内部に3個。"
     "六角柱内の原子は6個",
     "接し合う緑の球の最密な層が、ABABと重なった並び",
     "赤い原子が六角柱の12個の頂点に、赤紫の原子が上下の面の中心と中間の層に3個ある", "六角柱",
     "上の六角形の面の中心の原子",
     "二つの六角柱を上下に結合すると、「注目」の原子に接する原子は同じ層に6個、上の層に3個、下の層"
     "に3個。"
     "隣接原子数は12"},
};

const StructureWords& wordsOf(cell::Structure s) {
    for (const StructureWords& w : kStructures)
        if (w.structure == s)
            return w;
    Q_UNREACHABLE();
}

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

Table buildPictureTable() {
    Table t;
    auto add = [&](PictureId picture, const QString& name, const QString& description = {}) {
        t.insert(picture.fileName(), {name, description});
    };
    add(pictures::Title, u("ミロスタ 金属の結晶構造"));
    add(pictures::Icon, u("ミロスタ"));
    add(pictures::FaceA, u("案内役の顔"), u("右を向いている"));
    add(pictures::FaceB, u("案内役の顔"), u("左を向いている"));
    add(pictures::PlateRadius, u("原子半径の学習"));
    add(pictures::BannerSummary, u("構造のまとめ"));
    add(pictures::TitleDrill, u("ミロスタドリル"));
    add(pictures::Marker, u("黄色い印"));
    add(pictures::QuestionMark, u("答えの欄「？」"));
    add(pictures::QuestionPanel, u("第何問かと問題文"),
        u("次の結晶内のA原子（赤）とB原子（黄色）の割合を求めなさい。右の欄に A ： B "
          "の数字を入れる"));
    add(pictures::hint(1), u("1個の原子"), u("球がまるごと1個"));
    add(pictures::hint(2), u("2分の1個の原子"), u("二つに切った球の一つ"));
    add(pictures::hint(4), u("4分の1個の原子"), u("四つに切った球の一つ"));
    add(pictures::hint(8), u("8分の1個の原子"), u("八つに切った球の一つ"));
    add(pictures::hint(6), u("6分の1個の原子"), u("六つに切った球の一つ"));
    add(pictures::RadiusAtom, u("原子と原子半径 r"), u("原子の中心から表面までの長さが原子半径 r"));
    add(pictures::RadiusFccFace, u("面心立方格子の一つの面"),
        u("四隅に4分の1の円、中心に1個の円があり、面の対角線の上で接している"));
    add(pictures::RadiusFccLabelled, u("面心立方格子の面の対角線 AB＝4r"),
        u("一辺 a の正方形の対角線 AB の上に、原子半径 r が4つ並ぶ"));
    add(pictures::RadiusFccDerivation, u("面心立方格子の原子半径の求め方"),
        u("対角線の長さ AB＝4r。直角三角形 OAB に三平方の定理：(4r)²＝a²＋a²、16r²＝2a²、8r²＝a²"));
    add(pictures::RadiusBccHexagon, u("体心立方格子の体対角線を含む図"),
        u("中心の原子と、体対角線の両端にある頂点の原子の一部が接している"));
    add(pictures::RadiusBccLabelled, u("体心立方格子の体対角線 AC＝4r"),
        u("一辺 a の立方体の体対角線 AC の上に、原子半径 r が4つ並ぶ"));
    add(pictures::RadiusBccDerivation, u("体心立方格子の原子半径の求め方"),
        u("対角線の長さ AC＝4r。直角三角形 OAB で AB²＝2a²、直角三角形 ABC で (4r)²＝2a²＋a²、"
          "16r²＝3a²"));

    add(pictures::stackLayer(0), u("最密に並んだ球の層（A層）"),
        u("緑の球が平面の上にすき間なく並んでいる"));
    add(pictures::stackLayer(1), u("A層の一つの球と、それに接する6個の球"),
        u("緑の球のまわりに、接する赤い球が6個ある"));
    add(pictures::stackLayer(2), u("A層のくぼみ"),
        u("三つの球の間のくぼみに、青い印（Bの位置）とだいだい色の印（Cの位置）が一つおきにある"));
    add(pictures::StackChoice, u("A層の上にB層を重ねた図"),
        u("青いB層の球は、緑のA層の青い印のくぼみに入っている。黄色い印が3層目の置き場所の候補"));
    add(pictures::of(PictureKind::Stack, cell::Structure::Hcp),
        u("ABAB…と重ねた層（六方最密構造）"),
        u("3層目の緑の球はA層の真上にある。下から緑、青、緑、青"));
    add(pictures::of(PictureKind::Stack, cell::Structure::Fcc),
        u("ABCABC…と重ねた層（面心立方格子）"),
        u("3層目のだいだい色の球は、A層もB層も使っていないくぼみの上にある。下から緑、青、だいだい"
          "色、緑"));
    add(pictures::of(PictureKind::StackCell, cell::Structure::Hcp), u("ABABの層の中の六角柱"),
        u("六方最密構造の六角柱が、緑のA層、青のB層、緑のA層の3層にまたがっている。大きい球が六角柱"
          "の原子"));
    add(pictures::of(PictureKind::StackCell, cell::Structure::Fcc), u("ABCAの層の中の立方体"),
        u("面心立方格子の立方体が、体対角線を層に垂直に立てて4層にまたがっている。大きい球が立方体"
          "の原子。"
          "回すと立方体が見えてくる"));
    add(pictures::of(PictureKind::StackNeighbours, cell::Structure::Hcp),
        u("六方最密構造で一つの球に接する12個の球"),
        u("層を離して描いた図。緑の球に接するのは、同じ層に赤い球6個、上の層と下の層に赤紫の球3個ず"
          "つ。"
          "上と下の3個は真上と真下に重なる"));
    add(pictures::of(PictureKind::StackNeighbours, cell::Structure::Fcc),
        u("面心立方格子で一つの球に接する12個の球"),
        u("層を離して描いた図。緑の球に接するのは、同じ層に赤い球6個、上の層と下の層に赤紫の球3個ず"
          "つ。"
          "上と下の3個は向きが60度ずれている"));

    for (const StructureWords& w : kStructures) {
        const cell::Structure s = w.structure;
        const QString lattice = u(w.lattice);
        add(pictures::of(PictureKind::Plate, s), u(w.title));
        for (PictureKind k : {PictureKind::Cutaway, PictureKind::MenuCutaway})
            add(pictures::of(k, s), lattice + u("の切り出した単位格子"), u(w.cutaway));
        add(pictures::of(PictureKind::Spheres, s), lattice + u("の剛体球モデル"), u(w.spheres));
        add(pictures::of(PictureKind::BallStick, s), lattice + u("の単位格子（球と棒の図）"),
            u(w.ballstick));
        add(pictures::of(PictureKind::EmptyCell, s), u("空の単位格子（%1）").arg(u(w.emptyShape)),
            u("原子の、単位格子の内側にある部分をここに入れていく"));
        add(pictures::of(PictureKind::NeighbourQuestion, s), u("「注目」の原子をもつ単位格子"),
            u("%1に注目。この原子に接している原子はいくつあるか").arg(u(w.focusAtom)));
        add(pictures::of(PictureKind::NeighbourAnswer, s),
            u("「注目」の原子に接する原子を色分けした図"), u(w.neighbours));
        // The words set on these pictures when they turn.
        for (PictureKind k : {PictureKind::NeighbourQuestion, PictureKind::NeighbourAnswer})
            add(pictures::wordOn(pictures::of(k, s), WordPicture::Focus), u("「注目」の札"));
        for (WordPicture side : {WordPicture::JoinLeft, WordPicture::JoinRight})
            if (s != cell::Structure::Bcc)
                add(pictures::wordOn(pictures::of(PictureKind::NeighbourAnswer, s), side),
                    u("「結合」の文字"));
        for (int i = 0; i < cell::pieceCount(s); ++i) {
            const AccessibleText piece = pieceText(s, i);
            add(pictures::piece(s, i), piece.name, piece.description);
        }
    }
    return t;
}

const Table& pictureTable() {
    static const Table table = buildPictureTable();
    return table;
}

// Fractions and places are spelled as they are read aloud: Japanese speech
// engines may read "1/8" as a date.
QString fraction(const cell::Atom& a) {
    if (a.fractionNum == a.fractionDen)
        return QStringLiteral("1");
    return u("%1分の%2").arg(a.fractionDen).arg(a.fractionNum);
}

QString place(int index, int count) {
    return u("（%1個のうち%2個目）").arg(count).arg(index + 1);
}

QString siteName(cell::Structure s, cell::Site site) {
    switch (site) {
    case cell::Site::Corner:
        return u("頂点の原子");
    case cell::Site::Face:
        return u("面の中心の原子");
    case cell::Site::Edge:
        return u("辺の原子");
    case cell::Site::Inner:
        return s == cell::Structure::Bcc ? u("体心の原子") : u("内部の原子");
    }
    Q_UNREACHABLE();
}

} // namespace

AccessibleText pictureText(const QString& picture) {
    return pictureTable().value(picture);
}

AccessibleText pictureText(PictureId picture) {
    return pictureText(picture.fileName());
}

AccessibleText markerText(cell::Structure s, int index) {
    const cell::Cell& c = cell::model(s);
    const cell::Atom& a = c.atoms[std::size_t(index)];
    const int n = cell::pieceCount(s);
    return {
        QStringLiteral("%1 %2%3").arg(siteName(s, a.site), fraction(a), place(index, n)),
        u("押すと、この原子の単位格子の内側にある部分 %1個 が左の単位格子に入る").arg(fraction(a))};
}

AccessibleText pieceText(cell::Structure s, int index) {
    const cell::Cell& c = cell::model(s);
    const cell::Atom& a = c.atoms[std::size_t(index)];
    const int n = cell::pieceCount(s);
    return {u("入れた%1の%2個%3").arg(siteName(s, a.site), fraction(a), place(index, n)),
            u("単位格子の内側にある部分")};
}

QString drillOrdinalText(int ordinal) {
    return u("第%1問").arg(ordinal);
}

AccessibleText drillQuestionText(int ordinal) {
    return {u("第%1問の結晶の図").arg(ordinal), u("A原子は赤、B原子は黄色で描かれている")};
}

QString drillDigitText(int box, int digit) {
    return u("%1の答え「%2」").arg(box == 0 ? 'A' : 'B').arg(digit);
}

AccessibleText drillAnswerBoxText(int box) {
    const QChar which = box == 0 ? 'A' : 'B';
    return {u("%1の答えの欄「？」").arg(which), u("数字のキーで%1原子の割合を入れる").arg(which)};
}

AccessibleText drillMarkText(bool right) {
    return right ? AccessibleText{u("正解"), u("○の印")} : AccessibleText{u("不正解"), u("×の印")};
}
