#pragma once

#include <vector>

// The cation's radius over the anion's as the learner sets it, without a
// window: it stays within what makes sense for these crystals (the cation
// never larger than the anion, nor vanishing), and every step or drag that
// passes the crystal's limiting ratio stops on it exactly, so that the limit
// is never stepped over unseen.
class RatioControl {
public:
    static constexpr double kSmallest = 0.10, kLargest = 1.00;
    // What the ions do at the ratio.
    enum class Fit {
        Touching, // the cation touches every anion around it: stable
        Limit,    // and the anions touch each other as well
        Loose,    // the anions touch each other, the cation rattles: unstable
    };

    explicit RatioControl(double limit = 0.5) : m_limit(limit) {}

    double value() const { return m_value; }
    double limit() const { return m_limit; }
    Fit fit() const;
    // A crystal of another limit; the ratio stays where it is.
    void setLimit(double limit) { m_limit = limit; }
    // The next stop by so much down (direction −1) or up (+1): the places
    // that are whole multiples of the step, and the limit. False at an end.
    bool step(int direction, double by);
    // Where a drag or a key puts it: kept within the ends, on the limit when
    // near it, else on the hundredths.
    void setNear(double v);
    void setToEnd(int direction) { m_value = direction < 0 ? kSmallest : kLargest; }

private:
    double m_limit;
    double m_value = kLargest;
};
