#pragma once

// Fakes for the program's side effects and a harness that runs screens in a
// throw-away content folder.

#include "navigator.h"
#include "screen.h"
#include "services.h"
#include "statewalk.h"

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

// How many presses of Tab take the focus to the element, by the declared tab
// order, from the screen's first focus or the element given; in the state
// given, what it hides is passed over.
int tabsTo(const ScreenDesign& d, const ControlName& name, int state = 0,
           const QString& from = {});

// The lines of a text panel; empty for anything else.
QStringList panelLinesOf(QWidget* panel);

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

template <class Tag> class On;

// Names of several screens as data, for lists that span them.
using ControlNames = QList<ControlName>;
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
    // A walk through the states of this harness's screens; its waits move
    // the harness's clock.
    StateWalk walk() {
        return StateWalk(*m_navigator, [this](double seconds) { clock.now += seconds; });
    }

    Screen* open(ScreenId id); // SwitchScreen from nowhere
    // Opens the screen and looks at it by its names.
    template <ScreenId Id> On<TagOf<Id>> open() {
        open(Id);
        return On<TagOf<Id>>(*this);
    }
    Screen* current() const;
    QString currentName() const; // form name, empty if none
    // The open screen, by the names of its tag (or a tag it derives from):
    // another screen's name does not compile, and a test fails if the open
    // screen does not take the tag's names.
    template <class Tag> On<Tag> on() const { return On<Tag>(const_cast<Harness&>(*this)); }
    template <ScreenId Id> On<TagOf<Id>> on() const { return on<TagOf<Id>>(); }

    // By a name as data (a walk's presses, a list of several screens'
    // names): clicks the element, failing the test if it is missing or
    // hidden; the element, or null.
    void clickNamed(const QString& name);
    QWidget* named(const QString& name) const;
    bool shownNamed(const QString& name) const {
        QWidget* w = named(name);
        return w && !w->isHidden();
    }
    void clickNamed(const ControlName& name) { clickNamed(name.text()); }
    QWidget* named(const ControlName& name) const { return named(name.text()); }
    bool shownNamed(const ControlName& name) const { return shownNamed(name.text()); }
    // Delivers what the screens queued for the navigator (a failed text),
    // then deletes the screens it closed.
    static void flushDeletes();

private:
    SoundPlayer* m_sound = &sound;
    // Last, so that it and its open screen go first.
    std::unique_ptr<Navigator> m_navigator;
};

// Data-driven tests carry names in their columns.
Q_DECLARE_METATYPE(ControlName)
template <class Tag> QTestData& operator<<(QTestData& data, const Control<Tag>& name) {
    return data << static_cast<const ControlName&>(name);
}

// The open screen of a harness, seen through the names of one tag.
template <class Tag> class On {
public:
    explicit On(Harness& h) : m_h(h) {
        Screen* s = h.current();
        if (!s || !s->design().takes(typeid(Tag)))
            QTest::qFail(qPrintable("the open screen " + h.currentName() +
                                    " does not take the names of " + typeid(Tag).name()),
                         __FILE__, __LINE__);
    }
    void click(NameOf<Tag> auto name) { m_h.clickNamed(name.text()); }
    // Exists and is not hidden.
    bool shown(NameOf<Tag> auto name) const {
        QWidget* w = m_h.named(name.text());
        return w && !w->isHidden();
    }
    template <class T> T* element(NameOf<Tag> auto name) const {
        return qobject_cast<T*>(m_h.named(name.text()));
    }
    QStringList panelLines(NameOf<Tag> auto name) const { return lines(m_h.named(name.text())); }
    Screen* screen() const { return m_h.current(); }

private:
    static QStringList lines(QWidget* panel);
    Harness& m_h;
};
template <class Tag> QStringList On<Tag>::lines(QWidget* panel) {
    return panelLinesOf(panel);
}
