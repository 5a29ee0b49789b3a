// Listing a folder of 1,000 small PNG pictures in the local files page: from
// the start of the scheduled listing (MIME detection included) to the list
// filled on the GUI thread. Prints each run and the median.
//
//   local_files_listing_bench [WORK_FOLDER]
#include "BenchSupport.h"
#include "LocalFilesListWidget.h"
#include "LocalFilesWidget.h"

#include <QApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFileCount = 1000;
constexpr int kRuns = 5;

bool makePictures(const QString& folder)
{
    QDir().mkpath(folder);
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int i = 0; i < kFileCount; ++i) {
        const QString path = QDir(folder).filePath(QString("picture%1.png").arg(i, 4, 10, QChar('0')));
        picture.fill(QColor::fromHsv(i % 360, 200, 200));
        if (!QFileInfo::exists(path) && !picture.save(path))
            return false;
    }
    return true;
}

// Milliseconds from the listing's start to the filled list; -1 on failure.
double timeListing(const QString& folder, QSettings& settings)
{
    QElapsedTimer clock;
    std::atomic<bool> started{false};
    LocalFilesWidget page(folder, &settings);
    auto* list = page.findChild<LocalFilesListWidget*>("listWidget");
    QObject::connect(&page, &LocalFilesWidget::beginLoadingFiles, &page, [&] {
        clock.start();
        started = true;
    }, Qt::DirectConnection);
    double elapsed = -1.0;
    // Queued after the page's own handler, which fills the list.
    QObject::connect(&page, &LocalFilesWidget::finishLoadingFiles, &page, [&] {
        if (started && list->count() == kFileCount)
            elapsed = clock.nsecsElapsed() / 1e6;
    }, Qt::QueuedConnection);
    benchWaitFor([&] {
        QCoreApplication::processEvents();
        return elapsed >= 0.0;
    }, 60.0);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.debug=false");
    // The page's thumbnail cache goes to a test location, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QDir(benchWorkFolder(argc, argv)).filePath("local-files-1000-png");
    if (!makePictures(folder)) {
        std::fprintf(stderr, "local_files_listing_bench: cannot write the pictures into %s\n", qPrintable(folder));
        return 1;
    }
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath("media.config"), QSettings::IniFormat);
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = timeListing(folder, settings);
        if (ms < 0.0) {
            std::fprintf(stderr, "local_files_listing_bench: the listing did not finish\n");
            return 1;
        }
        std::printf("run %d: %.1f ms\n", run + 1, ms);
        runs.push_back(ms);
        QThreadPool::globalInstance()->waitForDone(60000);
    }
    std::sort(runs.begin(), runs.end());
    std::printf("listing %d PNG files, median: %.1f ms (%d threads available)\n", kFileCount, runs[kRuns / 2],
                QThread::idealThreadCount());
    return 0;
}
