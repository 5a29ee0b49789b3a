// Playback on this machine's OpenGL (Mesa's software renderer under
// xvfb-run): 10 s of a 1280x720 30 fps movie with sound played through the
// playback driver into a shown preview, as the editor plays it; with
// --three-layers, 10 s of a 1920x1080 composition of three layers instead:
// a movie with sound and a brightness adjustment, a second movie cropped to
// a quarter of the frame and moved aside, and a title. Reports the
// frames drawn per second, the offset between the render clock and the
// position of the sound the device plays (sampled every 50 ms), and the
// underruns the sound device reported while playing, each with its time,
// and how long the play took to start (the sound waits for its first mix).
// Usage: playback_bench [WORK_DIR [--three-layers]]  (the movies are made there when missing)

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
#include <vector>

namespace {

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

// A 30 fps movie of 11 s from the lavfi picture source, with a tone when sound is set.
bool makeMovie(const QString& file, const QString& source, bool sound)
{
    QStringList arguments{"-f", "lavfi", "-i", source + ":r=30,trim=duration=11"};
    if (sound)
        arguments += {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=11", "-c:a", "aac"};
    arguments += {"-c:v", "libx264", "-preset", "veryfast", "-g", "30", "-pix_fmt", "yuv420p", "-shortest"};
    return benchMakeMedia(file, arguments);
}

// The second movie and the title of the three-layer composition, above the first.
void addUpperLayers(AVEngine& engine, const QByteArray& inset)
{
    constexpr int32_t kBrightness = 21;
    constexpr int32_t kPosition = 2;
    constexpr int32_t kCropTopLeft = 8;
    constexpr int32_t kCropBottomRight = 9;
    engine.setSegmentProperty(1, kBrightness, 20.0f, 0.0f, 0.0f, 0.0f);
    engine.createVideoSegment(3, inset.constData(), 0.0f, 0.0f, 0.0f, 32, 1);
    engine.setSegmentProperty(3, kCropTopLeft, 0.25f, 0.25f, 0.0f, 0.0f);
    engine.setSegmentProperty(3, kCropBottomRight, 0.75f, 0.75f, 0.0f, 0.0f);
    engine.setSegmentProperty(3, kPosition, 0.8f, 0.2f, 0.0f, 0.0f);
    engine.createTextSegment(4, "Vidorna", 0.0f, float(kSeconds + 1.0));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool threeLayers = argc > 2 && QString(argv[2]) == "--three-layers";
    const int width = threeLayers ? 1920 : 1280;
    const int height = threeLayers ? 1080 : 720;
    const QDir work(benchWorkFolder(argc, argv));
    const QString size = QString("s=%1x%2").arg(width).arg(height);
    const QString movie = work.filePath(QString("playback_%1x%2_30fps_10s.mp4").arg(width).arg(height));
    const QString inset = work.filePath("playback_1920x1080_inset.mp4");
    if (!makeMovie(movie, "testsrc2=" + size, true) || (threeLayers && !makeMovie(inset, "mandelbrot=" + size, false))) {
        std::fprintf(stderr, "playback_bench: ffmpeg could not make the movie\n");
        return 1;
    }
    AVGLWidget preview;
    preview.resize(width / 2, height / 2);
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
    AVComposition composition(width, height, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr);
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
    std::vector<int32_t> ids{1, 2};
    if (threeLayers) {
        addUpperLayers(engine, inset.toUtf8());
        ids = {1, 2, 3, 4};
    }
    const bool loaded = benchWaitFor([&] {
        return std::all_of(ids.begin(), ids.end(),
                           [&](int32_t id) { return composition.findSegment(id)->status() == AVSegmentReady; });
    }, 30.0);
    int status = 1;
    if (!loaded) {
        std::fprintf(stderr, "playback_bench: the movie did not load\n");
    } else {
        pumpFor(1.0, [] {});
        QElapsedTimer startClock;
        startClock.start();
        engine.togglePlayback();
        benchWaitFor([&] {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            return render.isPlaying();
        }, 5.0);
        const qint64 startMs = startClock.elapsed();
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
                    double(preview.width()), double(preview.height()), width, height,
                    render.soundOutput() && render.soundOutput()->isNullOutput() ? "null" : "device");
        std::printf("  frames drawn per second: %.1f (target >= %.0f)\n", fps, kFramesTarget);
        std::printf("  render clock vs the sound being played: mean %.1f ms, max %.1f ms over %d samples "
                    "(target <= %.0f ms)\n",
                    offsetMean, offsetMax, samples, kOffsetTargetMs);
        std::printf("  from the play to playing: %lld ms\n", static_cast<long long>(startMs));
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
