// The value slots of the segment inspector on a loaded project of 300
// segments (150 pictures and 150 texts on 10 tracks), one picture in
// editing: the mean slot time of a 1,000-step live transparency drag
// (the engine call and the redraw request, not the drawing itself), and
// the median of 5 committed values, each with its undo snapshot of the
// whole segment list. A plain executable: run it under a display
// (xvfb-run) for the preview surface.

#include "BenchLoadedProject.h"
#include "CommonSliderColorPopup.h"
#include "EditScrollArea.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLimitMs = 120000;
constexpr int kLiveSteps = 1000;
constexpr int kCommits = 5;
constexpr int kTransparencyKind = 1;

class ValuesWindow : public BenchEditingWindow
{
public:
    using BenchEditingWindow::BenchEditingWindow;
    using MainWindow::sliderColorPopup_onValueChanged;
    using MainWindow::sliderColorPopup_onValueChanging;
};

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    const auto opened = benchOpenTrackedProject<ValuesWindow>(product, "value_slots_bench", kLimitMs);
    if (!opened)
        return 1;
    ValuesWindow& window = *opened;
    if (!benchEditFirstPicture(window)) {
        std::fprintf(stderr, "value_slots_bench: no picture entered editing\n");
        return 1;
    }
    CommonSliderColorPopup popup;
    popup.setTag(kTransparencyKind);

    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < kLiveSteps; ++step)
        window.sliderColorPopup_onValueChanging(&popup, 1.0f - float(step) / kLiveSteps);
    const double liveMs = double(timer.nsecsElapsed()) / 1e6 / kLiveSteps;

    std::vector<double> commits;
    const int before = window.projectManager()->history().size();
    for (int run = 0; run < kCommits; ++run) {
        timer.restart();
        window.sliderColorPopup_onValueChanged(&popup, 0.2f + 0.1f * float(run));
        commits.push_back(double(timer.nsecsElapsed()) / 1e6);
        std::printf("commit, %d segments, run %d: %.2f ms\n", window.projectManager()->segmentCount(), run + 1,
                    commits.back());
    }
    if (window.projectManager()->history().size() != before + kCommits) {
        std::fprintf(stderr, "value_slots_bench: the commits did not record one step each\n");
        return 1;
    }
    std::sort(commits.begin(), commits.end());
    std::printf("live value mean of %d: %.4f ms (target under 0.5 ms)\n", kLiveSteps, liveMs);
    std::printf("commit median of %d: %.2f ms (target under 50 ms)\n", kCommits, commits[kCommits / 2]);
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
