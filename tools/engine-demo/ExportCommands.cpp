#include "AVComposition.h"
#include "AVExporter.h"
#include "DemoCommands.h"
#include "DemoComposition.h"
#include "DemoSupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <cmath>
#include <cstdio>

namespace {

const char* const kExportUsage =
    "usage: engine-demo export --video FILE [--music FILE] --size WxH --fps N --codec h264|hevc|vp9 "
    "[--at SECONDS] OUT\n";

// The quality level the export options start at: 15 Mb/s at 30 fps.
constexpr int kQualityLevel = 3;
constexpr int kAudioLevel = 2;
constexpr uint32_t kSampleRate = 44100;
constexpr uint32_t kChannels = 2;
// An export is given this long plus this much per second of movie before
// it is cancelled.
constexpr int kExportBaseMs = 120000;
constexpr int kExportMsPerSecond = 20000;
constexpr int kCancelWaitMs = 30000;

struct ExportWatch {
    QEventLoop* loop = nullptr;
    std::atomic<int> lastPercent{-1};
    std::atomic<bool> finished{false};
    std::atomic<int> result{0};
};

// On the export thread: progress in whole percents, the remaining time as
// reported, and the end, which wakes the waiting loop.
void onReport(AVExporter*, int32_t message, double value, void* context)
{
    auto* watch = static_cast<ExportWatch*>(context);
    if (message == AVExporter_Msg_Progress) {
        const int percent = int(value * 100);
        if (watch->lastPercent.exchange(percent) != percent)
            std::printf("progress %d%%\n", percent);
    } else if (message == AVExporter_Msg_RemainingTime) {
        std::printf("remaining %.0f s\n", value);
    } else if (message == AVExporter_Msg_Finished) {
        watch->result = int(value);
        watch->finished = true;
        QMetaObject::invokeMethod(watch->loop, "quit", Qt::QueuedConnection);
    }
    std::fflush(stdout);
}

// The argument that is neither an option nor an option's value.
QString positionalArgument(const QStringList& arguments)
{
    QString found;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith("--"))
            ++i;
        else if (found.isEmpty())
            found = arguments.at(i);
        else
            return QString();
    }
    return found;
}

bool waitForEnd(QEventLoop* loop, const ExportWatch& watch, int milliseconds)
{
    if (!watch.finished) {
        QTimer::singleShot(milliseconds, loop, &QEventLoop::quit);
        loop->exec();
    }
    return watch.finished;
}

} // namespace

int runExport(const QStringList& arguments)
{
    const QString video = optionText(arguments, "--video", QString());
    const QString music = optionText(arguments, "--music", QString());
    const QString codecName = optionText(arguments, "--codec", QString());
    const QString out = positionalArgument(arguments);
    bool fpsOk = false, atOk = false;
    const int fps = optionText(arguments, "--fps", QString()).toInt(&fpsOk);
    const double at = optionText(arguments, "--at", "0").toDouble(&atOk);
    int width = 0, height = 0;
    if (video.isEmpty() || out.isEmpty() || !fpsOk || fps < 1 || fps > 240 || !atOk || !std::isfinite(at) || at < 0
        || !QStringList{"h264", "hevc", "vp9"}.contains(codecName)
        || !parseSize(optionText(arguments, "--size", QString()), &width, &height)) {
        std::fprintf(stderr, "%s", kExportUsage);
        return 2;
    }
    // The exporter's thread draws and mixes; this thread holds no context.
    DemoComposition demo(width, height, false);
    if (!demo.addMovie(video, at) || (!music.isEmpty() && !demo.addSound(music, 0.0, 1.0f)))
        return 1;
    AVComposition* composition = demo.composition();
    const double duration = composition->duration();
    AVExporter exporter(uint32_t(width), uint32_t(height), AVExporter::videoBitRateForLevel(kQualityLevel, fps),
                        uint32_t(fps), AVExporter::codecForName(codecName.toStdString()), false, kSampleRate,
                        kChannels, AVExporter::audioBitRateForLevel(kAudioLevel), out.toUtf8().toStdString(),
                        nullptr, false);
    QEventLoop loop;
    ExportWatch watch;
    watch.loop = &loop;
    exporter.setProgressCallback(&onReport, &watch);
    exporter.attachToComposition(composition);
    exporter.setImageLoader(demo.loader());
    QElapsedTimer timer;
    timer.start();
    exporter.start();
    if (!waitForEnd(&loop, watch, kExportBaseMs + int(duration * kExportMsPerSecond))) {
        std::fprintf(stderr, "engine-demo: the export took too long; cancelling it\n");
        exporter.cancel();
        waitForEnd(&loop, watch, kCancelWaitMs);
    }
    exporter.detachFromComposition();
    if (!watch.finished || watch.result != 0) {
        std::fprintf(stderr, "engine-demo: the export failed (%d)\n", watch.finished ? watch.result.load() : -1);
        return 1;
    }
    std::printf("%.3f s at %d x %d, %d fps, %s written to %s in %.2f s\n", duration, width, height, fps,
                qPrintable(codecName), qPrintable(out), timer.elapsed() / 1000.0);
    return 0;
}
