#pragma once

#include <QString>

class LazySoundPlayer;
class Navigator;

// Starts the program as a learner sees it: the screens, the sound player and
// the first screen from the content folders under baseFolder. Work the first
// screen does not need (loading the sound module) waits until it is shown.
// If a content file cannot be read the navigator has ended the program when
// this returns.
void startProgram(Navigator& navigator, LazySoundPlayer& sound, const QString& baseFolder);
