// Renders every screen in every state to PNG:
// screenshot-tour <out-folder> [content-folder].
// Each state is reached as the screen's declaration leads there (StateWalk)
// and shot as <form name>-<state name>.png. With "-" as the folder it tours
// the same way and writes nothing (for checking that the program itself
// writes nothing). With --layout FILE it writes, as JSON, every screen's
// named elements and their places in window pixels, its states with the
// presses that reach each, and its main line of presses (for tests that
// click the program where it has no widgets of its own to find, as in a
// browser; the build writes it as screens.json).
// Uses the built content folder beside the program, or the one given, and a
// fixed clock and draw, so the pictures are the same at every run. With a
// content folder of its own, the opening of a screen whose class holds
// progress of its own is shot at every such place too (each question of the
// drill).
#include "latticeatomsdesign.h"
#include "latticeinteriordesign.h"
#include "latticeneighboursdesign.h"
#include "navigator.h"
#include "programlook.h"
#include "screen.h"
#include "screenclasses.h"
#include "services.h"
#include "statewalk.h"
#include "turnabledrawing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

class StillClock : public Clock {
public:
    double secondsSinceMidnight() override { return now; }
    double now = 36000.0;
};

class FirstDraw : public RandomSource {
public:
    void reseed(std::uint32_t) override {}
    double next() override { return 0.0; } // questions come in the order 1..5
};

class PrintReport : public ErrorReport {
public:
    void report(const QString& message) override {
        qWarning("%s", qPrintable(message));
        ++count;
    }
    int count = 0;
};

class NoExit : public ProgramExit {
public:
    void exit(int) override {}
};

class NoSound : public SoundPlayer {
public:
    void play(const QString&) override {}
};

StillClock g_clock;
// The tour's own navigator, made in main().
Navigator* g_navigator = nullptr;
bool g_write = true;

void shoot(const QDir& out, const QString& name) {
    Screen* s = g_navigator->current();
    if (!s || !g_write)
        return;
    QPixmap p = s->grab();
    p.save(out.filePath(name + ".png"));
    qInfo("%s", qPrintable(name));
}

StateWalk makeWalk() {
    return StateWalk(*g_navigator, [](double seconds) { g_clock.now += seconds; });
}

// The way from the screen's opening to each of its states.
QHash<QString, QList<WalkStep>> pathsToStates(ScreenId id) {
    QHash<QString, QList<WalkStep>> out;
    makeWalk().walk(id, [&](Screen* s, const WalkPlace& place, bool first) {
        if (first)
            out.insert(s->stateName(), place.path);
    });
    return out;
}

// Drawings turned as a learner turns them: the finished cell, the twelve
// neighbours of the close-packed answer, a cut-away cell; each drawn in full,
// as it is once the pointer stops. The answer turns a little to the left, so
// that each middle layer shows one atom in front and the other two beside
// it, all six red atoms around the one looked at, and the one looked at
// itself; further round, or steeper, a middle atom hides behind the others
// or under the prism's top.
void shootTurned(const QDir& out) {
    const struct {
        ScreenId screen;
        const char* state;
        ControlName drawing;
        celldrawing::Turn turn;
    } turned[] = {
        {ScreenId::BccInterior, "10", controls::latticeInterior::Image2, {40, 15}},
        {ScreenId::HcpNeighbours, "1", controls::latticeNeighbours::Image4, {-10, 5}},
        {ScreenId::FccAtoms, "0", controls::latticeAtoms::Image2, {-35, 20}},
    };
    for (const auto& t : turned) {
        const ScreenDesign& design = screenDesign(t.screen);
        makeWalk().replay(t.screen, pathsToStates(t.screen).value(t.state));
        auto* drawing =
            qobject_cast<TurnableDrawing*>(g_navigator->current()->element(t.drawing.text()));
        if (!drawing) {
            qWarning("no drawing %s on %s", qPrintable(t.drawing.text()),
                     qPrintable(design.formName));
            continue;
        }
        drawing->turnTo(t.turn);
        QTest::qWait(500); // the full drawing follows the quick one
        shoot(out, "turned-" + design.formName);
    }
}

