// Frame choice plus texture upload of a video segment: the time one
// preparation takes to take a decoded 1920x1080 yuv420p frame from the
// stream and upload its three planes (finished with glFinish), as the
// render thread does during playback. Median over 100 frames.
// Usage: video_segment_bench [WORK_DIR]  (the clip is made there when missing)

#include "AVGLContext.h"
#include "AVGLTexture.h"
#include "AVVideoSegment.h"
#include "BenchSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QOpenGLFunctions_3_2_Core>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSamples = 100;
constexpr double kTargetMs = 10.0;

bool makeClip(const QString& clip)
{
    return benchMakeMedia(clip, {"-f", "lavfi", "-i", "testsrc2=s=1920x1080:r=30:d=6", "-c:v", "libx264", "-preset",
                                 "veryfast", "-pix_fmt", "yuv420p", "-g", "30"});
}

int onLoaded(AVSegment*, intptr_t, void* context)
{
    static_cast<std::atomic<bool>*>(context)->store(true);
    return 0;
}

// Milliseconds of each preparation that showed a new frame.
std::vector<double> measure(AVVideoSegment& segment, QOpenGLFunctions_3_2_Core* gl)
{
    std::vector<double> samples;
    for (int frame = 0; int(samples.size()) < kSamples; ++frame) {
        // Half a millisecond past the frame's own time, which the frame
        // choice compares in whole milliseconds.
        const double time = frame / 30.0 + 0.0005;
        const int64_t before = segment.shownFrameMs();
        bool shown = false;
        QElapsedTimer timer;
        const bool came = benchWaitFor([&] {
            timer.start();
            segment.prepareAt(time, false, true);
            gl->glFinish();
            shown = segment.shownFrameMs() != before;
            return shown;
        }, 10.0);
        if (!came)
            break;
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = benchWorkFolder(argc, argv);
    const QString clip = QDir(folder).filePath("segment_1080p.mp4");
    if (!makeClip(clip)) {
        std::fprintf(stderr, "video_segment_bench: cannot make %s with ffmpeg\n", qPrintable(clip));
        return 1;
    }

    BenchDrawing drawing("video_segment_bench");
    if (!drawing.isDrawing())
        return 1;

    std::vector<double> samples;
    const QByteArray path = clip.toUtf8();
    {
        AVVideoSegment segment(0.0, path.constData(), 1920, 1080, 0);
        std::atomic<bool> loaded{false};
        segment.setCallback(onLoaded, &loaded);
        const bool ready = benchWaitFor([&] { return loaded.load(); }, 30.0) && segment.status() == 0
            && (segment.wake(), benchWaitFor([&] { return segment.isReady(); }, 30.0));
        if (ready)
            samples = measure(segment, avCurrentGLFunctions);
        if (segment.texture())
            std::printf("frame format %u (1 = planar 4:2:0), picture %ux%u, stride %d\n",
                        avTextureFormat(segment.texture()), segment.imageWidth(), segment.imageHeight(),
                        segment.frameStride());
    }

    if (samples.size() < size_t(kSamples)) {
        std::fprintf(stderr, "video_segment_bench: only %zu frames came\n", samples.size());
        return 1;
    }
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[kSamples / 2 - 1] + sorted[kSamples / 2]) / 2.0;
    std::printf("frame choice + upload of 1920x1080 yuv420p: median %.2f ms, min %.2f ms, max %.2f ms over %d frames "
                "(target at most %.0f ms)\n",
                median, sorted.front(), sorted.back(), kSamples, kTargetMs);
    return 0;
}
