// Composition speed on this machine's OpenGL (Mesa's software renderer
// under xvfb-run): the median time of composing a 1280x720 frame of a
// video, a picture and a text layer, finished with glFinish as an export
// does, each frame a new video frame; and the median time of one mixing
// pass over 8 sound segments while the windows fill.
// Usage: composition_bench [WORK_DIR]  (the media are made there when missing)

#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVImageLoader.h"
#include "AVImageSegment.h"
#include "AVImageServices.h"
#include "AVTextSegment.h"
#include "AVVideoSegment.h"
#include "BenchSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kFrames = 60;
constexpr int kSoundSegments = 8;
constexpr int kMixPasses = 400;
constexpr double kComposeTargetMs = 30.0;
constexpr double kMixTargetMs = 0.5;

double median(std::vector<double> samples)
{
    if (samples.empty())
        return -1.0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

std::vector<double> composeFrames(AVComposition& composition, AVVideoSegment* video,
                                  const std::vector<AVLayerSegment*>& layers)
{
    composition.seek(0.0, false);
    const bool settled = benchWaitFor(
        [&] {
            composition.compositeVideo(0.0, 1, 0, 1);
            return video->shownFrameMs() == 0
                && std::all_of(layers.begin(), layers.end(), [](AVLayerSegment* l) { return l->texture(); });
        },
        30.0);
    std::vector<double> samples;
    for (int frame = 1; settled && frame <= kFrames; ++frame) {
        QElapsedTimer timer;
        timer.start();
        composition.compositeVideo(frame / 30.0 + 0.0005, 1, 0, 1);
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return samples;
}

std::vector<double> mixPasses(AVComposition& composition)
{
    std::vector<uint8_t> window(size_t(composition.mixBufferSize()));
    composition.seek(0.0, true);
    std::vector<double> samples;
    double position = 0;
    QElapsedTimer limit;
    limit.start();
    while (int(samples.size()) < kMixPasses && limit.elapsed() < 30000) {
        const double time = position / composition.sampleRate();
        QElapsedTimer timer;
        timer.start();
        composition.mixAudio(time, 1, 0, 1);
        samples.push_back(timer.nsecsElapsed() / 1e6);
        if (composition.isMixComplete())
            composition.readAudio(window.data(), int32_t(window.size()), &position);
    }
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = benchWorkFolder(argc, argv);
    const QString clip = QDir(folder).filePath("compose720.mp4");
    const QString picture = QDir(folder).filePath("compose_picture.png");
    const QString tone = QDir(folder).filePath("mix_tone.wav");
    if (!benchMakeMedia(clip, {"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=30:d=4", "-c:v", "libx264", "-preset", "veryfast",
                     "-pix_fmt", "yuv420p", "-g", "30"})
        || !benchMakeMedia(picture, {"-f", "lavfi", "-i", "testsrc=s=640x480:d=1", "-frames:v", "1"})
        || !benchMakeMedia(tone, {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=12", "-ac", "2",
                        "-c:a", "pcm_s16le"})) {
        std::fprintf(stderr, "composition_bench: cannot make the media with ffmpeg in %s\n", qPrintable(folder));
        return 1;
    }

    BenchDrawing drawing("composition_bench");
    if (!drawing.isDrawing())
        return 1;
    avSetImageServicesCompositionSize(kWidth, kHeight);
    std::vector<double> frames, passes;
    {
        AVImageLoader loader;
        // Drawn on the context this thread holds, as an export draws.
        AVComposition composition(kWidth, kHeight, 44100, 2, drawing.renderer());
        auto* video = new AVVideoSegment(0.0, clip.toUtf8().constData(), kWidth, kHeight, 0);
        composition.addSegment(video, 1);
        std::vector<AVLayerSegment*> layers = {
            new AVImageSegment(&loader, 0.0, 4.0, picture.toUtf8().constData(), kWidth, kHeight),
            new AVTextSegment(0.0, 4.0, "Composition bench", kWidth, kHeight / 2, kWidth, kHeight)};
        composition.addSegment(layers[0], 2);
        composition.addSegment(layers[1], 3);
        for (int i = 0; i < kSoundSegments; ++i) {
            auto* sound = new AVAudioSegment(0.05 * i, tone.toUtf8().constData(), 44100, 2);
            sound->setVolume(0.2f);
            composition.addSegment(sound, uint32_t(10 + i));
        }
        if (benchWaitFor([&] { return video->status() == 0 && composition.hasSegmentWithStatusZero(); }, 30.0)) {
            frames = composeFrames(composition, video, layers);
            passes = mixPasses(composition);
        }
    }
    if (frames.size() < size_t(kFrames) || passes.empty()) {
        std::fprintf(stderr, "composition_bench: the media did not load or play in time\n");
        return 1;
    }
    const double frameMs = median(frames);
    const double passMs = median(passes);
    std::printf("compose 1280x720 video+image+text: median %.2f ms per frame over %zu frames (target %.0f ms)\n",
                frameMs, frames.size(), kComposeTargetMs);
    std::printf("mix 8 sound segments: median %.4f ms per pass over %zu passes (target %.1f ms)\n", passMs,
                passes.size(), kMixTargetMs);
    return 0;
}
