// One resize pass of the desktop editing window with the example project
// open: the splitters share out the new room, the preview control bar
// drops or brings back buttons, the playback area is fitted into the preview
// and the timeline overlays follow.

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

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

class BenchWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    bool isOpen() const { return _previewWidget && !_waitingHUD; }
    QWidget* previewArea() const { return _previewArea; }
};

void BM_WindowResizePass(benchmark::State& state)
{
    QTemporaryDir product;
    ProjectManager::setWorkingFolder(product.path());
    if (!ProjectManager::copyExampleProjects()) {
        state.SkipWithError("the example project could not be installed");
        return;
    }
    BenchWindow window(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
    window.resize(kWide);
    window.show();
    if (!waitUntil([&] { return window.isOpen(); }, 60000)) {
        state.SkipWithError("the project did not open");
        return;
    }
    bool wide = true;
    for (auto _ : state) {
        wide = !wide;
        const int before = window.previewArea()->width();
        QElapsedTimer clock;
        clock.start();
        window.resize(wide ? kWide : kNarrow);
        if (!waitUntil([&] { return window.previewArea()->width() != before; }, kLayoutWaitMs)) {
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
