// Splitting and copying one segment of a loaded project of 300 segments
// (150 pictures and 150 texts on 10 tracks): the command itself, with its
// undo snapshot and the ripple of the later segments of its track, not the
// new piece's media loading, which runs on the loading pool afterwards.
// Median of 5 of each. A plain executable: run it under a display
// (xvfb-run) for the preview surface.

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

class CommandsWindow : public BenchEditingWindow
{
public:
    using BenchEditingWindow::BenchEditingWindow;
    using MainWindow::_splitSegmentKeepingTransitions;
    using MainWindow::editScrollArea_copySegment;
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename Command>
bool measure(const char* label, CommandsWindow& window, Command command, std::vector<double>* times)
{
    ProjectManager* manager = window.projectManager();
    for (int run = 0; run < kRuns; ++run) {
        const int before = manager->segmentCount();
        // A track of pictures, then one of texts, each run further along it.
        Segment* segment = manager->segmentStartingAtOrAfter(float(run) * 10.0f, run % 2 == 0 ? 2 : 1);
        QElapsedTimer timer;
        timer.start();
        command(segment);
        times->push_back(double(timer.nsecsElapsed()) / 1e6);
        if (manager->segmentCount() != before + 1) {
            std::fprintf(stderr, "segment_commands_bench: %s run %d made no new segment\n", label, run + 1);
            return false;
        }
        std::printf("%s, %d segments on 10 tracks, run %d: %.2f ms\n", label, before, run + 1, times->back());
        // Lets the piece load and the split's timing step run before the next command.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    const auto opened = benchOpenTrackedProject<CommandsWindow>(product, "segment_commands_bench", kLimitMs);
    if (!opened)
        return 1;
    CommandsWindow& window = *opened;

    std::vector<double> splits;
    std::vector<double> copies;
    const bool measured =
        measure("split", window,
                [&](Segment* segment) {
                    window._splitSegmentKeepingTransitions(segment, segment->rangeStart() + 1.0f);
                },
                &splits)
        && measure("copy", window, [&](Segment* segment) { window.editScrollArea_copySegment(segment); }, &copies);
    if (!measured)
        return 1;
    std::printf("split median of %d: %.2f ms (target under 50 ms)\n", kRuns, median(splits));
    std::printf("copy median of %d: %.2f ms (target under 50 ms)\n", kRuns, median(copies));
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
