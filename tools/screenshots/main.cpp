// Renders every screen in every stage to PNG:
// screenshot-tour <out-folder> [content-folder].
// With "-" as the folder it tours the same way and writes nothing (for
// checking that the program itself writes nothing). With --layout FILE it
// writes, as JSON, every screen's named elements and their places in window
// pixels instead (for tests that click the program where it has no widgets of
// its own to find, as in a browser).
// Uses the built content folder beside the program, or the one given, and a
// fixed clock and draw, so the pictures are the same at every run. With a
// content folder of its own, every question of the drill is shot too.
#include "allscreens.h"
#include "basefolder.h"
#include "cellmodel.h"
#include "controls.h"
#include "drillscreen.h"
#include "latticecommon.h"
#include "navigator.h"
#include "programlook.h"
#include "services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>

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

StillClock g_clock;
// The tour's own navigator, made in main().
Navigator* g_navigator = nullptr;

void flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(ControlName name) {
    Screen* s = g_navigator->current();
    QWidget* w = s ? s->findChild<QWidget*>(name) : nullptr;
    if (!w || w->isHidden()) {
        qWarning("cannot click %s", qPrintable(name.text()));
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    flush();
}

void endPause() {
    g_clock.now += 3.0;
    if (Screen* s = g_navigator->current())
        if (auto* t = s->findChild<QTimer*>(controls::drill::Timer1); t && t->isActive())
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

// An interior's markers from..to - 1, clicked in turn.
QList<ControlName> markers(int from, int to) {
    QList<ControlName> names;
    for (int i = from; i < to; ++i)
        names << controls::latticeInterior::Image3[i];
    return names;
}

// Every named element of every screen as the screen opens: its rectangle in
// window pixels and whether it shows.
bool writeLayout(const QString& file) {
    QJsonObject screens;
    for (const ScreenInfo& info : allScreens()) {
        if (!g_navigator->isRegistered(info.id))
            continue;
        g_navigator->switchScreen(info.id);
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
        screens.insert(
            info.formName,
            QJsonObject{{"width", s->width()}, {"height", s->height()}, {"elements", elements}});
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
    Services::setErrorReport(&report);
    Services::setProgramExit(&noExit);
    Services::setClock(&g_clock);
    Services::setRandom(&draw);
    Navigator navigator;
    g_navigator = &navigator;
    registerAllScreens(navigator);
    const bool ownContent = argc > 2 && !layout;
    SetBaseFolder(ownContent ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath()
                             : QCoreApplication::applicationDirPath() + "/../out");
    if (layout)
        return writeLayout(QString::fromLocal8Bit(argv[2])) && report.count == 0 ? 0 : 1;

    // Each stage is the clicks that lead to it from the previous one.
    struct Tour {
        ScreenId id;
        QList<QList<ControlName>> stages;
    };
    namespace intro = controls::latticeIntro;
    namespace interior = controls::latticeInterior;
    namespace atoms = controls::latticeAtoms;
    namespace neighbours = controls::latticeNeighbours;
    namespace radius = controls::radius;
    QList<Tour> tours{{ScreenId::Start, {}}, {ScreenId::Menu, {}}};
    for (cell::Structure s : cell::kAllStructures) {
        tours << Tour{lessonScreen(s, Lesson::Intro), {{intro::Command1}, {intro::Command1}}};
        tours << Tour{lessonScreen(s, Lesson::Interior),
                      {{interior::Command1}, markers(0, 3), markers(3, cell::pieceCount(s))}};
        tours << Tour{lessonScreen(s, Lesson::Atoms), {{atoms::Command1}}};
        tours << Tour{lessonScreen(s, Lesson::Neighbours), {{neighbours::Command1}}};
    }
    tours << Tour{ScreenId::Summary, {}} << Tour{ScreenId::RadiusIntro, {}}
          << Tour{ScreenId::FccRadius, {{radius::Command1}, {radius::Command1}}}
          << Tour{ScreenId::BccRadius, {{radius::Command1}, {radius::Command1}, {radius::Command1}}}
          << Tour{ScreenId::DrillStart, {}};

    for (const Tour& t : tours) {
        if (!g_navigator->isRegistered(t.id))
            continue;
        g_navigator->switchScreen(t.id);
        flush();
        const QString name = screenInfo(t.id).formName;
        shoot(out, name + "-0");
        int stage = 1;
        for (const QList<ControlName>& clicks : t.stages) {
            for (ControlName c : clicks)
                click(c);
            shoot(out, QStringLiteral("%1-%2").arg(name).arg(stage++));
        }
    }

    if (g_navigator->isRegistered(ScreenId::Drill)) {
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
        click(controls::drill::Command2[twoFour ? 3 : 2]);
        shoot(out, "ドリル-1-A");
        click(controls::drill::Command2[4]);
        shoot(out, "ドリル-2-wrong");
        endPause();
        for (int q = 0; q < game.questionCount(); ++q) {
            if (ownContent)
                shoot(out, QStringLiteral("ドリル-問%1").arg(q + 1));
            click(controls::drill::Command2[game.rightA()]);
            click(controls::drill::Command2[game.rightB()]);
            if (q == 0)
                shoot(out, "ドリル-3-right");
            endPause();
        }
        shoot(out, "ドリル-4-end");
    }
    return report.count == 0 ? 0 : 1;
}
