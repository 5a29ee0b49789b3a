#pragma once
// Projects opened for the editing-window benchmarks until they have loaded:
// one of 300 segments, 150 pictures and 150 texts of 2 s each, 30 to a
// track on 10 tracks (pictures on the even tracks; fewer to a track on
// request), and the example project in a desktop window.

#include "BenchEditingWindow.h"
#include "BenchSupport.h"
#include "ProjectManager.h"
#include "Segment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <cstdio>
#include <memory>

constexpr int kBenchTracks = 10;
constexpr int kBenchPerTrack = 30;

// "properties.xml" of a 16:9 project at 30 frames per second on black.
inline bool benchWriteProperties(const QString& dir)
{
    QFile properties(dir + QStringLiteral("/properties.xml"));
    return properties.open(QIODevice::WriteOnly)
        && properties.write("<Properties version=\"7\" direction=\"1\" resolution=\"1\" frameRate=\"30\" "
                            "backgroundColor=\"#ff000000\" segmentMode=\"0\"/>")
        > 0;
}

// "project.xml" with the records writeRecords writes (false when one could
// not be made) and the properties above.
template <typename WriteRecords>
bool benchWriteProject(const QString& dir, WriteRecords writeRecords)
{
    QFile project(dir + QStringLiteral("/project.xml"));
    if (!project.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&project);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Project"));
    const bool recorded = writeRecords(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return recorded && !writer.hasError() && benchWriteProperties(dir);
}

inline bool benchWriteTrackedProject(const QString& dir, int perTrack = kBenchPerTrack)
{
    if (!benchMakeMedia(dir + "/picture.png", {"-f", "lavfi", "-i", "color=c=red:s=640x360:d=1", "-frames:v", "1"}))
        return false;
    return benchWriteProject(dir, [perTrack](QXmlStreamWriter& writer) {
        for (int track = 1; track <= kBenchTracks; ++track) {
            for (int index = 0; index < perTrack; ++index) {
                SegmentAttributes record;
                const bool picture = track % 2 == 0;
                Segment::setStringAttribute(&record, QStringLiteral("Type"), picture ? "IMAGE" : "TEXT");
                Segment::setIntAttribute(&record, QStringLiteral("TrackId"), track);
                Segment::setFloatAttribute(&record, QStringLiteral("RangeStart"), float(index) * 2.0f);
                Segment::setFloatAttribute(&record, QStringLiteral("RangeDuration"), 2.0f);
                if (picture)
                    Segment::setStringAttribute(&record, QStringLiteral("File"), QStringLiteral("picture.png"));
                else
                    Segment::setStringAttribute(&record, QStringLiteral("Text"),
                                                QStringLiteral("Caption %1").arg(index));
                Segment::saveToXml(record, writer);
            }
        }
        return true;
    });
}

inline bool benchEverySegmentLoaded(ProjectManager* manager, int count)
{
    for (int index = 0; index < manager->segmentCount(); ++index) {
        if (manager->segmentAt(index)->state() != 4)
            return false;
    }
    return manager->segmentCount() == count;
}

// Makes the product folder the working one and the project's folder in it;
// the project's folder.
inline QString benchMakeProjectFolder(const QTemporaryDir& product, const QString& project)
{
    ProjectManager::setWorkingFolder(product.path());
    const QString dir = ProjectManager::projectDirectory(project, QString());
    QDir().mkpath(dir);
    return dir;
}

// Shows the window and opens its project: the milliseconds from the call
// that opens it until the loader reported every segment loaded and each of
// its count segments has finished loading; -1 when it does not open or
// takes over limitMs.
inline qint64 benchLoadProject(BenchEditingWindow& window, int count, int limitMs)
{
    window.show();
    QElapsedTimer clock;
    clock.start();
    if (!window._openProject())
        return -1;
    ProjectManager* manager = window.projectManager();
    if (!benchProcessEventsUntil([&] { return window.allLoaded && benchEverySegmentLoaded(manager, count); }, limitMs))
        return -1;
    return clock.elapsed();
}

// In a product folder of its own: writes the project "Bench" (perTrack
// segments on each track) and opens it in a new window of the type once
// every segment has loaded; null (with the reason on stderr) when a step fails.
template <typename Window>
std::unique_ptr<Window> benchOpenTrackedProject(const QTemporaryDir& product, const char* name, int limitMs,
                                                int perTrack = kBenchPerTrack)
{
    const QString project = QStringLiteral("Bench");
    if (!benchWriteTrackedProject(benchMakeProjectFolder(product, project), perTrack)) {
        std::fprintf(stderr, "%s: could not write the project\n", name);
        return nullptr;
    }
    auto window = std::make_unique<Window>(project);
    if (benchLoadProject(*window, kBenchTracks * perTrack, limitMs) < 0) {
        std::fprintf(stderr, "%s: the project did not load within %d s\n", name, limitMs / 1000);
        return nullptr;
    }
    return window;
}

// Puts the first picture of the project in editing; false when it does not enter.
inline bool benchEditFirstPicture(BenchEditingWindow& window)
{
    ProjectManager* manager = window.projectManager();
    for (int index = 0; index < manager->segmentCount(); ++index) {
        Segment* segment = manager->segmentAt(index);
        auto* tile = qobject_cast<SegmentWidget*>(manager->segmentWidgetFor(segment));
        if (segment->type() != QLatin1String("IMAGE") || !tile)
            continue;
        tile->setEditing(true, false);
        return benchProcessEventsUntil([&] { return window.timeline()->editingSegmentWidget() == tile; }, 5000);
    }
    return false;
}

// In a product folder of its own: installs the example projects and opens
// the countdown example in a new desktop window of the type, shown by show,
// until the window's ready() holds; null (with the reason on stderr) when a
// step fails.
template <typename Window, typename Show>
std::unique_ptr<Window> benchOpenExampleProject(const QTemporaryDir& product, const char* name, int limitMs, Show show)
{
    ProjectManager::setWorkingFolder(product.path());
    if (!ProjectManager::copyExampleProjects()) {
        std::fprintf(stderr, "%s: the example project could not be installed\n", name);
        return nullptr;
    }
    auto window = std::make_unique<Window>(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
    show(*window);
    if (!benchProcessEventsUntil([&] { return window->ready(); }, limitMs)) {
        std::fprintf(stderr, "%s: the project did not open with a preview within %d s\n", name, limitMs / 1000);
        return nullptr;
    }
    return window;
}