QJsonArray pathJson(const QList<WalkStep>& path) {
    QJsonArray out;
    for (const WalkStep& step : path)
        out.append(step.wait
                       ? QJsonValue(QJsonObject{{"wait", step.element}, {"seconds", step.seconds}})
                       : QJsonValue(step.element));
    return out;
}

// The screen's main line: from the opening, each state's first way out,
// until one leaves the screen or comes back to a state already passed.
QJsonArray mainLine(const ScreenDesign& design) {
    QJsonArray out;
    std::vector<bool> passed(design.states.size(), false);
    int state = 0;
    while (!passed[std::size_t(state)]) {
        passed[std::size_t(state)] = true;
        const auto& ways = design.states[std::size_t(state)].transitions;
        if (ways.empty() || ways.front().key != AnswerKey::None ||
            ways.front().trigger != Transition::Trigger::Press)
            break;
        const Transition& way = ways.front();
        out.append(QJsonObject{{"press", way.element}, {"leaves", way.leaves()}});
        if (way.leaves() || way.to.kind != Destination::Kind::State)
            break;
        state = way.to.state;
    }
    return out;
}

// Every named element of every screen as the screen opens: its rectangle in
// window pixels and whether it shows; the screen's states, each with the way
// to it from the opening; and its main line of presses.
bool writeLayout(const QString& file) {
    QJsonObject screens;
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& design = screenDesign(ScreenId(i));
        const QHash<QString, QList<WalkStep>> paths = pathsToStates(design.id);
        g_navigator->switchScreen(design.id);
        flushEvents();
        Screen* s = g_navigator->current();
        if (!s)
            continue;
        QJsonObject elements;
        for (QWidget* w : s->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                continue;
            const QRect r(w->mapTo(s, QPoint(0, 0)), w->size());
            elements.insert(w->objectName(), QJsonObject{{"x", r.x()},
                                                         {"y", r.y()},
                                                         {"width", r.width()},
                                                         {"height", r.height()},
                                                         {"shown", w->isVisibleTo(s)}});
        }
        QJsonObject states;
        for (const StateDesign& state : design.states)
            states.insert(state.name, pathJson(paths.value(state.name)));
        screens.insert(design.formName, QJsonObject{{"width", s->width()},
                                                    {"height", s->height()},
                                                    {"elements", elements},
                                                    {"states", states},
                                                    {"stages", mainLine(design)}});
    }
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(QJsonDocument(screens).toJson(QJsonDocument::Indented));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    applyProgramLook();
    const bool layout = argc > 2 && QByteArray(argv[1]) == "--layout";
    const QString folder =
        argc > 1 && !layout ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screens");
    g_write = folder != "-" && !layout;
    const QDir out(folder);
    if (g_write)
        QDir().mkpath(out.path());
    PrintReport report;
    NoExit noExit;
    FirstDraw draw;
    NoSound silence;
    const bool ownContent = argc > 2 && !layout;
    const QString base = ownContent ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath()
                                    : QCoreApplication::applicationDirPath() + "/../out";
    Navigator navigator({base, {g_clock, draw, silence, report, noExit}});
    g_navigator = &navigator;
    registerScreenClasses(navigator);
    if (layout)
        return writeLayout(QString::fromLocal8Bit(argv[2])) && report.count == 0 ? 0 : 1;

    // Every screen at its opening and in each of its states.
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& design = screenDesign(ScreenId(i));
        int places = 0;
        makeWalk().walk(design.id, [&](Screen* s, const WalkPlace& place, bool first) {
            if (first)
                shoot(out, design.formName + '-' + s->stateName());
            else if (ownContent && place.state == 0 && !place.progress.isEmpty())
                shoot(out, QStringLiteral("%1-0-%2").arg(design.formName).arg(++places));
        });
    }
    shootTurned(out);
    return report.count == 0 ? 0 : 1;
}
