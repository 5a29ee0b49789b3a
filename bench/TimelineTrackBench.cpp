// Costs of a timeline row with 100 tiles: a full repaint of the track (its
// background and every tile's body, bands and outline, without thumbnails),
// and laying every tile out for a new scale without animation (each zoom
// step).

#include "RecordingListener.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kTiles = 100;
constexpr float kTileSeconds = 2.0f;

// A track of text tiles, each with a transition band and every tenth at
// double speed, on the timeline's background picture.
struct BenchTrack {
    RecordingListener listener;
    std::vector<std::unique_ptr<Segment>> segments;
    QPixmap background;
    std::unique_ptr<TrackWidget> track;

    BenchTrack()
    {
        Segment::setTrackHeight(44);
        background = QPixmap(TimelineMetrics::trackBackgroundPath(0)).scaledToHeight(44);
        const float duration = kTiles * kTileSeconds;
        track = std::make_unique<TrackWidget>(TimelineMetrics::trackGeometry(0, 1.0f, duration), 1.0f, nullptr);
        track->setBackgroundPixmap(&background);
        for (int index = 0; index < kTiles; ++index) {
            auto* segment = new TextSegment(QStringLiteral("Caption %1").arg(index), index * kTileSeconds,
                                            kTileSeconds, &listener, nullptr);
            segment->addTransitionAtTime(0.5f, index * kTileSeconds);
            if (index % 10 == 0)
                segment->setSpeed(2.0f);
            segments.emplace_back(segment);
            track->addSegmentWidget(segment);
        }
        track->setScale(1.0f, false);
        // Shown, as on the timeline: geometry changes then reach the window system.
        track->show();
        QApplication::processEvents();
    }

    ~BenchTrack()
    {
        // Tiles point at the segments.
        track.reset();
    }
};

void BM_TrackFullRepaint(benchmark::State& state)
{
    BenchTrack bench;
    QImage target(bench.track->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        bench.track->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["pixels"] = double(target.width()) * target.height();
}
BENCHMARK(BM_TrackFullRepaint)->Unit(benchmark::kMillisecond);

void BM_TrackSetScale(benchmark::State& state)
{
    BenchTrack bench;
    float scale = 1.0f;
    for (auto _ : state) {
        // Every step changes every tile's geometry.
        scale = scale == 1.0f ? 1.25f : 1.0f;
        bench.track->setScale(scale, false);
    }
}
BENCHMARK(BM_TrackSetScale)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets paint without a display too.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
