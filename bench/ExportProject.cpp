// export-project PROJECTDIR OUTFILE --level L --fps F --codec C
// Opens the project folder in the desktop editing window (a display is
// needed: run it under xvfb-run), exports it the way the export popup does
// and prints the progress, the wall time of the export and the time per
// frame.

#include "AssetLoadingThreadPool.h"
#include "DesktopMainWindow.h"
#include "ProjectManager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int kOpenWaitMs = 120000;
// Generous: a long 4k export on a loaded machine.
constexpr int kExportWaitMs = 3600000;
constexpr int kSaveToComputer = 1;

constexpr int kWakeMs = 20;

// Sleeps in the event loop until an event comes, woken by a timer to look at
// the condition and the clock: a loop that polls for events without waiting
// would keep a core busy and take it from the export being measured.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(kWakeMs);
    while (!condition() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return condition();
}

class ExportWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    bool isOpen() const
    {
        return _previewWidget && !_waitingHUD && AssetLoadingThreadPool::instance()->activeThreadCount() == 0;
    }
    using MainWindow::_removeExportedFiles;
};

int fail(const char* text)
{
    std::fprintf(stderr, "export-project: %s\n", text);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("PROJECTDIR"), QStringLiteral("the project folder"));
    parser.addPositionalArgument(QStringLiteral("OUTFILE"), QStringLiteral("the movie to write"));
    parser.addOption({QStringLiteral("level"), QStringLiteral("size level 0-5"), QStringLiteral("L"), "3"});
    parser.addOption({QStringLiteral("fps"), QStringLiteral("frames per second"), QStringLiteral("F"), "30"});
    parser.addOption({QStringLiteral("codec"), QStringLiteral("h264, hevc or vp9"), QStringLiteral("C"), "h264"});
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    bool levelOk = false, fpsOk = false;
    const int level = parser.value(QStringLiteral("level")).toInt(&levelOk);
    const float fps = parser.value(QStringLiteral("fps")).toFloat(&fpsOk);
    if (positional.size() != 2 || !levelOk || level < 0 || level > 5 || !fpsOk || fps < 1.0f)
        parser.showHelp(2);
    const QFileInfo project(positional.at(0));
    const QFileInfo out(positional.at(1));
    if (!project.isDir())
        return fail("the project folder does not exist");

    // The window finds projects inside a product folder: the project is linked into a temporary one.
    QTemporaryDir product;
    if (!QDir(product.path()).mkpath(QStringLiteral("Projects"))
        || !QFile::link(project.absoluteFilePath(), product.path() + "/Projects/" + project.fileName()))
        return fail("the temporary product folder could not be made");
    ProjectManager::setWorkingFolder(product.path());

    auto* window = new ExportWindow(project.fileName(), QString());
    if (window->isOpenFailed())
        return fail("the project could not be opened");
    window->resize(1280, 800);
    window->show();
    if (!waitUntil([window] { return window->isOpen(); }, kOpenWaitMs))
        return fail("the project did not finish opening");
    window->_removeExportedFiles();
    QFile::remove(out.absoluteFilePath());

    int lastPercent = -1;
    QObject::connect(window, &MainWindow::avexporterProgressChanged, &app, [&lastPercent](float fraction) {
        const int percent = int(fraction * 100.0f);
        if (percent != lastPercent && percent % 10 == 0)
            std::printf("progress %d%%\n", percent);
        lastPercent = percent;
        std::fflush(stdout);
    }, Qt::QueuedConnection);
    int result = 1;
    bool finished = false;
    QObject::connect(window, &MainWindow::avexporterFinished, &app, [&](int err) {
        result = err;
        finished = true;
    }, Qt::QueuedConnection);

    QElapsedTimer clock;
    clock.start();
    window->_exportMovie(kSaveToComputer, level, fps, parser.value(QStringLiteral("codec")), out.completeBaseName(),
                         out.absolutePath());
    const bool ended = waitUntil([&finished] { return finished; }, kExportWaitMs);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double duration = window->projectManager()->duration();
    delete window;
    ProjectManager::setWorkingFolder(QString());
    if (!ended || result != 0) {
        std::fprintf(stderr, "export-project: the export ended with %d\n", ended ? result : -1);
        return 1;
    }
    const double frames = duration * int(fps);
    std::printf("exported %.2f s of movie to %s in %.2f s (%.2f ms per frame)\n", duration,
                qPrintable(out.absoluteFilePath()), seconds, frames > 0 ? seconds * 1000.0 / frames : 0.0);
    return 0;
}
