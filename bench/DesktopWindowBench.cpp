// One resize pass of the desktop editing window with the example project
// open: the splitters share out the new room, the preview control bar
// drops or brings back buttons, the playback area is fitted into the preview
// and the timeline overlays follow.

#include "BenchLoadedProject.h"
#include "DesktopMainWindow.h"
#include "ProjectManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Wide enough for every button, then narrow enough to drop the menus.
const QSize kWide(1800, 1000);
const QSize kNarrow(1000, 800);
constexpr int kLayoutWaitMs = 2000;
constexpr int kOpenLimitMs = 60000;

class BenchWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    bool ready() const { return _previewWidget && !_waitingHUD; }
    QWidget* previewArea() const { return _previewArea; }
};

void BM_WindowResizePass(benchmark::State& state)
{
    QTemporaryDir product;
    const auto showWide = [](BenchWindow& opening) {
        opening.resize(kWide);
        opening.show();
    };
    const auto window = benchOpenExampleProject<BenchWindow>(product, "desktop_window_bench", kOpenLimitMs, showWide);
    if (!window) {
        state.SkipWithError("the example project did not open");
        return;
    }
    bool wide = true;
    for (auto _ : state) {
        wide = !wide;
        const int before = window->previewArea()->width();
        QElapsedTimer clock;
        clock.start();
        window->resize(wide ? kWide : kNarrow);
        if (!benchProcessEventsUntil([&] { return window->previewArea()->width() != before; }, kLayoutWaitMs)) {
            state.SkipWithError("the window was not laid out again");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    ProjectManager::setWorkingFolder(QString());
}
BENCHMARK(BM_WindowResizePass)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
