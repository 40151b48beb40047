#pragma once

#include "screendesign.h"

// メニュー, the hub every lesson returns to, in two pages (states). The metals'
// page, as the program opens it: the three cells (Image2-4) over their
// lessons' buttons, Command1 体心立方, Command2 面心立方, Command3 六方最密,
// Command4 まとめ, Command5 ドリル, Command6 原子半径, and Command8 ほかの学習,
// which turns to the other page: the further lessons, Further an array of
// buttons in the rows that Label1 and Label2 head, and Command9 金属の結晶,
// which turns back. Command7 終了 on both.
MIROSUTA_CONTROLS(menu, Image1, Image2, Image3, Image4, Label1, Label2, Command1, Command2,
                  Command3, Command4, Command5, Command6, Command7, Command8, Command9, Further)

// The lessons of the menu's second page, a row each: its button's word, the
// screen it opens, and the row of the page it stands in (0: the metals'
// further lessons, 1: the other kinds of crystal).
struct MenuLesson {
    Word word;
    ScreenId first;
    int row;
};
const std::vector<MenuLesson>& menuLessons();
// The second page's button of the lesson that opens that screen first.
Control<controls::menu::Tag> menuLessonButton(ScreenId first);
