#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTau = 6.283185307179586;

std::vector<float> silence(double seconds) {
    return std::vector<float>(std::size_t(seconds * Sounds::kRate), 0.0f);
}

// Adds a note of the given partials (frequency multiple, level) with an
// attack, an exponential decay and a short release at its end.
void addNote(std::vector<float>& out, double start, double length, double freq, double level,
             std::initializer_list<std::pair<double, double>> partials, double decay,
             double attack = 0.005, double vibrato = 0) {
    const int first = int(start * Sounds::kRate);
    const int count = int(length * Sounds::kRate);
    for (int i = 0; i < count && first + i < int(out.size()); ++i) {
        const double t = double(i) / Sounds::kRate;
        double env = std::min(1.0, t / attack) * std::exp(-t * decay);
        env *= std::min(1.0, (length - t) / 0.03); // no click at the end
        const double f = freq * (1 + vibrato * std::sin(kTau * 5.5 * t) * std::min(1.0, t / 0.3));
        double v = 0;
        for (const auto& [mult, amp] : partials)
            v += amp * std::sin(kTau * f * mult * t);
        out[std::size_t(first + i)] += float(level * env * v);
    }
}

void normalise(std::vector<float>& s, double peak) {
    float m = 0;
    for (float v : s)
        m = std::max(m, std::abs(v));
    if (m > 0)
        for (float& v : s)
            v = float(v * peak / m);
}

} // namespace

std::vector<float> Sounds::chime() {
    std::vector<float> s = silence(1.1);
    const std::initializer_list<std::pair<double, double>> bell = {
        {1, 1.0}, {2, 0.35}, {3, 0.12}, {4.2, 0.06}};
    addNote(s, 0.0, 0.5, 1318.5, 0.8, bell, 5.0);   // E6
    addNote(s, 0.22, 0.88, 1046.5, 0.9, bell, 3.5); // C6
    normalise(s, 0.8);
    return s;
}

std::vector<float> Sounds::buzzer() {
    std::vector<float> s = silence(0.85);
    // Odd harmonics give a square-like buzz; a second voice a little off beats against it.
    const std::initializer_list<std::pair<double, double>> buzz = {
        {1, 1.0}, {3, 0.33}, {5, 0.2}, {7, 0.14}, {9, 0.11}, {11, 0.09}};
    for (double start : {0.0, 0.42}) {
        addNote(s, start, 0.36, 110.0, 0.6, buzz, 0.8, 0.01);
        addNote(s, start, 0.36, 116.5, 0.45, buzz, 0.8, 0.01);
    }
    normalise(s, 0.75);
    return s;
}

std::vector<float> Sounds::fanfare() {
    std::vector<float> s = silence(2.3);
    const std::initializer_list<std::pair<double, double>> brass = {
        {1, 1.0}, {2, 0.6}, {3, 0.4}, {4, 0.25}, {5, 0.15}, {6, 0.08}};
    // G4 C5 E5 | G5 . E5 | C6 (held, with the chord under it)
    struct N {
        double start, length, freq;
    };
    const N notes[] = {{0.00, 0.16, 392.0}, {0.17, 0.16, 523.3}, {0.34, 0.16, 659.3},
                       {0.51, 0.34, 784.0}, {0.87, 0.14, 659.3}, {1.02, 1.25, 1046.5},
                       {1.02, 1.25, 659.3}, {1.02, 1.25, 784.0}};
    for (const N& n : notes)
        addNote(s, n.start, n.length, n.freq, n.freq > 1000 ? 0.6 : 0.5, brass,
                n.length > 1 ? 1.2 : 2.0, 0.02, n.length > 1 ? 0.006 : 0);
    normalise(s, 0.8);
    return s;
}
