#pragma once

#include "screen.h"

// Registers スタート, メニュー and まとめ.
void registerShellScreens(const AddScreen& add);
