#pragma once

class Navigator;

// Registers the twenty screens of the program with the navigator.
void registerAllScreens(Navigator& navigator);
