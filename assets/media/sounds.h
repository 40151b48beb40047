#pragma once

// The drill's three sounds, synthesised: mono samples in [-1, 1].

#include <vector>

class Sounds {
public:
    static constexpr int kRate = 22050;
    static std::vector<float> chime();   // a right answer: bright two-note chime
    static std::vector<float> buzzer();  // a wrong answer: low buzz, twice
    static std::vector<float> fanfare(); // the drill passed: a short fanfare
};
