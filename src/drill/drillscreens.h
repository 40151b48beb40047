#pragma once

#include "screen.h"

// Registers ドリル開始 and ドリル.
void registerDrillScreens(const AddScreen& add);
