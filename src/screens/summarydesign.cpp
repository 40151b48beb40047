#include "summarydesign.h"

#include "cellmodel.h"

#include <cmath>

using namespace controls::summary;

namespace {

// A count as the table shows it: full-width digits, one digit followed by an
// ideographic space so that every count is three characters wide ("２　個",
// "１２個").
QString summaryCount(int n) {
    QString digits;
    for (QChar c : QString::number(n))
        digits += QChar(0xFF10 + (c.unicode() - u'0'));
    return digits + (digits.size() == 1 ? QStringLiteral("　個") : QStringLiteral("個"));
}

// A column of the table: one structure.
struct Column {
    cell::Structure structure;
    Control<Tag> name, atoms, neighbours, metals, picture;
    const char* caption;      // the structure's name
    const char* lesson;       // its lesson, as the link says where it leads
    int nameLeft, countLeft;  // twips
    const char* metalCaption; // as the table shows the metals
    const char* metalWords;   // as a screen reader speaks them
    const char* metalNote;
    int metalLeft, pictureLeft, pictureTop;
};

const Column kColumns[] = {
    {cell::Structure::Bcc, Label8, Label11, Label14, Label17, Image1, "体心立方格子", "体心立方",
     2100, 2205, "Ｎａ，Ｋ，Ｂａ，Ｌｉ", "ナトリウム、カリウム、バリウム、リチウム",
     "体心立方格子の物質例", 1770, 1980, 2040},
    {cell::Structure::Fcc, Label9, Label12, Label15, Label18, Image2, "面心立方格子", "面心立方",
     5280, 5415, "Ａｌ，Ｃｕ，Ａｇ", "アルミニウム、銅、銀", "面心立方格子の物質例", 4995, 5250,
     2040},
    {cell::Structure::Hcp, Label10, Label13, Label16, Label19, Image3, "六方最密構造", "六方最密",
     8505, 8655, "Ｂｅ，Ｍｇ，Ｚｎ", "ベリリウム、マグネシウム、亜鉛", "六方最密構造の物質例", 8190,
     8625, 2010},
};

// Where a link leads, as its description says it.
QString leadsTo(const Column& c, const char* lesson) {
    return QStringLiteral("%1の「%2」の学習へ進む")
        .arg(QString::fromUtf8(c.lesson), QString::fromUtf8(lesson));
}

} // namespace

ScreenDesign design(ScreenTag<ScreenId::Summary> tag) {
    Design d(tag, "まとめ", "ミロスタのまとめ", kFullClient);
    // The grid comes first so that every cell is painted over its lines. The
    // row of neighbour counts and the HCP column are the spaces the others
    // leave. The outer border goes on top of the inner lines it shares.
    const QColor black(0, 0, 0);
    const struct {
        Control<Tag> name;
        QRect twips;
    } lines[] = {
        {Shape2, QRect(240, 1350, 1470, 5640)},  {Shape3, QRect(1695, 1350, 3210, 5640)},
        {Shape4, QRect(4890, 1350, 3210, 5640)}, {Shape5, QRect(240, 1350, 11085, 585)},
        {Shape6, QRect(240, 1920, 11085, 2985)}, {Shape7, QRect(240, 4890, 11085, 810)},
        {Shape8, QRect(240, 6465, 11085, 525)},
    };
    for (const auto& line : lines)
        d.shape(line.name, line.twips, black).spoken("表の罫線");
    d.shape(Shape1, QRect(240, 1350, 11085, 5640), QColor(0, 0, 128)).spoken("表の外枠");

    d.picture(Image4, 240, 150, pictures::BannerSummary);
    d.panel(List1, explanation("まとめ", 1), QRect(5670, 60, 3015, 1260), PanelGround::Blue)
        .spoken("説明");
    d.picture(Image5, 8745, 210, pictures::FaceB);
    // A pixel taller than its face, as the table's screen was designed.
    d.button(Command1, Word::Menu, 9690, 285).size(1605, 750).to(ScreenId::Menu);

    const QColor headerText(0, 0, 192);
    const struct {
        Control<Tag> name;
        int left, top;
        const char* caption;
    } headers[] = {
        {Label1, 405, 1485, "名　称"}, {Label2, 405, 3315, "構　造"}, {Label3, 405, 4935, "格子内"},
        {Label4, 390, 5295, "原子数"}, {Label5, 405, 5745, "隣　接"}, {Label6, 405, 6135, "原子数"},
        {Label7, 405, 6555, "物質例"},
    };
    for (const auto& h : headers)
        d.label(h.name, QRect(h.left, h.top, 1110, 360), QString::fromUtf8(h.caption), 15.75,
                headerText);

    // The links keep their captions as names and say where they lead; they
    // follow with Space or Enter too, in the table's reading order.
    const QColor white(255, 255, 255);
    for (const Column& c : kColumns)
        d.label(c.name, QRect(c.nameLeft, 1455, 2415, 375), QString::fromUtf8(c.caption), 18, white,
                QColor(255, 128, 0))
            .activation(Activation::Link)
            .spoken(QString(), leadsTo(c, "単位格子の中"))
            .to(lessonScreen(c.structure, Lesson::Interior));
    for (const Column& c : kColumns)
        d.drawing(c.picture, c.pictureLeft, c.pictureTop,
                  pictures::of(PictureKind::Cutaway, c.structure));
    // The counts are the cell model's.
    for (const Column& c : kColumns) {
        const int atoms = int(std::lround(cell::atomsPerCell(cell::model(c.structure))));
        d.label(c.atoms, QRect(c.countLeft, 4980, 2115, 630), summaryCount(atoms), 27.75, white,
                QColor(0, 0, 255))
            .activation(Activation::Link)
            .spoken(QString(), leadsTo(c, "格子内原子数"))
            .to(lessonScreen(c.structure, Lesson::Atoms));
    }
    for (const Column& c : kColumns)
        d.label(c.neighbours, QRect(c.countLeft, 5775, 2115, 630),
                summaryCount(cell::neighbourCount(c.structure)), 27.75, white, QColor(0, 0, 255))
            .activation(Activation::Link)
            .spoken(QString(), leadsTo(c, "隣接原子数"))
            .to(lessonScreen(c.structure, Lesson::Neighbours));
    for (const Column& c : kColumns)
        d.label(c.metals, QRect(c.metalLeft, 6555, 3060, 375), QString::fromUtf8(c.metalCaption),
                14.25, QColor(0, 0, 255))
            .spoken(c.metalWords, c.metalNote);

    Names<Tag> order{Command1, List1};
    for (const Column& c : kColumns)
        order << c.name;
    for (const Column& c : kColumns)
        order << c.atoms;
    for (const Column& c : kColumns)
        order << c.neighbours;
    for (const Column& c : kColumns)
        order << c.picture;
    d.tabOrder(order);
    d.firstFocus(Command1);
    return d.take();
}
