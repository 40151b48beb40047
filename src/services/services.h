#pragma once

#include <QString>
#include <cstdint>
#include <memory>

// Side effects that tests must control sit behind these small interfaces. The
// program hands its own to the navigator, which passes them to each screen;
// a test hands its fakes to a navigator of its own.

class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::uint32_t seed) = 0;
    virtual double next() = 0; // uniform in [0, 1)
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound at path and returns at once; never fails loudly.
    virtual void play(const QString& path) = 0;
};

class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void report(const QString& message) = 0;
};

class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void exit(int status) = 0;
};

// Everything a screen may cause outside itself.
struct Services {
    Clock& clock;
    RandomSource& random;
    SoundPlayer& sound;
    ErrorReport& errorReport;
    ProgramExit& programExit;
};

// The program's own: the system clock, a seeded generator, the platform's
// error report and exit, and the sound player it is given.
class SystemServices {
public:
    explicit SystemServices(SoundPlayer& sound);
    ~SystemServices();
    SystemServices(const SystemServices&) = delete;
    SystemServices& operator=(const SystemServices&) = delete;

    Services services() const;

private:
    struct Own;
    std::unique_ptr<Own> m_own;
    SoundPlayer& m_sound;
};
