#pragma once

// Registers the twenty screens of the program with the navigator and installs
// the program's sound player.
void registerAllScreens();
