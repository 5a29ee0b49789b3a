// timeline-gallery: timeline tracks of every segment type, at two scales,
// with tiles in every state, and the timeline's overlays, for review; below
// them a working timeline to try, with a log of every signal it gives.
//
//   timeline-gallery [--screenshot PNG]
//
// With --screenshot the window is drawn once, saved and the program exits.
#include "GalleryTimeline.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Long enough for the first paint and the waveforms decoded on the pool.
constexpr int kScreenshotDelayMs = 1000;

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir workDir;
    if (!workDir.isValid()) {
        std::fprintf(stderr, "timeline-gallery: no temporary folder\n");
        return 1;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.filePath("settings"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshotOption("screenshot", "Save a picture of the window and exit.", "PNG");
    parser.addOption(screenshotOption);
    parser.process(app);

    // Every tile shows its final state at once.
    setAnimationsEnabled(false);
    GalleryTimeline gallery(workDir.path());
    if (!gallery.build())
        return 1;
    QMainWindow* window = gallery.window();
    window->resize(1900, 1000);
    window->show();
    if (!parser.isSet(screenshotOption))
        return app.exec();

    const QString path = parser.value(screenshotOption);
    int result = 1;
    QTimer::singleShot(kScreenshotDelayMs, &app, [&]() {
        if (window->grab().save(path, "PNG"))
            result = 0;
        else
            std::fprintf(stderr, "timeline-gallery: cannot write %s\n", qPrintable(path));
        app.quit();
    });
    app.exec();
    return result;
}
