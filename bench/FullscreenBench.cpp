// Entering and leaving full screen in the desktop window with the example
// project open and the preview at 1080p: each switch timed from the command
// to the window laid out and painted again.

#include "AVEngine.h"
#include "AVGLWidget.h"
#include "BenchLoadedProject.h"
#include "DesktopMainWindow.h"
#include "ProjectManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSwitches = 20;
constexpr int kOpenLimitMs = 60000;
constexpr int kFullHdLevel = 3;

class BenchWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::_finishClosing;

    bool ready() const { return _waitingHUD == nullptr && _previewWidget && _previewWidget->isValid(); }
    void showFullHdFrame()
    {
        applyPreviewSizeLevel(kFullHdLevel);
        _engine->seek(1.0f, true);
        _engine->requestRedraw();
    }
    // The switch and everything it leaves pending: layout, resize and paint;
    // -1 when the window refused it.
    double timedSwitch()
    {
        const bool before = _fullScreen;
        QElapsedTimer clock;
        clock.start();
        _toggleFullScreen();
        QCoreApplication::processEvents();
        repaint();
        const double ms = clock.nsecsElapsed() / 1.0e6;
        return _fullScreen != before ? ms : -1.0;
    }
};

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%s over %zu switches: median %.1f ms, max %.1f ms (target under 300 ms)\n", what, times.size(),
                times[times.size() / 2], times.back());
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    auto window = benchOpenExampleProject<BenchWindow>(product, "fullscreen_bench", kOpenLimitMs,
                                                       [](BenchWindow& opening) { opening.showMaximized(); });
    if (!window)
        return 1;
    window->showFullHdFrame();
    std::vector<double> entering;
    std::vector<double> leaving;
    for (int run = 0; run < kSwitches; ++run) {
        entering.push_back(window->timedSwitch());
        leaving.push_back(window->timedSwitch());
        if (entering.back() < 0 || leaving.back() < 0) {
            std::fprintf(stderr, "fullscreen_bench: the window refused to switch\n");
            return 1;
        }
    }
    report("entering full screen", entering);
    report("leaving full screen", leaving);
    window->_finishClosing();
    window.reset();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
