// Whole-process figures: start-up to the first screen shown and peak memory,
// each against a bare Qt window program, and memory growth over many tours.
// Run: build/default/bench/bench_process [runs]
#include "allscreens.h"
#include "basefolder.h"
#include "navigator.h"
#include "services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

class NoExit : public ProgramExit {
public:
    void exit(int) override {}
};

long peakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

long currentKiB() {
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0; // resident pages of 4 KiB
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tour() {
    for (int i = 0; i < kScreenCount; ++i) {
        SwitchScreen(ScreenId(i));
        settle();
    }
}

int child(const QString& mode, int tours) {
    static int childArgc = 1;
    static char name[] = "bench";
    static char* childArgv[] = {name, nullptr};
    QApplication app(childArgc, childArgv);
    app.setQuitOnLastWindowClosed(false);
    if (mode == "bare") {
        QWidget w;
        w.setFixedSize(768, 480);
        w.show();
        settle();
        std::printf("%ld %ld\n", peakKiB(), currentKiB());
        return 0;
    }
    NoExit noExit;
    Services::setProgramExit(&noExit);
    registerAllScreens();
    StartUp(QCoreApplication::applicationDirPath() + "/../out");
    settle();
    long afterOne = 0;
    for (int t = 0; t < tours; ++t) {
        tour();
        if (t == 0)
            afterOne = currentKiB();
    }
    std::printf("%ld %ld %ld\n", peakKiB(), currentKiB(), afterOne);
    return Navigator::instance().ended() ? 1 : 0;
}

struct Run {
    double ms;
    QList<long> numbers;
};

Run launch(const QStringList& args) {
    QProcess p;
    p.setProgram(QCoreApplication::applicationFilePath());
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
        return child(QString::fromLocal8Bit(argv[2]), argc >= 4 ? std::atoi(argv[3]) : 0);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    std::vector<double> program, bare;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so both see the same machine load.
        program.push_back(launch({"--child", "program", "0"}).ms);
        bare.push_back(launch({"--child", "bare"}).ms);
    }
    const double p = median(program), b = median(bare);
    std::printf("start-up to first screen: program %.1f ms, bare window %.1f ms, ratio %.2f "
                "(median of %d)\n",
                p, b, p / b, runs);

    const Run oneTour = launch({"--child", "program", "1"});
    const Run bareRun = launch({"--child", "bare"});
    if (oneTour.numbers.size() >= 1 && bareRun.numbers.size() >= 1)
        std::printf("peak memory after touring all screens: program %ld KiB, bare window %ld KiB, "
                    "ratio %.2f\n",
                    oneTour.numbers[0], bareRun.numbers[0],
                    double(oneTour.numbers[0]) / double(bareRun.numbers[0]));
    const Run many = launch({"--child", "program", "1000"});
    if (many.numbers.size() >= 3)
        std::printf(
            "resident memory after 1 tour %ld KiB, after 1000 tours %ld KiB, growth %ld KiB\n",
            many.numbers[2], many.numbers[1], many.numbers[1] - many.numbers[2]);
    return 0;
}
