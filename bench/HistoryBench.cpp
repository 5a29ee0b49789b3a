// One undo or redo on a loaded project of 300 segments (150 pictures and
// 150 texts on 10 tracks): the timeline rebuilt from the snapshot and the
// surviving segments brought in line with the engine. Median of 5. Every
// segment survives, so the rebuild must queue no loading task. A plain
// executable: run it under a display (xvfb-run) for the preview surface.

#include "AVEngine.h"
#include "AssetLoadingThreadPool.h"
#include "BenchLoadedProject.h"
#include "ProjectManager.h"
#include "Segment.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kLimitMs = 120000;

int queuedLoadingTasks(ProjectManager* manager)
{
    int tasks = 0;
    for (int index = 0; index < manager->segmentCount(); ++index)
        tasks += AssetLoadingThreadPool::instance()->pendingTaskCount(manager->segmentAt(index));
    return tasks;
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    const auto opened = benchOpenTrackedProject<BenchEditingWindow>(product, "history_bench", kLimitMs);
    if (!opened)
        return 1;
    BenchEditingWindow& window = *opened;
    ProjectManager* manager = window.projectManager();
    window._recordOperation();
    Segment* moved = manager->segmentAt(0);
    moved->setRangeStart(100.0f);

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        // Let the renderer settle first: a busy one defers the request.
        benchProcessEventsUntil([&] { return window.engine()->isRenderIdle(); }, kLimitMs);
        const bool undo = run % 2 == 0;
        QElapsedTimer timer;
        timer.start();
        window.applyHistory(undo);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (moved->rangeStart() != (undo ? 0.0f : 100.0f)) {
            std::fprintf(stderr, "history_bench: run %d did not rebuild the timeline\n", run + 1);
            return 1;
        }
        const int queued = queuedLoadingTasks(manager);
        if (queued != 0 || manager->segmentCount() != kBenchTracks * kBenchPerTrack) {
            std::fprintf(stderr, "history_bench: the rebuild queued %d loading tasks (%d segments)\n", queued,
                         manager->segmentCount());
            return 1;
        }
        std::printf("applyHistory (%s), 300 segments on 10 tracks, run %d: %.1f ms\n",
                    undo ? "undo" : "redo", run + 1, times.back());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    std::sort(times.begin(), times.end());
    std::printf("applyHistory median of %d: %.1f ms (target under 300 ms)\n", kRuns, times[kRuns / 2]);
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
