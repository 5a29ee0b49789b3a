// Project after project in one sitting: the 30-segment media project opened
// in the desktop editing window until every segment has loaded and the
// preview is idle, then closed as its close button closes it and deleted,
// ten times in one process, each time from a folder of its own. Prints the
// resident memory after each close with its growth since the first close,
// and each opening's seconds and the CPU seconds of the round. A plain
// executable: run it under a display (xvfb-run).
// Usage: projects_in_a_row_bench [WORKDIR] [--runs N]

#include "AVEngine.h"
#include "AssetLoadingThreadPool.h"
#include "BenchMediaProject.h"
#include "DesktopMainWindow.h"
#include "FreedMemory.h"
#include "ProjectManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kDefaultRuns = 10;
constexpr int kOpenLimitMs = 120000;
constexpr int kCloseLimitMs = 30000;
// The growth over the first close that the rounds after it may reach.
constexpr double kTargetGrowthMb = 150.0;
const QString kName = QStringLiteral("Bench");

class RowWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    bool loaded() const
    {
        return _allLoaded && _previewWidget && !_waitingHUD && benchEverySegmentLoaded(_projectManager, _segments)
            && _engine && _engine->isRenderIdle() && AssetLoadingThreadPool::instance()->activeThreadCount() == 0;
    }
    void expectSegments(int count) { _segments = count; }

protected:
    void onProjectLoaderMessage(ProjectLoader* loader, int message, QVariant data) override
    {
        if (message == ProjectLoaderAllLoaded)
            _allLoaded = true;
        DesktopMainWindow::onProjectLoaderMessage(loader, message, data);
    }

private:
    bool _allLoaded = false;
    int _segments = 0;
};

struct Round {
    double openSeconds = -1.0;
    double cpuSeconds = 0.0;
    double residentMb = 0.0;
};

double residentMb()
{
    return double(benchProcessStatus("VmRSS")) / 1024.0;
}

// One project opened until loaded, then closed by a close request until the
// window is gone; openSeconds stays -1 on failure.
Round openAndClose(const QString& media)
{
    Round round;
    QTemporaryDir product;
    if (!benchWriteMediaProject(media, benchMakeProjectFolder(product, kName), kBenchMediaSmall)) {
        std::fprintf(stderr, "projects_in_a_row_bench: could not write the project\n");
        return round;
    }
    const double cpuBefore = benchCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QPointer<RowWindow> window = new RowWindow(kName, QString());
    window->expectSegments(kBenchMediaSmall.total());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showMaximized();
    if (!benchProcessEventsUntil([&window] { return window && window->loaded(); }, kOpenLimitMs)) {
        std::fprintf(stderr, "projects_in_a_row_bench: the project did not load within %d s\n", kOpenLimitMs / 1000);
        return round;
    }
    const double openSeconds = clock.nsecsElapsed() / 1e9;
    window->close();
    if (!benchProcessEventsUntil([&window] { return window.isNull(); }, kCloseLimitMs)) {
        std::fprintf(stderr, "projects_in_a_row_bench: the window did not close within %d s\n", kCloseLimitMs / 1000);
        return round;
    }
    // Deferred deletions of the window's children, and the steps queued for when it has gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ProjectManager::setWorkingFolder(QString());
    round.openSeconds = openSeconds;
    round.cpuSeconds = benchCpuSeconds() - cpuBefore;
    round.residentMb = residentMb();
    return round;
}

} // namespace

int main(int argc, char** argv)
{
    // As the program starts.
    FreedMemory::returnLargeBlocks();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    int runs = kDefaultRuns;
    const QString media = benchMediaFolder(argc, argv, "--runs", &runs, "projects_in_a_row_bench");
    if (media.isEmpty() || runs < 1)
        return 1;
    std::printf("before the first window: resident %.0f MB\n", residentMb());
    double firstClose = 0.0;
    double largestGrowth = 0.0;
    for (int run = 1; run <= runs; ++run) {
        const Round round = openAndClose(media);
        if (round.openSeconds < 0)
            return 1;
        if (run == 1)
            firstClose = round.residentMb;
        const double growth = round.residentMb - firstClose;
        largestGrowth = std::max(largestGrowth, growth);
        std::printf("project %2d: opened in %.2f s, CPU %.2f s; after the close resident %.0f MB (%+.0f MB since the "
                    "first close)\n",
                    run, round.openSeconds, round.cpuSeconds, round.residentMb, growth);
        std::fflush(stdout);
    }
    std::printf("largest growth over the first close: %.0f MB (target at most %.0f MB); peak resident %.0f MB\n",
                largestGrowth, kTargetGrowthMb, double(benchProcessStatus("VmHWM")) / 1024.0);
    return 0;
}
