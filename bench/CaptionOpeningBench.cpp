// Opening a project of 500 captions and one of 5,000 (texts of 2.5 s, one
// every 3 s on a single track, as imported subtitles lie) in the editing
// window, one after the other in the same run, after an opening that warms
// up: the seconds from the call that opens each until every caption has
// loaded and the preview is idle, their ratio, and the longest pause of the
// window's event loop meanwhile. A plain
// executable: run it under a display (xvfb-run) for the preview surface.
// Usage: caption_opening_bench [--large N] (N captions instead of 5,000).

#include "BenchEventLoopPause.h"
#include "BenchLoadedProject.h"
#include "FreedMemory.h"
#include "ProjectManager.h"

#include "AVEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSmall = 500;
constexpr int kLarge = 5000;
constexpr int kLimitMs = 600000;
constexpr int kIdleLimitMs = 60000;
constexpr float kCaptionSeconds = 2.5f;
constexpr float kCaptionEvery = 3.0f;
const QString kName = QStringLiteral("Captions");

bool writeCaptions(const QString& dir, int count)
{
    return benchWriteProject(dir, [count](QXmlStreamWriter& writer) {
        for (int index = 0; index < count; ++index) {
            SegmentAttributes record;
            Segment::setStringAttribute(&record, QStringLiteral("Type"), QStringLiteral("TEXT"));
            Segment::setIntAttribute(&record, QStringLiteral("TrackId"), 1);
            Segment::setFloatAttribute(&record, QStringLiteral("RangeStart"), float(index) * kCaptionEvery);
            Segment::setFloatAttribute(&record, QStringLiteral("RangeDuration"), kCaptionSeconds);
            Segment::setStringAttribute(&record, QStringLiteral("Text"), QStringLiteral("Caption line %1").arg(index));
            Segment::saveToXml(record, writer);
        }
        return true;
    });
}

struct Opening {
    double seconds = -1.0;  // to every caption loaded and the preview idle; -1 on failure
    double longestPause = 0.0;
};

Opening openCaptions(int count)
{
    Opening opening;
    QTemporaryDir product;
    if (!writeCaptions(benchMakeProjectFolder(product, kName), count)) {
        std::fprintf(stderr, "caption_opening_bench: could not write the project of %d captions\n", count);
        return opening;
    }
    BenchEditingWindow window(kName);
    EventLoopPause pause;
    QElapsedTimer clock;
    clock.start();
    if (benchLoadProject(window, count, kLimitMs) >= 0) {
        AVEngine* engine = window.engine();
        if (benchProcessEventsUntil([engine] { return engine->isRenderIdle(); }, kIdleLimitMs)) {
            opening.seconds = clock.elapsed() / 1000.0;
            opening.longestPause = pause.longestMs() / 1000.0;
        }
    }
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    if (opening.seconds < 0)
        std::fprintf(stderr, "caption_opening_bench: the project of %d captions did not open\n", count);
    return opening;
}

} // namespace

int main(int argc, char** argv)
{
    // As the program starts.
    FreedMemory::returnLargeBlocks();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    int large = kLarge;
    for (int index = 1; index + 1 < argc; ++index) {
        if (std::strcmp(argv[index], "--large") == 0)
            large = std::max(kSmall, std::atoi(argv[index + 1]));
    }
    // The first opening of the process also loads what every later one finds ready.
    if (openCaptions(kSmall).seconds < 0)
        return 1;
    const Opening small = openCaptions(kSmall);
    if (small.seconds < 0)
        return 1;
    std::printf("open to all-ready, %d captions: %.2f s; longest event-loop pause %.2f s\n", kSmall, small.seconds,
                small.longestPause);
    const Opening big = openCaptions(large);
    if (big.seconds < 0)
        return 1;
    std::printf("open to all-ready, %d captions: %.2f s; longest event-loop pause %.2f s\n", large, big.seconds,
                big.longestPause);
    // Linear growth: the time grows no faster than the count.
    std::printf("ratio %d to %d captions: %.1f (target at most %.0f); longest pause target at most 1 s\n", large,
                kSmall, big.seconds / small.seconds, double(large) / kSmall);
    return 0;
}
