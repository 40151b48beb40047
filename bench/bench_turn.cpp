// One frame of each drawing that turns, seen 40° to the right and 15° up (a
// frame in the middle of a drag), at 1x and 2x:
//   Before  the build's ray caster drawing that frame, as it draws the
//           shipped pictures (what turning would cost without the quick one);
//   Moving  the quick drawing shown while the pointer moves (one ray a pixel);
//   Refined the quick drawing shown once it stops (three by three rays).
// And the element itself: the HCP ball-and-stick cell with its marker, one
// drag step drawn on screen (run with QT_SCALE_FACTOR=2 for 2x).
//
//   build/default/bench/bench_turn --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "celldrawing.h"
#include "picture.h"
#include "picturecatalog.h"
#include "picturestore.h"
#include "turnabledrawing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

constexpr celldrawing::Turn kTurn{40, 15};

QImage word(PictureId id) {
    return PictureStore::pixmap(id.fileName()).toImage();
}

enum Mode { Before, Moving, Refined };

void BM_Frame(benchmark::State& state, PictureId id, double factor, Mode mode) {
    const auto drawing = celldrawing::cellDrawing(id);
    static constexpr celldrawing::Finish kFinish[] = {
        celldrawing::Finish::Build, celldrawing::Finish::Moving, celldrawing::Finish::Refined};
    // The cell being built, complete.
    const celldrawing::View view{
        kTurn, factor, kFinish[mode],
        std::vector<bool>(std::size_t(cell::pieceCount(drawing->structure())), true)};
    for (auto _ : state) {
        const QImage img = drawing->draw(view, word);
        benchmark::DoNotOptimize(img.constBits());
    }
}

// A drag across the HCP ball-and-stick cell with its marker pinned, one
// pointer move and the repaint of the drawing and the marker per iteration.
void BM_DragBallStickWithMarker(benchmark::State& state) {
    QWidget screen;
    screen.resize(400, 360);
    auto* d = new TurnableDrawing(&screen);
    d->setProgramPicture(pictures::of(PictureKind::BallStick, cell::Structure::Hcp));
    d->move(50, 40);
    auto* marker = new Picture(&screen);
    marker->setProgramPicture("marker");
    const cell::Point2 at = cell::atomCentre(cell::Structure::Hcp, 0);
    marker->move(d->x() + qRound(at.x - 8.5), d->y() + qRound(at.y - 8.5));
    d->pinToAtom(marker, 0);
    screen.show();
    const QPointF start(150, 140);
    auto send = [&](QEvent::Type type, QPointF local, Qt::MouseButtons buttons) {
        QMouseEvent e(type, local, d->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(d, &e);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    double x = start.x();
    QPixmap shown(screen.size() * screen.devicePixelRatioF());
    shown.setDevicePixelRatio(screen.devicePixelRatioF());
    for (auto _ : state) {
        x += 3;
        send(QEvent::MouseMove, QPointF(x, start.y()), Qt::LeftButton);
        screen.render(&shown);
    }
    send(QEvent::MouseButtonRelease, QPointF(x, start.y()), Qt::NoButton);
    state.SetLabel(QStringLiteral("x%1").arg(screen.devicePixelRatioF()).toStdString());
}

void registerFrames() {
    for (PictureId id : celldrawing::turningPictures())
        for (double factor : {1.0, 2.0})
            for (Mode mode : {Before, Moving, Refined}) {
                static const char* modes[] = {"Before", "Moving", "Refined"};
                const std::string label = QStringLiteral("%1/%2/%3x")
                                              .arg(modes[mode], id.fileName())
                                              .arg(factor)
                                              .toStdString();
                // CPU time of every thread: the frames are drawn on all cores.
                benchmark::RegisterBenchmark(label.c_str(), BM_Frame, id, factor, mode)
                    ->Unit(benchmark::kMillisecond)
                    ->MeasureProcessCPUTime()
                    ->UseRealTime();
            }
}

} // namespace

BENCHMARK(BM_DragBallStickWithMarker)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFrames();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
