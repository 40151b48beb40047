// Renders every screen in every stage to PNG:
// screenshot-tour <out-folder> [content-folder].
// With "-" as the folder it tours the same way and writes nothing (for
// checking that the program itself writes nothing). With --layout FILE it
// writes, as JSON, every screen's named elements and their places in window
// pixels, and the presses of its declared stages, instead (for tests that
// click the program where it has no widgets of its own to find, as in a
// browser; the build writes it as screens.json).
// Uses the built content folder beside the program, or the one given, and a
// fixed clock and draw, so the pictures are the same at every run. With a
// content folder of its own, every question of the drill is shot too.
#include "drillscreen.h"
#include "latticeatomsdesign.h"
#include "latticeinteriordesign.h"
#include "latticeneighboursdesign.h"
#include "navigator.h"
#include "packingdesign.h"
#include "programlook.h"
#include "screenclasses.h"
#include "services.h"
#include "turnabledrawing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <algorithm>

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

void flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(const QString& name) {
    Screen* s = g_navigator->current();
    QWidget* w = s ? s->element(name) : nullptr;
    if (!w || w->isHidden()) {
        qWarning("cannot click %s", qPrintable(name));
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    flush();
}

void endPause() {
    g_clock.now += 3.0;
    if (Screen* s = g_navigator->current())
        if (auto* t = s->findChild<QTimer*>(controls::drill::Timer1.text()); t && t->isActive())
            QMetaObject::invokeMethod(t, "timeout");
    flush();
}

bool g_write = true;

void shoot(const QDir& out, const QString& name) {
    Screen* s = g_navigator->current();
    if (!s || !g_write)
        return;
    QPixmap p = s->grab();
    p.save(out.filePath(name + ".png"));
    qInfo("%s", qPrintable(name));
}

// Opens the screen and makes its first stages, or (-1) all that stay on it.
void playStages(const ScreenDesign& design, int upTo) {
    g_navigator->switchScreen(design.id);
    flush();
    for (int i = 0; upTo < 0 || i < upTo; ++i) {
        if (i >= int(design.stages.size()))
            break;
        const Press& p = design.stages[std::size_t(i)];
        if (!p.steps.empty() && p.steps.back().kind == Step::Kind::Move)
            break;
        click(p.element);
    }
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
        int stages;
        ControlName drawing;
        celldrawing::Turn turn;
    } turned[] = {
        {ScreenId::BccInterior, -1, controls::latticeInterior::Image2, {40, 15}},
        {ScreenId::HcpNeighbours, 1, controls::latticeNeighbours::Image4, {-10, 5}},
        {ScreenId::FccAtoms, 0, controls::latticeAtoms::Image2, {-35, 20}},
    };
    for (const auto& t : turned) {
        const ScreenDesign& design = screenDesign(t.screen);
        playStages(design, t.stages);
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

// Every named element of every screen as the screen opens: its rectangle in
// window pixels and whether it shows; and the screen's stages in turn: the
// element pressed and whether the stage leaves the screen.
bool writeLayout(const QString& file) {
    QJsonObject screens;
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& design = screenDesign(ScreenId(i));
        g_navigator->switchScreen(design.id);
        flush();
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
        QJsonArray stages;
        for (const Press& p : design.stages)
            stages.append(QJsonObject{
                {"press", p.element},
                {"leaves", !p.steps.empty() && p.steps.back().kind == Step::Kind::Move}});
        screens.insert(design.formName, QJsonObject{{"width", s->width()},
                                                    {"height", s->height()},
                                                    {"elements", elements},
                                                    {"stages", stages}});
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

    // Every screen at its opening and after each of its stages, the presses
    // its declaration gives; the drill, a game rather than stages, below.
    for (int i = 0; i < kScreenCount; ++i) {
        const ScreenDesign& design = screenDesign(ScreenId(i));
        if (design.id == ScreenId::Drill)
            continue;
        g_navigator->switchScreen(design.id);
        flush();
        shoot(out, design.formName + "-0");
        int stage = 1;
        for (const Press& p : design.stages) {
            // A stage that leaves the screen has no picture of its own.
            if (!p.steps.empty() && p.steps.back().kind == Step::Kind::Move)
                break;
            click(p.element);
            shoot(out, QStringLiteral("%1-%2").arg(design.formName).arg(stage++));
        }
        // A choice leads into the stages another way: a press that sets the
        // stage, taken from the opening as far as such presses go ("-1b").
        bool reopened = false;
        for (const Press& p : design.presses) {
            const auto rewind = std::find_if(p.steps.begin(), p.steps.end(), [](const Step& s) {
                return s.kind == Step::Kind::Rewind;
            });
            if (rewind == p.steps.end())
                continue;
            if (!reopened) {
                g_navigator->switchScreen(design.id);
                flush();
                reopened = true;
            }
            QWidget* w = g_navigator->current()->element(p.element);
            if (!w || w->isHidden())
                continue;
            click(p.element);
            shoot(out, QStringLiteral("%1-%2b").arg(design.formName).arg(rewind->stage));
        }
    }

    shootTurned(out);

    {
        // The draws give the questions in the order of the list; each is
        // answered as its line says.
        g_navigator->switchScreen(ScreenId::Drill);
        flush();
        auto* drill = qobject_cast<DrillScreen*>(g_navigator->current());
        if (!drill)
            return 1;
        const DrillGame& game = drill->game();
        shoot(out, "ドリル-0");
        // 2 : 4 is never a right answer of the shipped questions.
        const bool twoFour = game.rightA() == 2 && game.rightB() == 4;
        click(controls::drill::Command2[twoFour ? 3 : 2].text());
        shoot(out, "ドリル-1-A");
        click(controls::drill::Command2[4].text());
        shoot(out, "ドリル-2-wrong");
        endPause();
        for (int q = 0; q < game.questionCount(); ++q) {
            if (ownContent)
                shoot(out, QStringLiteral("ドリル-問%1").arg(q + 1));
            click(controls::drill::Command2[game.rightA()].text());
            click(controls::drill::Command2[game.rightB()].text());
            if (q == 0)
                shoot(out, "ドリル-3-right");
            endPause();
        }
        shoot(out, "ドリル-4-end");
    }

    {
        // 密度問題 answered wrong, then right: its judged states.
        using namespace controls::densityQuestion;
        const std::array<int, 2> a = packing::answerDigits(cell::metal(kQuestionMetal));
        g_navigator->switchScreen(ScreenId::DensityQuiz);
        flush();
        click(Command2[a[0]].text());
        shoot(out, "密度問題-1-first");
        click(Command2[(a[1] + 3) % 10].text());
        shoot(out, "密度問題-2-wrong");
        click(Command2[a[0]].text());
        click(Command2[a[1]].text());
        shoot(out, "密度問題-3-right");
    }
    return report.count == 0 ? 0 : 1;
}
