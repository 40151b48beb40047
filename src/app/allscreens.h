#pragma once

// Registers the twenty screens of the program with the navigator.
void registerAllScreens();
