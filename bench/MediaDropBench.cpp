// A picture dragged over the editing window's timeline of 20 tracks of 50
// tiles each: the handling of one drag-move event (hit test, snapped drop
// indicator, auto-scroll edges), the pointer crossing the tracks and times.

#include "BenchTimelineTiles.h"
#include "MainWindow.h"
#include "RecordingListener.h"
#include "TimelineMetrics.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// The window with nothing but its timeline, filled with picture tracks.
class DropBenchWindow : public MainWindow
{
public:
    DropBenchWindow() : MainWindow(QStringLiteral("DropBench"), QString())
    {
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        _timeline = new EditScrollArea(central);
        layout->addWidget(_timeline);
        setCentralWidget(central);
        resize(1600, 900);
        benchFillTimeline(_timeline, QStringLiteral("IMAGE"), &listener, &segments);
    }
    ~DropBenchWindow() override
    {
        // Tiles point at the segments.
        delete _timeline;
        _timeline = nullptr;
    }

    EditScrollArea* timeline() const { return _timeline; }

    RecordingListener listener;
    std::vector<std::unique_ptr<Segment>> segments;
};

void BM_DragMoveOverTimeline(benchmark::State& state)
{
    Segment::setTrackHeight(44);
    setAnimationsEnabled(false);
    DropBenchWindow window;
    window.show();
    QApplication::processEvents();
    QMimeData data;
    data.setData("media/resource-asset-path", ":/bench/picture.png");
    data.setData("media/resource-asset-type", "2");
    data.setData("media/resource-asset-length", "3");
    QWidget* content = window.timeline()->widget();
    const QPoint origin = content->mapTo(&window, QPoint(0, 0));
    QDragEnterEvent enter(origin, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        state.SkipWithError("the window refused the drag");
        return;
    }
    const int visibleRows = std::min(kBenchTimelineTracks, window.timeline()->viewport()->height() / 44);
    int step = 0;
    int accepted = 0;
    for (auto _ : state) {
        // Across the visible rows and along the first minute, never at an edge.
        const int row = 1 + step % std::max(1, visibleRows - 2);
        const float time = 1.0f + float(step % 60);
        const QPoint at = origin + QPoint(int(TimelineMetrics::timeToContentX(time, 1.0f)), row * 44 + 22);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        accepted += move.isAccepted() ? 1 : 0;
        ++step;
    }
    state.counters["tiles"] = window.timeline()->segmentWidgetTotal();
    state.counters["accepted"] = accepted;
}
BENCHMARK(BM_DragMoveOverTimeline)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The drag's debug lines would dominate the measure.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
