#pragma once

// The look every screen is drawn in and every text panel measured in: Qt's
// Fusion style, which draws the panels in the colours they are given and has
// the same frames and scroll bars (14 px) on every platform. The program, the
// content checker, the tests and the tools call it once their QApplication
// exists, so that what the checker measures is what the learner sees.
void applyProgramLook();
