#include "DemoCommands.h"
#include "DemoSupport.h"

#include "AVVideoSegment.h"

#include <atomic>
#include <cstdio>

namespace {

constexpr double kLoadTimeLimit = 30.0;  // seconds
constexpr double kFrameTimeLimit = 5.0;  // seconds

int onLoaded(AVSegment*, intptr_t, void* context)
{
    static_cast<std::atomic<bool>*>(context)->store(true);
    return 0;
}

bool readTimes(const QString& text, QList<double>* times)
{
    for (const QString& item : text.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        times->append(item.toDouble(&ok));
        if (!ok)
            return false;
    }
    return !times->isEmpty();
}

} // namespace

int runSegmentFrames(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.first().startsWith("--")) {
        std::fprintf(stderr, "usage: engine-demo segment-frames FILE [--in S] [--length S] [--duration S] --times T,...\n");
        return 2;
    }
    const QByteArray path = arguments.first().toUtf8();
    const double inPoint = optionText(arguments, "--in", "0").toDouble();
    const double length = optionText(arguments, "--length", "0").toDouble();
    const double duration = optionText(arguments, "--duration", "0").toDouble();
    QList<double> times;
    if (!readTimes(optionText(arguments, "--times", "0"), &times)) {
        std::fprintf(stderr, "engine-demo: --times wants seconds separated by commas\n");
        return 2;
    }

    DemoDrawing drawing;  // frames are uploaded into textures as they are shown
    if (!drawing.isDrawing())
        return 1;
    AVVideoSegment segment(0.0, inPoint, length, path.constData(), 1920, 1080, 0);
    if (duration > 0.0)
        segment.setDuration(duration);
    std::atomic<bool> loaded{false};
    segment.setCallback(onLoaded, &loaded);
    if (!waitFor([&] { return loaded.load(); }, kLoadTimeLimit)) {
        std::fprintf(stderr, "engine-demo: %s did not open within %.0f s\n", path.constData(), kLoadTimeLimit);
        return 1;
    }
    if (segment.status() != 0) {
        std::fprintf(stderr, "engine-demo: cannot open %s (%d)\n", path.constData(), int(segment.status()));
        return 1;
    }
    segment.wake();
    std::printf("media %.3f s, in-point %.3f s, used length %.3f s, duration %.3f s, speed %.3f\n",
                segment.mediaDuration(), segment.inPoint(), segment.usedLength(), segment.duration(),
                segment.speed());

    // Each time as the editor shows it after a seek: the seek completes, and
    // the next preparation shows the frame for the time.
    for (const double time : times) {
        segment.seekTo(time, true);
        const bool shown = waitFor([&] { return segment.isReady(); }, kFrameTimeLimit) && waitFor([&] {
            segment.prepareAt(time, true, false);
            return segment.shownFrameMs() >= 0;
        }, kFrameTimeLimit);
        const double target = (time - segment.startTime()) / segment.speed() + segment.inPoint();
        if (shown)
            std::printf("time %.3f s: target %.3f s, frame %.3f s\n", time, target, segment.shownFrameMs() / 1000.0);
        else
            std::printf("time %.3f s: target %.3f s, no frame\n", time, target);
    }
    return 0;
}
