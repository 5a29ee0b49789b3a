// The segment inspector re-targeted between a text and a movie with sound
// once every section exists: what a click on another timeline tile costs.

#include "MovieSegment.h"
#include "SegmentInspectorWidget.h"
#include "SegmentKeys.h"
#include "TextSegment.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<SegmentAttributes> record(const QString& type)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, type);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, 6.0f);
    return attributes;
}

void BM_InspectorSwitchTextAndMovie(benchmark::State& state)
{
    TextSegment text(record(QStringLiteral("TEXT")), nullptr, false);
    MovieSegment movie(record(QStringLiteral("MOVIE")), nullptr, false);
    movie.onEngineLoadStatus(movie.secondEngineId(), false, 0);
    const QSize canvas(1920, 1080);
    SegmentInspectorWidget inspector;
    inspector.resize(300, 900);
    inspector.show();
    // Every section of both types made before measuring.
    inspector.setSegment(&text, canvas);
    inspector.setSegment(&movie, canvas);
    QApplication::processEvents();
    for (auto _ : state) {
        inspector.setSegment(&text, canvas);
        QApplication::processEvents();
        inspector.setSegment(&movie, canvas);
        QApplication::processEvents();
    }
    state.counters["switches"] = benchmark::Counter(double(state.iterations()) * 2);
}
BENCHMARK(BM_InspectorSwitchTextAndMovie)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets lay out without a display too.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
