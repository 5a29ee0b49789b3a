#pragma once
// A loaded project of 300 segments for the editing-window benchmarks:
// 150 pictures and 150 texts of 2 s each, 30 to a track on 10 tracks
// (pictures on the even tracks), opened until every segment has loaded.

#include "BenchEditingWindow.h"
#include "BenchSupport.h"
#include "ProjectManager.h"
#include "Segment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QXmlStreamWriter>

#include <QTemporaryDir>

#include <cstdio>
#include <memory>

constexpr int kBenchTracks = 10;
constexpr int kBenchPerTrack = 30;

inline bool benchWriteTrackedProject(const QString& dir)
{
    if (!benchMakeMedia(dir + "/picture.png", {"-f", "lavfi", "-i", "color=c=red:s=640x360:d=1", "-frames:v", "1"}))
        return false;
    QFile project(dir + QStringLiteral("/project.xml"));
    if (!project.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&project);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Project"));
    for (int track = 1; track <= kBenchTracks; ++track) {
        for (int index = 0; index < kBenchPerTrack; ++index) {
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

inline bool benchEverySegmentLoaded(ProjectManager* manager, int count)
{
    for (int index = 0; index < manager->segmentCount(); ++index) {
        if (manager->segmentAt(index)->state() != 4)
            return false;
    }
    return manager->segmentCount() == count;
}

// Opens the window's project and waits until its 300 segments have loaded;
// false (with the reason on stderr) otherwise.
inline bool benchOpenLoadedProject(BenchEditingWindow& window, const char* name, int limitMs)
{
    window.show();
    QElapsedTimer clock;
    clock.start();
    if (!window._openProject())
        return false;
    ProjectManager* manager = window.projectManager();
    const int count = kBenchTracks * kBenchPerTrack;
    while (!(window.allLoaded && benchEverySegmentLoaded(manager, count)) && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (window.allLoaded && benchEverySegmentLoaded(manager, count))
        return true;
    std::fprintf(stderr, "%s: the project did not load within %d s\n", name, limitMs / 1000);
    return false;
}

// In a product folder of its own: writes the project "Bench" and opens it
// in a new window of the type once every segment has loaded; null (with the
// reason on stderr) when a step fails.
template <typename Window>
std::unique_ptr<Window> benchOpenTrackedProject(const QTemporaryDir& product, const char* name, int limitMs)
{
    const QString project = QStringLiteral("Bench");
    ProjectManager::setWorkingFolder(product.path());
    const QString dir = ProjectManager::projectDirectory(project, QString());
    QDir().mkpath(dir);
    if (!benchWriteTrackedProject(dir)) {
        std::fprintf(stderr, "%s: could not write the project\n", name);
        return nullptr;
    }
    auto window = std::make_unique<Window>(project);
    if (!benchOpenLoadedProject(*window, name, limitMs))
        return nullptr;
    return window;
}
