#pragma once

#include "controlname.h"

// Every screen's control names, once: the screens build their elements by
// them, and the navigation table, the panel designs and the screen-reader
// names refer to the elements by them. One namespace per screen class.
namespace controls {

#define MIROSUTA_CONTROL(name)                                                                     \
    inline constexpr ControlName name {                                                            \
#name                                                                                      \
    }

namespace start { // スタート
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(Command1); // メニュー
MIROSUTA_CONTROL(Command2); // 終了
} // namespace start

namespace menu { // メニュー
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(Image4);
MIROSUTA_CONTROL(Command1); // 体心立方
MIROSUTA_CONTROL(Command2); // 面心立方
MIROSUTA_CONTROL(Command3); // 六方最密
MIROSUTA_CONTROL(Command4); // まとめ
MIROSUTA_CONTROL(Command5); // ドリル
MIROSUTA_CONTROL(Command6); // 原子半径
MIROSUTA_CONTROL(Command7); // 終了
} // namespace menu

namespace summary { // まとめ
MIROSUTA_CONTROL(Shape1);
MIROSUTA_CONTROL(Shape2);
MIROSUTA_CONTROL(Shape3);
MIROSUTA_CONTROL(Shape4);
MIROSUTA_CONTROL(Shape5);
MIROSUTA_CONTROL(Shape6);
MIROSUTA_CONTROL(Shape7);
MIROSUTA_CONTROL(Shape8);
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(Image4);
MIROSUTA_CONTROL(Image5);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(Command1); // メニュー
// The row and column headers.
MIROSUTA_CONTROL(Label1);
MIROSUTA_CONTROL(Label2);
MIROSUTA_CONTROL(Label3);
MIROSUTA_CONTROL(Label4);
MIROSUTA_CONTROL(Label5);
MIROSUTA_CONTROL(Label6);
MIROSUTA_CONTROL(Label7);
// The links: the names, the atom counts, the neighbour counts.
MIROSUTA_CONTROL(Label8);
MIROSUTA_CONTROL(Label9);
MIROSUTA_CONTROL(Label10);
MIROSUTA_CONTROL(Label11);
MIROSUTA_CONTROL(Label12);
MIROSUTA_CONTROL(Label13);
MIROSUTA_CONTROL(Label14);
MIROSUTA_CONTROL(Label15);
MIROSUTA_CONTROL(Label16);
// The metals.
MIROSUTA_CONTROL(Label17);
MIROSUTA_CONTROL(Label18);
MIROSUTA_CONTROL(Label19);
} // namespace summary

namespace latticeIntro { // 体心開始, 面心開始, 六方開始
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(Image4);
MIROSUTA_CONTROL(Image5);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(List3);
MIROSUTA_CONTROL(Command1); // 実行
MIROSUTA_CONTROL(Command2); // メニュー
} // namespace latticeIntro

namespace latticeInterior { // 体心内部, 面心内部, 六方内部
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3); // the markers, an array
MIROSUTA_CONTROL(Image4); // the pieces, an array
MIROSUTA_CONTROL(Image5);
MIROSUTA_CONTROL(Image6);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(List3);
MIROSUTA_CONTROL(Command1); // 実行
MIROSUTA_CONTROL(Command2); // メニュー
MIROSUTA_CONTROL(Command3); // 次に進む
MIROSUTA_CONTROL(Command4); // 再確認
} // namespace latticeInterior

namespace latticeAtoms { // 体心原子, 面心原子, 六方原子
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(Frame1);
// The hint pictures in the frame, as many as the structure has.
MIROSUTA_CONTROL(Image4);
MIROSUTA_CONTROL(Image5);
MIROSUTA_CONTROL(Image6);
MIROSUTA_CONTROL(Image7);
MIROSUTA_CONTROL(Command1); // 実行
MIROSUTA_CONTROL(Command2); // メニュー
MIROSUTA_CONTROL(Command3); // 次に進む
} // namespace latticeAtoms

namespace latticeNeighbours { // 体心隣接, 面心隣接, 六方隣接
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(Image4);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(Command1); // 実行
MIROSUTA_CONTROL(Command2); // メニュー
} // namespace latticeNeighbours

namespace radius { // 半径開始, 面心半径, 体心半径
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(Image4);
MIROSUTA_CONTROL(Image5);
MIROSUTA_CONTROL(Image6);
MIROSUTA_CONTROL(Image7);
MIROSUTA_CONTROL(Image8);
MIROSUTA_CONTROL(Image9);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(List3);
MIROSUTA_CONTROL(Command1); // 次に進む
MIROSUTA_CONTROL(Command2); // メニュー
} // namespace radius

namespace drillStart { // ドリル開始
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(Command1); // 実行
MIROSUTA_CONTROL(Command2); // メニュー
} // namespace drillStart

namespace drill { // ドリル
MIROSUTA_CONTROL(Image1);
MIROSUTA_CONTROL(Image2);
MIROSUTA_CONTROL(Image3);
MIROSUTA_CONTROL(Image4); // the "?" over the two answer boxes, an array
MIROSUTA_CONTROL(Image5);
MIROSUTA_CONTROL(Image6);
MIROSUTA_CONTROL(Image7);
MIROSUTA_CONTROL(Label1); // the two answer digits, an array
MIROSUTA_CONTROL(Label2);
MIROSUTA_CONTROL(List1);
MIROSUTA_CONTROL(List2);
MIROSUTA_CONTROL(Command1); // メニュー
MIROSUTA_CONTROL(Command2); // the ten digit keys, an array
MIROSUTA_CONTROL(Timer1);
} // namespace drill

#undef MIROSUTA_CONTROL

} // namespace controls
