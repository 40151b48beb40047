#pragma once

class Navigator;

// Tells the navigator of every screen with a class of its own (a game, a
// judged answer). Each such class is named by its own folder's CMakeLists.txt
// (mirosuta_screen_class); the build writes this function from those names.
void registerScreenClasses(Navigator& navigator);
