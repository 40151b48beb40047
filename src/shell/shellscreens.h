#pragma once

class Navigator;

// Registers スタート, メニュー and まとめ.
void registerShellScreens(Navigator& navigator);
