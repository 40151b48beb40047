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

class SilentPlayer final : public SoundPlayer {
public:
    void play(const QString&) override {}
};

template <class T> struct Slot {
    T* current = nullptr;
    T& get(T& fallback) { return current ? *current : fallback; }
};

Slot<Clock> g_clock;
Slot<RandomSource> g_random;
Slot<SoundPlayer> g_sound;
Slot<ErrorReport> g_error;
Slot<ProgramExit> g_exit;

} // namespace

Clock& Services::clock() {
    static SystemClock c;
    return g_clock.get(c);
}
RandomSource& Services::random() {
    static StdRandom r;
    return g_random.get(r);
}
SoundPlayer& Services::sound() {
    static SilentPlayer s;
    return g_sound.get(s);
}
ErrorReport& Services::errorReport() {
    return g_error.get(platformErrorReport());
}
ProgramExit& Services::programExit() {
    return g_exit.get(platformProgramExit());
}

void Services::setClock(Clock* c) {
    g_clock.current = c;
}
void Services::setRandom(RandomSource* r) {
    g_random.current = r;
}
void Services::setSound(SoundPlayer* s) {
    g_sound.current = s;
}
void Services::setErrorReport(ErrorReport* e) {
    g_error.current = e;
}
void Services::setProgramExit(ProgramExit* e) {
    g_exit.current = e;
}
