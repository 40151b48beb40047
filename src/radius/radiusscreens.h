#pragma once

#include "screen.h"

// Registers 半径開始, 面心半径 and 体心半径.
void registerRadiusScreens(const AddScreen& add);
