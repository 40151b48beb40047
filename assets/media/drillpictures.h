#pragma once

// The drill's pictures: one crystal cell per question and the two marks.

#include "drillcrystal.h"

#include <QImage>

class DrillPictures {
public:
    // Fits inside the question frame of the drill screen (341 x 242 pixels).
    static constexpr int kWidth = 320, kHeight = 236;
    static QImage question(const drill::Crystal& crystal);
    static QImage rightMark(); // a red ring
    static QImage wrongMark(); // a blue cross
};
