// Screen switches and the text loader, measured offscreen against the built
// content folder. Run: build/default/bench/bench_screens
#include "contentpicture.h"
#include "navigator.h"
#include "screenclasses.h"
#include "screendesign.h"
#include "services.h"
#include "textloader.h"
#include "textpanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class QuietReport : public ErrorReport {
public:
    void report(const QString& message) override { qWarning("%s", qPrintable(message)); }
};
class NoExit : public ProgramExit {
public:
    void exit(int) override {}
};
class NoSound : public SoundPlayer {
public:
    void play(const QString&) override {}
};

// The benchmarks' own navigator, made in main().
Navigator* g_navigator = nullptr;

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_SwitchScreen(benchmark::State& state) {
    const auto target = ScreenId(state.range(0));
    state.SetLabel(screenDesign(target).formName.toStdString());
    for (auto _ : state) {
        // Each move closes the open screen and builds, loads and shows the target.
        g_navigator->switchScreen(target);
        QCoreApplication::processEvents();
        flushDeletes();
    }
    if (g_navigator->ended())
        state.SkipWithError("the program ended: content missing?");
}

// The first visit: no picture of the screen decoded yet.
void BM_SwitchScreenCold(benchmark::State& state) {
    const auto target = ScreenId(state.range(0));
    state.SetLabel(screenDesign(target).formName.toStdString());
    for (auto _ : state) {
        state.PauseTiming();
        QPixmapCache::clear();
        state.ResumeTiming();
        g_navigator->switchScreen(target);
        QCoreApplication::processEvents();
        flushDeletes();
    }
}

// A GIF whose header claims 60000 x 60000 pixels must be refused at once.
void BM_RefuseHugeGif(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/huge.gif";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    // Header, 60000 x 60000 screen, no colour table, one 60000 x 60000 frame.
    f.write(QByteArray::fromHex("474946383961"
                                "60ea60ea"
                                "000000"
                                "2c"
                                "00000000"
                                "60ea60ea"
                                "00"
                                "02"
                                "0244"
                                "00"
                                "3b"));
    f.close();
    QString reason;
    for (auto _ : state) {
        QPixmap pixmap;
        reason = loadContentPicture(path, &pixmap);
        benchmark::DoNotOptimize(pixmap);
    }
    if (reason.isEmpty())
        state.SkipWithError("the huge GIF was accepted");
}

// A 1 MB file of lesson-like lines, in CP932 as shipped or in UTF-8 as
// Notepad saves it.
QByteArray megabyteOfText(bool utf8) {
    QStringEncoder enc = utf8 ? QStringEncoder(QStringEncoder::Utf8) : QStringEncoder("Shift_JIS");
    const QByteArray line =
        enc.encode(QStringLiteral("　単位格子の頂点にある原子は１／８個分が格子内にあります。"));
    QByteArray out;
    while (out.size() < 1024 * 1024)
        out += line + "\r\n";
    return out;
}

struct TextFile {
    QTemporaryDir dir;
    QString path;
    explicit TextFile(bool utf8) {
        path = dir.path() + "/big.txt";
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(megabyteOfText(utf8));
    }
};

TextFile& bigFile(bool utf8 = false) {
    static TextFile cp932(false), unicode(true);
    return utf8 ? unicode : cp932;
}

// range(0): 0 for the CP932 file, 1 for the UTF-8 one.
void BM_FillListFromFile(benchmark::State& state) {
    const bool utf8 = state.range(0) == 1;
    const QString folder = bigFile(utf8).dir.path();
    TextPanel panel(TextPanel::Ground::Blue);
    panel.resize(400, 300);
    for (auto _ : state) {
        FillListFromFile(&panel, folder, "\\big.txt");
        benchmark::DoNotOptimize(panel.count());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(bigFile(utf8).path).size());
}

// The loader's decoding alone, without the panel.
void BM_DecodeLines(benchmark::State& state) {
    QFile f(bigFile(state.range(0) == 1).path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeLines(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The floor: read the file and decode it in one piece, no panel.
void BM_PlainReadAndDecode(benchmark::State& state) {
    const bool utf8 = state.range(0) == 1;
    for (auto _ : state) {
        QFile f(bigFile(utf8).path);
        f.open(QIODevice::ReadOnly);
        QStringDecoder dec =
            utf8 ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder("Shift_JIS");
        QString text = dec.decode(f.readAll());
        benchmark::DoNotOptimize(text.split(QStringLiteral("\r\n")));
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(bigFile(utf8).path).size());
}

} // namespace

BENCHMARK(BM_SwitchScreen)->DenseRange(0, kScreenCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchScreenCold)->DenseRange(0, kScreenCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseHugeGif)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillListFromFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadAndDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QuietReport report;
    NoExit noExit;
    NoSound silence;
    const SystemServices system(silence);
    Services services = system.services();
    Navigator navigator({QStringLiteral(MIROSUTA_OUTPUT_DIR),
                         {services.clock, services.random, silence, report, noExit}});
    g_navigator = &navigator;
    registerScreenClasses(navigator);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
