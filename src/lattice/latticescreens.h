#pragma once

#include "screen.h"

// Registers the four lesson screens of each structure: 開始, 内部, 原子, 隣接.
void registerLatticeScreens(const AddScreen& add);
