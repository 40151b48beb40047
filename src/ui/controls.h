#pragma once

#include "controlname.h"

// Every screen's control names, once: the screens build their elements by
// them, and the navigation table, the panel designs and the screen-reader
// names refer to the elements by them. One namespace per screen class; a
// name a screen does not have does not compile.
namespace controls {

// The constant and its text are spelled by one token, so they cannot differ.
#define MIROSUTA_NAMED(name) name(#name)

namespace start { // スタート: Command1 メニュー, Command2 終了
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(List1), MIROSUTA_NAMED(List2), MIROSUTA_NAMED(Command1),
    MIROSUTA_NAMED(Command2);
} // namespace start

// メニュー: Command1 体心立方, Command2 面心立方, Command3 六方最密, Command4 まとめ,
// Command5 ドリル, Command6 原子半径, Command7 終了.
namespace menu {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(Command1), MIROSUTA_NAMED(Command2),
    MIROSUTA_NAMED(Command3), MIROSUTA_NAMED(Command4), MIROSUTA_NAMED(Command5),
    MIROSUTA_NAMED(Command6), MIROSUTA_NAMED(Command7);
} // namespace menu

// まとめ: Label1-7 the row and column headers; Label8-16 the links (the names,
// the atom counts, the neighbour counts); Label17-19 the metals; Command1 メニュー.
namespace summary {
inline constexpr ControlName MIROSUTA_NAMED(Shape1), MIROSUTA_NAMED(Shape2), MIROSUTA_NAMED(Shape3),
    MIROSUTA_NAMED(Shape4), MIROSUTA_NAMED(Shape5), MIROSUTA_NAMED(Shape6), MIROSUTA_NAMED(Shape7),
    MIROSUTA_NAMED(Shape8);
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(Image5), MIROSUTA_NAMED(List1), MIROSUTA_NAMED(Command1);
inline constexpr ControlName MIROSUTA_NAMED(Label1), MIROSUTA_NAMED(Label2), MIROSUTA_NAMED(Label3),
    MIROSUTA_NAMED(Label4), MIROSUTA_NAMED(Label5), MIROSUTA_NAMED(Label6), MIROSUTA_NAMED(Label7),
    MIROSUTA_NAMED(Label8), MIROSUTA_NAMED(Label9), MIROSUTA_NAMED(Label10),
    MIROSUTA_NAMED(Label11), MIROSUTA_NAMED(Label12), MIROSUTA_NAMED(Label13),
    MIROSUTA_NAMED(Label14), MIROSUTA_NAMED(Label15), MIROSUTA_NAMED(Label16),
    MIROSUTA_NAMED(Label17), MIROSUTA_NAMED(Label18), MIROSUTA_NAMED(Label19);
} // namespace summary

// 体心開始, 面心開始, 六方開始: Command1 実行, Command2 メニュー.
namespace latticeIntro {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(Image5), MIROSUTA_NAMED(List1), MIROSUTA_NAMED(List2),
    MIROSUTA_NAMED(List3), MIROSUTA_NAMED(Command1), MIROSUTA_NAMED(Command2);
} // namespace latticeIntro

// 体心内部, 面心内部, 六方内部: Image3 the markers and Image4 the pieces, both
// arrays; Command1 実行, Command2 メニュー, Command3 次に進む, Command4 再確認.
namespace latticeInterior {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(Image5), MIROSUTA_NAMED(Image6), MIROSUTA_NAMED(List1),
    MIROSUTA_NAMED(List2), MIROSUTA_NAMED(List3), MIROSUTA_NAMED(Command1),
    MIROSUTA_NAMED(Command2), MIROSUTA_NAMED(Command3), MIROSUTA_NAMED(Command4);
} // namespace latticeInterior

// 体心原子, 面心原子, 六方原子: Image4-7 the hint pictures in Frame1, as many as
// the structure has; Command1 実行, Command2 メニュー, Command3 次に進む.
namespace latticeAtoms {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(List1), MIROSUTA_NAMED(List2), MIROSUTA_NAMED(Frame1), MIROSUTA_NAMED(Image4),
    MIROSUTA_NAMED(Image5), MIROSUTA_NAMED(Image6), MIROSUTA_NAMED(Image7),
    MIROSUTA_NAMED(Command1), MIROSUTA_NAMED(Command2), MIROSUTA_NAMED(Command3);
} // namespace latticeAtoms

// 体心隣接, 面心隣接, 六方隣接: Command1 実行, Command2 メニュー.
namespace latticeNeighbours {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(List1), MIROSUTA_NAMED(List2), MIROSUTA_NAMED(Command1),
    MIROSUTA_NAMED(Command2);
} // namespace latticeNeighbours

// 半径開始, 面心半径, 体心半径: Command1 次に進む, Command2 メニュー.
namespace radius {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(Image5), MIROSUTA_NAMED(Image6), MIROSUTA_NAMED(Image7),
    MIROSUTA_NAMED(Image8), MIROSUTA_NAMED(Image9), MIROSUTA_NAMED(List1), MIROSUTA_NAMED(List2),
    MIROSUTA_NAMED(List3), MIROSUTA_NAMED(Command1), MIROSUTA_NAMED(Command2);
} // namespace radius

namespace drillStart { // ドリル開始: Command1 実行, Command2 メニュー
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(List1),
    MIROSUTA_NAMED(Command1), MIROSUTA_NAMED(Command2);
} // namespace drillStart

// ドリル: Image4 the "?" over the two answer boxes and Label1 the two answer
// digits, both arrays; Command1 メニュー; Command2 the ten digit keys, an array.
namespace drill {
inline constexpr ControlName MIROSUTA_NAMED(Image1), MIROSUTA_NAMED(Image2), MIROSUTA_NAMED(Image3),
    MIROSUTA_NAMED(Image4), MIROSUTA_NAMED(Image5), MIROSUTA_NAMED(Image6), MIROSUTA_NAMED(Image7),
    MIROSUTA_NAMED(Label1), MIROSUTA_NAMED(Label2), MIROSUTA_NAMED(List1), MIROSUTA_NAMED(List2),
    MIROSUTA_NAMED(Command1), MIROSUTA_NAMED(Command2), MIROSUTA_NAMED(Timer1);
} // namespace drill

#undef MIROSUTA_NAMED

} // namespace controls
