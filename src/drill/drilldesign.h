#pragma once

#include "screendesign.h"

// ドリル: picture questions, each answered with two digits for the ratio of A
// to B atoms and judged at once with a sound and a mark (drillscreen.h).
// Image4 the "?" over the two answer boxes and Label1 the two answer digits,
// both arrays; Image5 the question picture and Image6 the mark, both read
// from the content folder; Command1 メニュー; Command2 the ten digit keys, an
// array; Timer1 the pause's timer.
// How long a judgement stays before the drill goes on: more than this many
// seconds of the clock.
inline constexpr double kDrillPauseSeconds = 2.0;

MIROSUTA_CONTROLS(drill, Image1, Image2, Image3, Image4, Image5, Image6, Image7, Label1, Label2,
                  List1, List2, Command1, Command2, Timer1)
