#pragma once

class Navigator;

// Registers 半径開始, 面心半径 and 体心半径.
void registerRadiusScreens(Navigator& navigator);
