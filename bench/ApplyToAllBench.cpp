// Applying the edited segment's look to all segments of its type in a loaded
// project of 300 segments (150 pictures and 150 texts on 10 tracks): the
// copy onto every target, its engine pushes and the one undo snapshot.
// Median of 5 for a picture and for a text. A plain executable: run it under
// a display (xvfb-run) for the preview surface.

#include "BenchLoadedProject.h"
#include "ProgressHUD.h"
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

constexpr int kRuns = 5;
constexpr int kLimitMs = 120000;

class ApplyWindow : public BenchEditingWindow
{
public:
    using BenchEditingWindow::BenchEditingWindow;
    using MainWindow::_segmentEditingApplyToAllSegments;
};

// The median time of applying from the first segment of the type, or a
// negative time when there is none.
double measure(ApplyWindow& window, const QString& type)
{
    ProjectManager* manager = window.projectManager();
    SegmentWidget* tile = nullptr;
    for (int index = 0; index < manager->segmentCount() && !tile; ++index)
        if (manager->segmentAt(index)->type() == type)
            tile = qobject_cast<SegmentWidget*>(manager->segmentWidgetAt(index));
    if (!tile)
        return -1.0;
    tile->setEditing(true, false);
    tile->segment()->setBorderWidth(12.0f);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        window._segmentEditingApplyToAllSegments();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        std::printf("apply to all from %s, run %d: %.2f ms\n", qPrintable(type), run + 1, times.back());
        for (ProgressHUD* hud : window.findChildren<ProgressHUD*>())
            delete hud;
    }
    tile->setEditing(false, false);
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    const auto opened = benchOpenTrackedProject<ApplyWindow>(product, "apply_to_all_bench", kLimitMs);
    if (!opened)
        return 1;
    ApplyWindow& window = *opened;
    const double pictures = measure(window, QStringLiteral("IMAGE"));
    const double texts = measure(window, QStringLiteral("TEXT"));
    if (pictures < 0.0 || texts < 0.0) {
        std::fprintf(stderr, "apply_to_all_bench: the project lacks pictures or texts\n");
        return 1;
    }
    std::printf("apply to all 150 pictures, median of %d: %.2f ms\n", kRuns, pictures);
    std::printf("apply to all 150 texts, median of %d: %.2f ms\n", kRuns, texts);
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
