// The timeline area: laying out 20 tracks of 50 tiles each for a new scale
// without animation (each zoom step), and the regularity of the auto-scroll
// ticks while a dragged tile is held at the right edge (50 ms apart).

#include "BenchTimelineTiles.h"
#include "RecordingListener.h"
#include "TimelineMetrics.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kTicks = 40;

// A shown timeline area with its tracks of text tiles.
struct BenchArea {
    RecordingListener listener;
    std::vector<std::unique_ptr<Segment>> segments;
    std::unique_ptr<EditScrollArea> area;

    BenchArea()
    {
        Segment::setTrackHeight(44);
        setAnimationsEnabled(false);
        area = std::make_unique<EditScrollArea>(nullptr);
        area->resize(1600, 600);
        benchFillTimeline(area.get(), QStringLiteral("TEXT"), &listener, &segments);
        area->show();
        QApplication::processEvents();
    }

    ~BenchArea()
    {
        // Tiles point at the segments.
        area.reset();
    }
};

void BM_AreaRelayoutTracks(benchmark::State& state)
{
    BenchArea bench;
    float scale = 1.0f;
    for (auto _ : state) {
        // Every step changes every track's and every tile's geometry.
        scale = scale == 1.0f ? 1.25f : 1.0f;
        bench.area->relayoutTracks(scale, kBenchTimelineDuration);
    }
    state.counters["tiles"] = bench.area->segmentWidgetTotal();
}
BENCHMARK(BM_AreaRelayoutTracks)->Unit(benchmark::kMillisecond);

// A tile reported as dragged and held at the area's right edge; the time
// between scroll steps is the iteration time.
void BM_AreaAutoScrollTicks(benchmark::State& state)
{
    BenchArea bench;
    bench.area->relayoutTracks(2.0f, kBenchTimelineDuration);
    SegmentWidget* tile = bench.area->firstTrackWidget()->segmentWidgetAt(0);
    const QPoint edge = bench.area->mapToGlobal(QPoint(bench.area->width() - 20, 20));
    QScrollBar* bar = bench.area->horizontalScrollBar();
    std::vector<double> intervals;
    QElapsedTimer clock;
    qint64 previous = -1;
    QObject::connect(bar, &QScrollBar::valueChanged, [&]() {
        const qint64 now = clock.nsecsElapsed();
        if (previous >= 0)
            intervals.push_back((now - previous) / 1e6);
        previous = now;
    });
    for (auto _ : state) {
        bar->setValue(0);
        intervals.clear();
        previous = -1;
        clock.start();
        emit tile->segmentWidgetDraggingStateChanged(tile, true);
        emit tile->segmentWidgetDraggingMoving(tile, edge);
        while (int(intervals.size()) < kTicks && clock.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::usleep(500);
        }
        emit tile->segmentWidgetDraggingStateChanged(tile, false);
    }
    if (intervals.empty()) {
        state.SkipWithError("the area did not scroll");
        return;
    }
    double sum = 0.0;
    for (double interval : intervals)
        sum += interval;
    const double mean = sum / intervals.size();
    const auto [least, most] = std::minmax_element(intervals.begin(), intervals.end());
    state.counters["ticks"] = double(intervals.size());
    state.counters["mean_ms"] = mean;
    state.counters["min_ms"] = *least;
    state.counters["max_ms"] = *most;
}
BENCHMARK(BM_AreaAutoScrollTicks)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    // Widgets run without a display too.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
