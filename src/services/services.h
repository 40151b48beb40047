#pragma once

#include <QString>
#include <cstdint>

// Side effects that tests must control sit behind these small interfaces. The
// program uses the defaults; a test installs its own and restores the defaults.

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

class Services {
public:
    static Clock& clock();
    static RandomSource& random();
    static SoundPlayer& sound();
    static ErrorReport& errorReport();
    static ProgramExit& programExit();

    // Passing nullptr restores the default.
    static void setClock(Clock* c);
    static void setRandom(RandomSource* r);
    static void setSound(SoundPlayer* s);
    static void setErrorReport(ErrorReport* e);
    static void setProgramExit(ProgramExit* e);
};
