#include "services.h"

#include "platformservices.h"

#include <QTime>
#include <random>

namespace {

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
};

class StdRandom final : public RandomSource {
public:
    void reseed(std::uint32_t seed) override { m_engine.seed(seed); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine{5489u};
};

} // namespace

struct SystemServices::Own {
    SystemClock clock;
    StdRandom random;
};

SystemServices::SystemServices(SoundPlayer& sound)
    : m_own(std::make_unique<Own>()), m_sound(sound) {}

SystemServices::~SystemServices() = default;

Services SystemServices::services() const {
    return {m_own->clock, m_own->random, m_sound, platformErrorReport(), platformProgramExit()};
}
