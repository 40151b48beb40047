#include "summaryscreen.h"

#include "controls.h"
#include "label.h"
#include "picturebutton.h"
#include "shape.h"

using namespace controls::summary;

namespace {

struct Cell {
    ControlName name;
    int left, top, width, height;
    const char* caption;
};

} // namespace

SummaryScreen::SummaryScreen() : Screen(ScreenId::Summary) {
    // The grid comes first so that every cell is painted over its lines. The
    // row of neighbour counts and the HCP column are the spaces the others
    // leave. The outer border goes on top of the inner lines it shares.
    const QColor black(0, 0, 0);
    addShape(Shape2, twips(240, 1350, 1470, 5640), black);
    addShape(Shape3, twips(1695, 1350, 3210, 5640), black);
    addShape(Shape4, twips(4890, 1350, 3210, 5640), black);
    addShape(Shape5, twips(240, 1350, 11085, 585), black);
    addShape(Shape6, twips(240, 1920, 11085, 2985), black);
    addShape(Shape7, twips(240, 4890, 11085, 810), black);
    addShape(Shape8, twips(240, 6465, 11085, 525), black);
    addShape(Shape1, twips(240, 1350, 11085, 5640), QColor(0, 0, 128));

    addPicture(Image4, 240, 150, "banner-summary");
    m_list1 = addPanel(List1);
    addPicture(Image5, 8745, 210, "face-b");
    auto* menu = addButton(Command1, "btn-menu", "メニュー", twips(9690, 285, 1605, 750));

    const QColor headerText(0, 0, 192);
    const Cell headers[] = {
        {Label1, 405, 1485, 1110, 360, "名　称"}, {Label2, 405, 3315, 1110, 360, "構　造"},
        {Label3, 405, 4935, 1110, 360, "格子内"}, {Label4, 390, 5295, 1110, 360, "原子数"},
        {Label5, 405, 5745, 1110, 360, "隣　接"}, {Label6, 405, 6135, 1110, 360, "原子数"},
        {Label7, 405, 6555, 1110, 360, "物質例"},
    };
    for (const Cell& c : headers)
        addLabel(c.name, twips(c.left, c.top, c.width, c.height), QString::fromUtf8(c.caption),
                 15.75, headerText);

    const QColor white(255, 255, 255);
    const Cell names[] = {
        {Label8, 2100, 1455, 2415, 375, "体心立方格子"},
        {Label9, 5280, 1455, 2415, 375, "面心立方格子"},
        {Label10, 8505, 1455, 2415, 375, "六方最密構造"},
    };
    // The links follow with Space or Enter too, in the table's reading order.
    QList<Label*> links;
    for (const Cell& c : names)
        links << addLabel(c.name, twips(c.left, c.top, c.width, c.height),
                          QString::fromUtf8(c.caption), 18, white, QColor(255, 128, 0));

    addPicture(Image1, 1980, 2040, "cutaway-bcc");
    addPicture(Image2, 5250, 2040, "cutaway-fcc");
    addPicture(Image3, 8625, 2010, "cutaway-hcp");

    const Cell counts[] = {
        {Label11, 2205, 4980, 2115, 630, "２　個"}, {Label12, 5415, 4980, 2115, 630, "４　個"},
        {Label13, 8655, 4980, 2115, 630, "６　個"}, {Label14, 2205, 5775, 2115, 630, "８　個"},
        {Label15, 5415, 5775, 2115, 630, "１２個"}, {Label16, 8655, 5775, 2115, 630, "１２個"},
    };
    for (const Cell& c : counts)
        links << addLabel(c.name, twips(c.left, c.top, c.width, c.height),
                          QString::fromUtf8(c.caption), 27.75, white, QColor(0, 0, 255));

    const Cell metals[] = {
        {Label17, 1770, 6555, 3060, 375, "Ｎａ，Ｋ，Ｂａ，Ｌｉ"},
        {Label18, 4995, 6555, 3060, 375, "Ａｌ，Ｃｕ，Ａｇ"},
        {Label19, 8190, 6555, 3060, 375, "Ｂｅ，Ｍｇ，Ｚｎ"},
    };
    for (const Cell& c : metals)
        addLabel(c.name, twips(c.left, c.top, c.width, c.height), QString::fromUtf8(c.caption),
                 14.25, QColor(0, 0, 255));

    setFocusOrder({menu, m_list1});
    QWidget* previous = m_list1;
    for (Label* l : links) {
        l->setKind(ClickableLabel::Kind::Link);
        QWidget::setTabOrder(previous, l);
        previous = l;
    }
    setFirstFocus(menu);
}

void SummaryScreen::formLoad() {
    fill(m_list1);
}
