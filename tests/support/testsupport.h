#pragma once

// Fakes for the program's side effects and a harness that runs screens in a
// throw-away content folder.

#include "navigator.h"
#include "screen.h"
#include "services.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

class RecordingErrorReport : public ErrorReport {
public:
    void report(const QString& message) override {
        messages << message;
        if (watch)
            watch();
    }
    QStringList messages;
    // Called while the report is read, for a look at the screen behind it.
    std::function<void()> watch;
};

class RecordingExit : public ProgramExit {
public:
    void exit(int status) override { statuses << status; }
    QList<int> statuses;
};

class FakeClock : public Clock {
public:
    double secondsSinceMidnight() override { return now; }
    double now = 36000.0;
};

// Returns the queued values in turn (then the last one again); records seeds.
class ScriptedRandom : public RandomSource {
public:
    void reseed(std::uint32_t seed) override { seeds << seed; }
    double next() override {
        if (values.empty())
            return 0.0;
        const double v = values.front();
        if (values.size() > 1)
            values.pop_front();
        return v;
    }
    std::deque<double> values;
    QList<std::uint32_t> seeds;
};

class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override { played << path; }
    QStringList played;
};

// Every explanation text the screens' declarations name, as paths below the
// base folder.
QStringList allTextFiles();

// The drill's pictures and sounds, as paths below the base folder.
QStringList allMediaFiles();

// A _data() column "id" with one row per screen, named by its form name.
void addScreenRows();

// Writes text as CP932 with CR LF line ends (each line gets one).
QByteArray encodeCp932(const QStringList& lines);

class ContentFolder {
public:
    // Every text file gets a short recognisable body: its own relative path;
    // the drill's media are copied from the build.
    ContentFolder();
    QString base() const { return m_dir.path(); }
    QString full(const QString& relative) const; // relative in "\" form; native separators
    void writeBytes(const QString& relative, const QByteArray& bytes);
    void writeLines(const QString& relative, const QStringList& lines);
    void remove(const QString& relative);
    // Copies a file from the build's output folder (pictures, sounds) if it exists.
    bool copyShipped(const QString& relative);

private:
    QTemporaryDir m_dir;
};

// Several elements of one screen, as a helper's argument.
using ControlNames = QList<ControlName>;
// Their objectNames.
QStringList texts(const ControlNames& names);

// A fresh content folder, fakes for the services, and a navigator of its own
// that hands both to every screen it opens.
class Harness {
public:
    Harness();
    ~Harness();

    ContentFolder content;
    RecordingErrorReport errors;
    RecordingExit exits;
    FakeClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sound;

    Services services() { return {clock, random, *m_sound, errors, exits}; }
    // Another sound player than the recording one, for this run and the next.
    void useSound(SoundPlayer& player) {
        m_sound = &player;
        newRun();
    }
    Navigator& navigator() const { return *m_navigator; }
    // A new run of the program after it has ended: a fresh navigator.
    void newRun();

    Screen* open(ScreenId id); // SwitchScreen from nowhere
    Screen* current() const;
    QString currentName() const; // form name, empty if none
    // Clicks the visible element of the open screen with that name.
    void click(ControlName name);
    void click(const QString& name);
    template <class T> T* element(ControlName name) const {
        return current() ? current()->findChild<T*>(name.text()) : nullptr;
    }
    bool shown(ControlName name) const; // exists and not hidden
    QStringList panelLines(ControlName name) const;
    // Delivers what the screens queued for the navigator (a failed text),
    // then deletes the screens it closed.
    static void flushDeletes();

private:
    SoundPlayer* m_sound = &sound;
    // Last, so that it and its open screen go first.
    std::unique_ptr<Navigator> m_navigator;
};

// Data-driven tests name their elements in a column of this type.
Q_DECLARE_METATYPE(ControlName)

// A screen's typed name goes into such a column as the name it is.
template <class Tag> QTestData& operator<<(QTestData& data, const Control<Tag>& name) {
    return data << static_cast<const ControlName&>(name);
}
