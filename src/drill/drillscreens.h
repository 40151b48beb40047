#pragma once

class Navigator;

// Registers ドリル開始 and ドリル.
void registerDrillScreens(Navigator& navigator);
