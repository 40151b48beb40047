// Whole-process figures: start-up to the first screen shown and peak memory,
// each against a bare Qt window program and against one that shows a panel of
// Japanese text, and memory growth over many tours.
// Run: build/default/bench/bench_process [runs]
#include "basefolder.h"
#include "fullscreen.h"
#include "lazysoundplayer.h"
#include "navigator.h"
#include "processmemory.h"
#include "program.h"
#include "schoolfolder.h"
#include "screen.h"
#include "services.h"
#include "turnabledrawing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAfterStartMs = 1000;

// The program's content folders, as the build lays them out.
QString contentFolder() {
    return QCoreApplication::applicationDirPath() + "/../out";
}

class NoExit : public ProgramExit {
public:
    void exit(int) override {}
};

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A tour that, with `turn`, also turns every drawing of each screen and lets
// it draw in full, as a learner's drag and release would.
void tour(Navigator& navigator, bool turn = false) {
    for (int i = 0; i < kScreenCount; ++i) {
        navigator.switchScreen(ScreenId(i));
        settleEvents();
        if (!turn || !navigator.current())
            continue;
        for (TurnableDrawing* d : navigator.current()->findChildren<TurnableDrawing*>()) {
            if (d->isHidden())
                d->show();
            d->turnTo({35, 20});
            settleEvents();
            wait(400);
        }
    }
}

int child(int tours, bool turn = false) {
    static int childArgc = 1;
    static char name[] = "bench";
    static char* childArgv[] = {name, nullptr};
    QApplication app(childArgc, childArgv);
    app.setQuitOnLastWindowClosed(false);
    NoExit noExit;
    // The program's own start, as main() does it, but for the exit.
    LazySoundPlayer sound(contentFolder());
    const SystemServices system(sound);
    Services services = system.services();
    Navigator navigator(
        {QString(), {services.clock, services.random, sound, services.errorReport, noExit}});
    // Its keys for the full screen, as main() sets them up.
    FullScreen fullScreen(navigator);
    startProgram(navigator, sound, ContentBaseFolder(contentFolder(), SchoolContentFolder()));
    settleEvents();
    if (tours > 0) {
        // Let the program finish what it starts after the first screen
        // (loading the sound module) before touring, as a learner's first
        // click would.
        wait(kAfterStartMs);
    }
    // Peak memory, then the resident memory after 1, 10, 100 and 1000 tours
    // (as far as asked for).
    QList<long> resident;
    for (int t = 1; t <= tours; ++t) {
        tour(navigator, turn);
        if (t == 1 || t == 10 || t == 100 || t == 1000)
            resident << currentKiB();
    }
    std::printf("%ld", peakKiB());
    for (long kib : resident)
        std::printf(" %ld", kib);
    std::printf("\n");
    return navigator.ended() ? 1 : 0;
}

struct Run {
    double ms;
    QList<long> numbers;
};

// The yardsticks lie beside this program.
QString bareWindow() {
    return QCoreApplication::applicationDirPath() + "/bare-window";
}
QString textWindow() {
    return QCoreApplication::applicationDirPath() + "/text-window";
}
QStringList firstText() {
    return {contentFolder() + "/説明/メニュー/msg1.txt"};
}

Run launch(const QStringList& args, const QString& program = QString()) {
    QProcess p;
    p.setProgram(program.isEmpty() ? QCoreApplication::applicationFilePath() : program);
    p.setArguments(args);
    QElapsedTimer t;
    t.start();
    p.start();
    p.waitForFinished(900000);
    Run r{t.nsecsElapsed() / 1e6, {}};
    for (const QByteArray& n : p.readAllStandardOutput().trimmed().split(' '))
        r.numbers << n.toLong();
    return r;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && QByteArray(argv[1]) == "--child")
        return child(std::atoi(argv[2]));
    if (argc >= 2 && QByteArray(argv[1]) == "--child-turning")
        return child(1, true);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    std::vector<double> program, bare, text;
    // Peak memory once the first window is shown: each launch prints it.
    std::vector<double> programPeak, textPeak;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so all see the same machine load.
        const Run p = launch({"--child", "0"});
        program.push_back(p.ms);
        bare.push_back(launch({}, bareWindow()).ms);
        const Run t = launch(firstText(), textWindow());
        text.push_back(t.ms);
        if (!p.numbers.isEmpty() && !t.numbers.isEmpty()) {
            programPeak.push_back(double(p.numbers[0]));
            textPeak.push_back(double(t.numbers[0]));
        }
    }
    const double p = median(program), b = median(bare), t = median(text);
    std::printf("start-up to first screen: program %.1f ms, bare window %.1f ms, ratio %.2f "
                "(median of %d)\n",
                p, b, p / b, runs);
    std::printf("  the bare window with one panel of Japanese text: %.1f ms, %.2f x the bare "
                "window; the program is %.2f x that\n",
                t, t / b, p / t);
    if (!programPeak.empty())
        std::printf("peak memory at the first window: program %.0f KiB, the window with one panel "
                    "of text %.0f KiB, ratio %.2f (medians)\n",
                    median(programPeak), median(textPeak), median(programPeak) / median(textPeak));

    const Run oneTour = launch({"--child", "1"});
    const Run bareRun = launch({}, bareWindow());
    const Run textRun = launch(firstText(), textWindow());
    if (oneTour.numbers.size() >= 1 && bareRun.numbers.size() >= 1 && textRun.numbers.size() >= 1)
        std::printf("peak memory after touring all screens: program %ld KiB, bare window %ld KiB, "
                    "ratio %.2f; the bare window with one panel of text %ld KiB, %.2f x\n",
                    oneTour.numbers[0], bareRun.numbers[0],
                    double(oneTour.numbers[0]) / double(bareRun.numbers[0]), textRun.numbers[0],
                    double(textRun.numbers[0]) / double(bareRun.numbers[0]));
    // Turning every drawing once, against the same tour without turning.
    std::vector<double> plainPeak, turnedPeak;
    for (int i = 0; i < 3; ++i) {
        const Run plain = launch({"--child", "1"}), turned = launch({"--child-turning"});
        if (!plain.numbers.isEmpty() && !turned.numbers.isEmpty()) {
            plainPeak.push_back(double(plain.numbers[0]));
            turnedPeak.push_back(double(turned.numbers[0]));
        }
    }
    if (!plainPeak.empty())
        std::printf("peak memory after a tour: %.0f KiB; turning every drawing on it: %.0f KiB, "
                    "growth %.0f KiB (medians of 3)\n",
                    median(plainPeak), median(turnedPeak), median(turnedPeak) - median(plainPeak));
    const Run many = launch({"--child", "1000"});
    if (many.numbers.size() >= 5)
        std::printf("resident memory after 1 / 10 / 100 / 1000 tours: %ld / %ld / %ld / %ld KiB, "
                    "growth from 1 to 1000: %ld KiB\n",
                    many.numbers[1], many.numbers[2], many.numbers[3], many.numbers[4],
                    many.numbers[4] - many.numbers[1]);
    return 0;
}
