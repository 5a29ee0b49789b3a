// One undo or redo on a loaded project of 300 segments (150 pictures and
// 150 texts on 10 tracks): the timeline rebuilt from the snapshot and the
// surviving segments brought in line with the engine. Median of 5. Every
// segment survives, so the rebuild must queue no loading task. A plain
// executable: run it under a display (xvfb-run) for the preview surface.

#include "AVEngine.h"
#include "AssetLoadingThreadPool.h"
#include "BenchEditingWindow.h"
#include "BenchSupport.h"
#include "ProjectManager.h"
#include "Segment.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTracks = 10;
constexpr int kPerTrack = 30;
constexpr int kRuns = 5;
constexpr int kLimitMs = 120000;
const QString kName = QStringLiteral("Bench");

// Even tracks hold pictures, odd ones texts, 30 segments of 2 s each.
bool writeProject(const QString& dir)
{
    QFile project(dir + QStringLiteral("/project.xml"));
    if (!project.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&project);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Project"));
    for (int track = 1; track <= kTracks; ++track) {
        for (int index = 0; index < kPerTrack; ++index) {
            SegmentAttributes record;
            const bool picture = track % 2 == 0;
            Segment::setStringAttribute(&record, QStringLiteral("Type"), picture ? "IMAGE" : "TEXT");
            Segment::setIntAttribute(&record, QStringLiteral("TrackId"), track);
            Segment::setFloatAttribute(&record, QStringLiteral("RangeStart"), float(index) * 2.0f);
            Segment::setFloatAttribute(&record, QStringLiteral("RangeDuration"), 2.0f);
            if (picture)
                Segment::setStringAttribute(&record, QStringLiteral("File"), QStringLiteral("picture.png"));
            else
                Segment::setStringAttribute(&record, QStringLiteral("Text"), QStringLiteral("Caption %1").arg(index));
            Segment::saveToXml(record, writer);
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    QFile properties(dir + QStringLiteral("/properties.xml"));
    return properties.open(QIODevice::WriteOnly)
        && properties.write("<Properties version=\"7\" direction=\"1\" resolution=\"1\" frameRate=\"30\" "
                            "backgroundColor=\"#ff000000\" segmentMode=\"0\"/>")
        > 0;
}

bool everySegmentLoaded(ProjectManager* manager)
{
    for (int index = 0; index < manager->segmentCount(); ++index) {
        if (manager->segmentAt(index)->state() != 4)
            return false;
    }
    return manager->segmentCount() == kTracks * kPerTrack;
}

int queuedLoadingTasks(ProjectManager* manager)
{
    int tasks = 0;
    for (int index = 0; index < manager->segmentCount(); ++index)
        tasks += AssetLoadingThreadPool::instance()->pendingTaskCount(manager->segmentAt(index));
    return tasks;
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QTemporaryDir product;
    ProjectManager::setWorkingFolder(product.path());
    const QString dir = ProjectManager::projectDirectory(kName, QString());
    QDir().mkpath(dir);
    if (!benchMakeMedia(dir + "/picture.png", {"-f", "lavfi", "-i", "color=c=red:s=640x360:d=1", "-frames:v", "1"})
        || !writeProject(dir)) {
        std::fprintf(stderr, "history_bench: could not write the project\n");
        return 1;
    }
    BenchEditingWindow window(kName);
    window.show();
    QElapsedTimer clock;
    clock.start();
    if (!window._openProject())
        return 1;
    ProjectManager* manager = window.projectManager();
    while (!(window.allLoaded && everySegmentLoaded(manager)) && clock.elapsed() < kLimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!window.allLoaded || !everySegmentLoaded(manager)) {
        std::fprintf(stderr, "history_bench: the project did not load within %d s\n", kLimitMs / 1000);
        return 1;
    }
    window._recordOperation();
    Segment* moved = manager->segmentAt(0);
    moved->setRangeStart(100.0f);

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        // Let the renderer settle first: a busy one defers the request.
        clock.restart();
        while (!window.engine()->isRenderIdle() && clock.elapsed() < kLimitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const bool undo = run % 2 == 0;
        QElapsedTimer timer;
        timer.start();
        window.applyHistory(undo);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (moved->rangeStart() != (undo ? 0.0f : 100.0f)) {
            std::fprintf(stderr, "history_bench: run %d did not rebuild the timeline\n", run + 1);
            return 1;
        }
        const int queued = queuedLoadingTasks(manager);
        if (queued != 0 || manager->segmentCount() != kTracks * kPerTrack) {
            std::fprintf(stderr, "history_bench: the rebuild queued %d loading tasks (%d segments)\n", queued,
                         manager->segmentCount());
            return 1;
        }
        std::printf("applyHistory (%s), 300 segments on 10 tracks, run %d: %.1f ms\n",
                    undo ? "undo" : "redo", run + 1, times.back());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    std::sort(times.begin(), times.end());
    std::printf("applyHistory median of %d: %.1f ms (target under 300 ms)\n", kRuns, times[kRuns / 2]);
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}
