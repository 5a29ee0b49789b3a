// A project of 50,000 elements this version keeps without using them (about
// 2.3 MB: notes beside three captions, a tenth of them with a value that is
// no file, and a few looks that name files of the project folder) opened in
// the editing window and then saved and closed through the window's close:
// the seconds of each, and the longest pause of the window's event loop in
// each. The close counts from the request until the window is gone, its
// fixed wait for the last frame included. A plain executable: run it under
// a display (xvfb-run) for the preview surface.
// Usage: kept_elements_bench [--count N] (N notes instead of 50,000).

#include "BenchEventLoopPause.h"
#include "BenchLoadedProject.h"
#include "FreedMemory.h"
#include "ProjectManager.h"

#include "AVEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNotes = 50000;
constexpr int kCaptions = 3;
constexpr int kLooks = 5;
constexpr int kLimitMs = 600000;
constexpr int kIdleLimitMs = 60000;
const QString kName = QStringLiteral("Kept");

QString lookFile(int index)
{
    return QStringLiteral("look-%1.cube").arg(index);
}

bool writeKeptProject(const QString& dir, int notes)
{
    for (int index = 0; index < kLooks; ++index) {
        QFile look(dir + QLatin1Char('/') + lookFile(index));
        if (!look.open(QIODevice::WriteOnly) || look.write("LUT_3D_SIZE 2\n") <= 0)
            return false;
    }
    return benchWriteProject(dir, [notes](QXmlStreamWriter& writer) {
        for (int index = 0; index < kCaptions; ++index) {
            SegmentAttributes record;
            Segment::setStringAttribute(&record, QStringLiteral("Type"), QStringLiteral("TEXT"));
            Segment::setIntAttribute(&record, QStringLiteral("TrackId"), 1);
            Segment::setFloatAttribute(&record, QStringLiteral("RangeStart"), float(index) * 3.0f);
            Segment::setFloatAttribute(&record, QStringLiteral("RangeDuration"), 2.5f);
            Segment::setStringAttribute(&record, QStringLiteral("Text"), QStringLiteral("Caption %1").arg(index));
            Segment::saveToXml(record, writer);
        }
        for (int index = 0; index < notes; ++index) {
            writer.writeStartElement(QStringLiteral("Note"));
            writer.writeAttribute(QStringLiteral("id"), QString::number(index));
            writer.writeAttribute(QStringLiteral("tag"), QStringLiteral("kept note %1").arg(index));
            if (index % 10 == 0)
                writer.writeAttribute(QStringLiteral("ref"), QStringLiteral("sketches/missing-%1.png").arg(index));
            writer.writeEndElement();
        }
        for (int index = 0; index < kLooks; ++index) {
            writer.writeStartElement(QStringLiteral("Look"));
            writer.writeAttribute(QStringLiteral("lut"), lookFile(index));
            writer.writeEndElement();
        }
        return true;
    });
}

struct Timing {
    double seconds = -1.0; // -1 on failure
    double longestPause = 0.0;
};

Timing openProject(BenchEditingWindow& window)
{
    Timing opening;
    EventLoopPause pause;
    QElapsedTimer clock;
    clock.start();
    if (benchLoadProject(window, kCaptions, kLimitMs) < 0)
        return opening;
    AVEngine* engine = window.engine();
    if (!benchProcessEventsUntil([engine] { return engine->isRenderIdle(); }, kIdleLimitMs))
        return opening;
    opening.seconds = clock.elapsed() / 1000.0;
    opening.longestPause = pause.longestMs() / 1000.0;
    return opening;
}

// Saves the project (marked modified, as after an edit) and closes the window as the user does.
Timing saveAndClose(BenchEditingWindow* window)
{
    Timing closing;
    QPointer<BenchEditingWindow> open(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->projectManager()->setModified(true);
    EventLoopPause pause;
    QElapsedTimer clock;
    clock.start();
    window->close();
    if (!benchProcessEventsUntil([&open] { return open.isNull(); }, kLimitMs))
        return closing;
    closing.seconds = clock.elapsed() / 1000.0;
    closing.longestPause = pause.longestMs() / 1000.0;
    return closing;
}

bool looksKept(const QString& dir)
{
    for (int index = 0; index < kLooks; ++index) {
        if (!QFileInfo::exists(dir + QLatin1Char('/') + lookFile(index)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // As the program starts.
    FreedMemory::returnLargeBlocks();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    int notes = kNotes;
    for (int index = 1; index + 1 < argc; ++index) {
        if (std::strcmp(argv[index], "--count") == 0)
            notes = std::max(1, std::atoi(argv[index + 1]));
    }
    QTemporaryDir product;
    const QString dir = benchMakeProjectFolder(product, kName);
    if (!writeKeptProject(dir, notes)) {
        std::fprintf(stderr, "kept_elements_bench: could not write the project\n");
        return 1;
    }
    std::printf("project.xml of %d kept elements: %.2f MB\n", notes + kLooks,
                QFileInfo(dir + QStringLiteral("/project.xml")).size() / 1e6);
    auto* window = new BenchEditingWindow(kName);
    const Timing opening = openProject(*window);
    if (opening.seconds < 0) {
        std::fprintf(stderr, "kept_elements_bench: the project did not open\n");
        return 1;
    }
    std::printf("open to all-ready: %.2f s; longest event-loop pause %.2f s\n", opening.seconds,
                opening.longestPause);
    const Timing closing = saveAndClose(window);
    if (closing.seconds < 0) {
        std::fprintf(stderr, "kept_elements_bench: the window did not close\n");
        return 1;
    }
    std::printf("save & close to window gone: %.2f s; longest event-loop pause %.2f s\n", closing.seconds,
                closing.longestPause);
    std::printf("targets: each within 2 s, no pause over 1 s\n");
    if (!looksKept(dir)) {
        std::fprintf(stderr, "kept_elements_bench: the close deleted files that kept elements name\n");
        return 1;
    }
    return 0;
}
