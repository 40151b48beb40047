#pragma once

#include <QRect>
#include <QtMath>

// Designs are laid out in twips: 15 twips are one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
