// The geometry slots of the segment inspector on a loaded project of 200
// segments (100 pictures and 100 texts on 10 tracks), one picture in
// editing: the mean time of one live x step of a 1,000-step hold (model
// and overlay re-layout, no painting), and the median of 5 committed x
// values, each with its undo snapshot of the whole segment list. A plain
// executable: run it under a display (xvfb-run) for the preview surface.

#include "BenchLoadedProject.h"
#include "ProjectManager.h"
#include "TransformWidget.h"

#include <QApplication>
#include <QGridLayout>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLimitMs = 120000;
constexpr int kPerTrack = 20;
constexpr int kLiveSteps = 1000;
constexpr int kCommits = 5;

// The preview nested in a larger panel, as the desktop window nests them,
// so that the transform overlay has its panel to cover.
class GeometryWindow : public BenchEditingWindow
{
public:
    explicit GeometryWindow(const QString& name) : BenchEditingWindow(name)
    {
        auto* grid = qobject_cast<QGridLayout*>(centralWidget()->layout());
        _previewArea = new QWidget(centralWidget());
        grid->replaceWidget(_previewContainer, _previewArea);
        _previewContainer->setParent(_previewArea);
        _previewArea->setFixedSize(_previewContainer->size() + QSize(80, 60));
        _previewContainer->move(40, 30);
        // Entering editing reaches the window, which lays the overlay over the preview.
        _initEditScrollArea();
    }
    using MainWindow::_segmentEditingSetGeometryX;
    using MainWindow::_segmentEditingUpdateGeometryX;
    bool hasOverlay() const { return _transformWidget != nullptr; }
};

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    const auto opened = benchOpenTrackedProject<GeometryWindow>(product, "geometry_commands_bench", kLimitMs, kPerTrack);
    if (!opened)
        return 1;
    GeometryWindow& window = *opened;
    if (!benchEditFirstPicture(window)) {
        std::fprintf(stderr, "geometry_commands_bench: no picture entered editing\n");
        return 1;
    }
    if (!benchProcessEventsUntil([&] { return window.hasOverlay(); }, 5000)) {
        std::fprintf(stderr, "geometry_commands_bench: no transform overlay over the preview\n");
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < kLiveSteps; ++step)
        window._segmentEditingUpdateGeometryX(double(step) / kLiveSteps);
    const double liveMs = double(timer.nsecsElapsed()) / 1e6 / kLiveSteps;

    std::vector<double> commits;
    const int before = window.projectManager()->history().size();
    for (int run = 0; run < kCommits; ++run) {
        timer.restart();
        window._segmentEditingSetGeometryX(0.1 * (run + 1));
        commits.push_back(double(timer.nsecsElapsed()) / 1e6);
        std::printf("commit, %d segments, run %d: %.2f ms\n", window.projectManager()->segmentCount(), run + 1,
                    commits.back());
    }
    if (window.projectManager()->history().size() != before + kCommits) {
        std::fprintf(stderr, "geometry_commands_bench: the commits did not record one step each\n");
        return 1;
    }
    std::sort(commits.begin(), commits.end());
    std::printf("live step mean of %d: %.4f ms (target under 1 ms)\n", kLiveSteps, liveMs);
    std::printf("commit median of %d: %.2f ms (target under 50 ms)\n", kCommits, commits[kCommits / 2]);
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
