#include "ratiocontrol.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSame = 1e-9;
// A drag this close to the limit lands on it: a pixel or two on the screen.
constexpr double kSnap = 0.006;

} // namespace

RatioControl::Fit RatioControl::fit() const {
    if (std::abs(m_value - m_limit) < kSame)
        return Fit::Limit;
    return m_value > m_limit ? Fit::Touching : Fit::Loose;
}

bool RatioControl::step(int direction, double by) {
    // The stops: the multiples of the step within the ends, the ends and the limit.
    std::vector<double> stops{kSmallest, kLargest};
    for (int k = int(std::ceil(kSmallest / by - kSame)); k * by <= kLargest + kSame; ++k)
        stops.push_back(std::round(k * by * 1000) / 1000);
    if (m_limit > kSmallest && m_limit < kLargest)
        stops.push_back(m_limit);
    double next = m_value;
    bool found = false;
    for (double s : stops) {
        const bool ahead = direction < 0 ? s < m_value - kSame : s > m_value + kSame;
        if (ahead && (!found || std::abs(s - m_value) < std::abs(next - m_value))) {
            next = s;
            found = true;
        }
    }
    if (found)
        m_value = std::clamp(next, kSmallest, kLargest);
    return found;
}

void RatioControl::setNear(double v) {
    v = std::clamp(v, kSmallest, kLargest);
    m_value = std::abs(v - m_limit) < kSnap ? m_limit : std::round(v * 100) / 100;
}
