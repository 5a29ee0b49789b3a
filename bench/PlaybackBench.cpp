// Playback on this machine's OpenGL (Mesa's software renderer under
// xvfb-run): 10 s of a 1280x720 30 fps movie with sound played through the
// playback driver into a shown preview, as the editor plays it. Reports the
// frames drawn per second, the offset between the render clock and the
// position of the sound the device plays (sampled every 50 ms), and the
// underruns the sound device reported while playing, each with its time (a
// device resumed empty may report one at 0 s, before the first write, while
// the fade-in is still silent).
// Usage: playback_bench [WORK_DIR]  (the movie is made there when missing)

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AVImageLoader.h"
#include "AVRender.h"
#include "AVSegment.h"
#include "AVSoundOutput.h"
#include "BenchSupport.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr double kSeconds = 10.0;
constexpr double kSampleSeconds = 0.05;
constexpr double kFramesTarget = 25.0;
constexpr double kOffsetTargetMs = 100.0;

// Counts frames and the idle (underrun) reports that come while playing.
class CountingRender : public AVRender {
public:
    using AVRender::AVRender;
    void onAudioOutputStateChanged(int state) override
    {
        // A device asked to pause runs idle on purpose before it suspends.
        if (state == 3 && isPlaying() && !pausing) {
            ++underruns;
            std::printf("  underrun at %.3f s\n", currentTime());
        }
        AVRender::onAudioOutputStateChanged(state);
    }
    static void onState(AVRender* render, int code, double, void* preview)
    {
        if (code != StateFrameDrawn)
            return;
        if (render->isPlaying())
            ++static_cast<CountingRender*>(render)->frames;
        QMetaObject::invokeMethod(static_cast<QWidget*>(preview), qOverload<>(&QWidget::update), Qt::QueuedConnection);
    }
    std::atomic<int> frames{0};
    std::atomic<int> underruns{0};
    std::atomic<bool> pausing{false};
};

void pumpFor(double seconds, const std::function<void()>& each)
{
    benchWaitFor(
        [&] {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            each();
            return false;
        },
        seconds);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString movie = QDir(benchWorkFolder(argc, argv)).filePath("playback_1280x720_30fps_10s.mp4");
    if (!benchMakeMedia(movie, {"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=30:d=11", "-f", "lavfi", "-i",
                                "sine=frequency=440:sample_rate=44100:duration=11", "-c:v", "libx264", "-preset",
                                "veryfast", "-g", "30", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"})) {
        std::fprintf(stderr, "playback_bench: ffmpeg could not make the movie\n");
        return 1;
    }
    AVGLWidget preview;
    preview.resize(kWidth / 2, kHeight / 2);
    preview.show();
    if (!benchWaitFor([&] {
            QCoreApplication::processEvents();
            return preview.isValid();
        }, 5.0)) {
        std::fprintf(stderr, "playback_bench: the preview has no OpenGL 3.2 core context (run it under xvfb-run)\n");
        return 1;
    }
    CountingRender render(nullptr, preview.width(), preview.height());
    preview.setRender(&render);
    preview.connectSignals();
    AVComposition composition(kWidth, kHeight, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr);
    render.setComposition(&composition);
    render.setWaitForPresent(1);
    composition.setDoubleBuffered(1);
    AVImageLoader loader;
    AVEngine engine(&composition, &loader, &render);
    render.setStateCallback(&CountingRender::onState, &preview);
    render.startThreads();
    render.addTickets(1);

    const QByteArray path = movie.toUtf8();
    engine.createVideoSegment(1, path.constData(), 0.0f, 0.0f, 0.0f, 32, 1);
    engine.createAudioSegment(2, path.constData(), 0.0f, 0.0f, 0.0f);
    const bool loaded = benchWaitFor([&] {
        return composition.findSegment(1)->status() == AVSegmentReady
            && composition.findSegment(2)->status() == AVSegmentReady;
    }, 30.0);
    int status = 1;
    if (!loaded) {
        std::fprintf(stderr, "playback_bench: the movie did not load\n");
    } else {
        pumpFor(1.0, [] {});
        engine.togglePlayback();
        benchWaitFor([&] {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            return render.isPlaying();
        }, 5.0);
        double offsetSum = 0, offsetMax = 0, nextSample = 0;
        int samples = 0;
        QElapsedTimer clock;
        clock.start();
        pumpFor(kSeconds, [&] {
            const double heard = render.soundOutput() ? render.soundOutput()->playingPosition() : -1.0;
            if (clock.elapsed() / 1000.0 < nextSample || heard < 0)
                return;
            nextSample += kSampleSeconds;
            const double offset = std::fabs(heard - render.currentTime()) * 1000.0;
            offsetSum += offset;
            offsetMax = std::max(offsetMax, offset);
            ++samples;
        });
        const double fps = render.frames / (clock.elapsed() / 1000.0);
        const double offsetMean = samples ? offsetSum / samples : -1.0;
        std::printf("playback_bench: %.0f x %.0f preview of a %d x %d movie, %s sound output\n",
                    double(preview.width()), double(preview.height()), kWidth, kHeight,
                    render.soundOutput() && render.soundOutput()->isNullOutput() ? "null" : "device");
        std::printf("  frames drawn per second: %.1f (target >= %.0f)\n", fps, kFramesTarget);
        std::printf("  render clock vs the sound being played: mean %.1f ms, max %.1f ms over %d samples "
                    "(target <= %.0f ms)\n",
                    offsetMean, offsetMax, samples, kOffsetTargetMs);
        std::printf("  underruns while playing: %d (target 0)\n", render.underruns.load());
        status = 0;
        render.pausing = true;
        engine.pause();
        pumpFor(0.5, [] {});
    }
    render.stop(true);
    preview.setRender(nullptr);
    // The composition goes before the driver that observes it.
    render.setComposition(nullptr);
    return status;
}
