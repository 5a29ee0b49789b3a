// Opening a project of 30 segments (10 movies, 10 pictures, 5 texts, 5
// music files) in the editing window, from the call that opens it until the
// loader reports every segment loaded and each has finished loading; then
// once a project of 500 (170 movies, 170 pictures, 80 texts, 80 music),
// with the composition passes drawn until the preview is idle again, the
// CPU seconds, the resident memory and the threads. Each run uses a folder
// of its own, so no thumbnail is cached. A plain executable: run it under a
// display (xvfb-run) for the preview surface.
// Usage: project_opening_bench [WORKDIR] [--large N] (N segments in the large
// project's proportions instead of 500; 0 leaves it out).

#include "BenchMediaProject.h"
#include "FreedMemory.h"
#include "ProjectManager.h"

#include "AVEngine.h"
#include "AVRender.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kRuns = 3;
constexpr int kLimitMs = 120000;
constexpr int kLargeLimitMs = 600000;

constexpr BenchMediaCounts kLarge{170, 170, 80, 80};
const QString kName = QStringLiteral("Bench");

struct Opening {
    double seconds = -1.0;   // to every segment loaded
    double cpu = 0.0;        // CPU seconds of the process meanwhile
    int64_t passes = 0;      // video passes from the open until the preview is idle after it
    long residentKb = 0;     // at every segment loaded
    long peakResidentKb = 0;
    long threads = 0;
};

// From the call that opens the project until everything loaded; seconds
// stay -1 on failure.
Opening openOnce(const QString& media, const BenchMediaCounts& counts, int limitMs)
{
    Opening opening;
    QTemporaryDir product;
    if (!benchWriteMediaProject(media, benchMakeProjectFolder(product, kName), counts))
        return opening;
    BenchEditingWindow window(kName);
    const double cpuBefore = benchCpuSeconds();
    const qint64 ms = benchLoadProject(window, counts.total(), limitMs);
    if (ms >= 0) {
        opening.seconds = ms / 1000.0;
        opening.cpu = benchCpuSeconds() - cpuBefore;
        opening.residentKb = benchProcessStatus("VmRSS");
        opening.peakResidentKb = benchProcessStatus("VmHWM");
        opening.threads = benchProcessStatus("Threads");
        // The pass that follows the last load is part of the opening.
        AVEngine* engine = window.engine();
        benchProcessEventsUntil([engine] { return engine->isRenderIdle(); }, 30000);
        opening.passes = engine->renderer() ? engine->renderer()->videoPasses() : -1;
    }
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return opening;
}

// The large project's counts for about total segments, in its proportions.
BenchMediaCounts largeCounts(int total)
{
    const double share = double(total) / kLarge.total();
    const auto part = [share](int count) { return int(std::lround(count * share)); };
    return {part(kLarge.movies), part(kLarge.pictures), part(kLarge.texts), part(kLarge.music)};
}

} // namespace

int main(int argc, char** argv)
{
    // As the program starts.
    FreedMemory::returnLargeBlocks();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    int large = kLarge.total();
    const QString media = benchMediaFolder(argc, argv, "--large", &large, "project_opening_bench");
    if (media.isEmpty())
        return 1;
    for (int run = 1; run <= kRuns; ++run) {
        const double seconds = openOnce(media, kBenchMediaSmall, kLimitMs).seconds;
        if (seconds < 0) {
            std::fprintf(stderr, "project_opening_bench: run %d did not finish loading within %d s\n", run,
                         kLimitMs / 1000);
            return 1;
        }
        std::printf("open to all-ready, 30 segments with 10 movies, run %d: %.2f s\n", run, seconds);
    }
    if (large <= 0)
        return 0;
    const BenchMediaCounts counts = largeCounts(large);
    const Opening opening = openOnce(media, counts, kLargeLimitMs);
    if (opening.seconds < 0) {
        std::fprintf(stderr, "project_opening_bench: the %d-segment project did not finish loading within %d s\n",
                     counts.total(), kLargeLimitMs / 1000);
        return 1;
    }
    std::printf("open to all-ready, %d segments (%d movies, %d pictures, %d texts, %d music): %.2f s "
                "(target at most 25 s for 500)\n",
                counts.total(), counts.movies, counts.pictures, counts.texts, counts.music, opening.seconds);
    std::printf("  CPU seconds: %.1f; composition passes: %lld (target at most 100 for 500)\n", opening.cpu,
                static_cast<long long>(opening.passes));
    std::printf("  resident: %.0f MB (peak %.0f MB); threads: %ld\n", opening.residentKb / 1024.0,
                opening.peakResidentKb / 1024.0, opening.threads);
    return 0;
}
