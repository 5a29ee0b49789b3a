#include "AVComposition.h"
#include "AVGLFramebuffer.h"
#include "AVGLRenderer.h"
#include "AVVideoSegment.h"
#include "DemoCommands.h"
#include "DemoComposition.h"
#include "DemoSupport.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kSettleSeconds = 10.0;
// A frame shown for a time lies at most this far before it.
constexpr int64_t kFrameToleranceMs = 100;

const char* const kComposeUsage =
    "usage: engine-demo compose --video FILE [--image FILE] [--text TEXT] --at SECONDS --size WxH --out PNG\n";
const char* const kMixUsage =
    "usage: engine-demo mix --audio FILE [--audio FILE ...] [--video FILE] [--volume V] --duration SECONDS "
    "--out WAV\n";

bool numberOption(const QStringList& arguments, const QString& name, const QString& fallback, double* value)
{
    bool ok = false;
    *value = optionText(arguments, name, fallback).toDouble(&ok);
    return ok && std::isfinite(*value);
}

// Whether the layers show what belongs to the time: the movie's frame of
// that time (when it covers it) and a picture in every other layer.
bool settled(const DemoComposition& demo, const std::vector<AVLayerSegment*>& layers, double time)
{
    AVVideoSegment* movie = demo.movie();
    if (movie->coversTime(time)) {
        const int64_t wanted = int64_t(std::llround(((time - movie->startTime()) / movie->speed() + movie->inPoint()) * 1000));
        const int64_t shown = movie->shownFrameMs();
        if (!movie->isReady() || shown < 0 || shown > wanted || wanted - shown > kFrameToleranceMs)
            return false;
    }
    return std::all_of(layers.begin(), layers.end(), [](AVLayerSegment* layer) { return layer->texture(); });
}

bool saveFront(AVComposition* composition, const QString& path)
{
    AVGLFramebuffer* front = composition->frontFramebuffer();
    if (!front)
        return false;
    AVGLRenderer::bindFramebuffer(composition->renderer(), front);
    int32_t stride = 0;
    uint8_t* pixels = avReadPixels(front->color, &stride);
    // The composition keeps the picture's top in row 0, the first row read.
    return pixels
        && QImage(pixels, composition->width(), composition->height(), stride, QImage::Format_ARGB32_Premultiplied,
                  std::free, pixels)
               .save(path);
}

} // namespace

int runCompose(const QStringList& arguments)
{
    const QString video = optionText(arguments, "--video", QString());
    const QString out = optionText(arguments, "--out", QString());
    const QString image = optionText(arguments, "--image", QString());
    const QString text = optionText(arguments, "--text", QString());
    int width = 0, height = 0;
    double at = 0;
    if (video.isEmpty() || out.isEmpty() || !numberOption(arguments, "--at", QString(), &at) || at < 0
        || !parseSize(optionText(arguments, "--size", QString()), &width, &height)) {
        std::fprintf(stderr, "%s", kComposeUsage);
        return 2;
    }
    DemoComposition demo(width, height);
    if (!demo.isReady() || !demo.addMovie(video, 0.0))
        return 1;
    AVComposition* composition = demo.composition();
    const double layerLength = std::max(composition->duration(), at + 1.0);
    std::vector<AVLayerSegment*> layers;
    if (!image.isEmpty())
        layers.push_back(demo.addPicture(image, 0.0, layerLength));
    if (!text.isEmpty())
        layers.push_back(demo.addText(text, 0.0, layerLength));
    composition->seek(at, true);
    const bool ready = waitFor(
        [&] {
            composition->compositeVideo(at, 1, 0, 0);
            return settled(demo, layers, at);
        },
        kSettleSeconds);
    if (!ready)
        std::fprintf(stderr, "engine-demo: the layers did not settle within %.0f s; writing what is drawn\n",
                     kSettleSeconds);
    composition->compositeVideo(at, 1, 0, 0);
    if (!saveFront(composition, out)) {
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%d x %d frame at %.3f s of %.3f s written to %s (movie frame %lld ms)\n", width, height, at,
                composition->duration(), qPrintable(out), static_cast<long long>(demo.movie()->shownFrameMs()));
    return 0;
}

int runMix(const QStringList& arguments)
{
    const QStringList sounds = optionValues(arguments, "--audio");
    const QString video = optionText(arguments, "--video", QString());
    const QString out = optionText(arguments, "--out", QString());
    double volume = 1, seconds = 0;
    if ((sounds.isEmpty() && video.isEmpty()) || out.isEmpty() || !numberOption(arguments, "--volume", "1", &volume)
        || !numberOption(arguments, "--duration", QString(), &seconds) || seconds <= 0 || seconds > 3600) {
        std::fprintf(stderr, "%s", kMixUsage);
        return 2;
    }
    DemoComposition demo(320, 180);
    if (!demo.isReady() || (!video.isEmpty() && !demo.addMovie(video, 0.0)))
        return 1;
    for (const QString& sound : sounds) {
        if (!demo.addSound(sound, 0.0, float(volume)))
            return 1;
    }
    AVComposition* composition = demo.composition();
    const int frameBytes = composition->channelCount() * 2;
    const qint64 total = qint64(seconds * composition->sampleRate()) * frameBytes;
    QByteArray pcm;
    std::vector<uint8_t> window(size_t(composition->mixBufferSize()));
    composition->seek(0.0, true);
    while (pcm.size() < total) {
        const double time = double(pcm.size() / frameBytes) / composition->sampleRate();
        // As the exporter mixes: the sound segments wait for their frames.
        if (!waitFor(
                [&] {
                    composition->renderAt(time, 1, 0, AVComposition::kRenderAudio, 1);
                    return composition->isMixComplete() != 0;
                },
                kSettleSeconds)) {
            std::fprintf(stderr, "engine-demo: the mix at %.3f s did not complete\n", time);
            return 1;
        }
        double position = 0;
        const int32_t read = composition->readAudio(window.data(), int32_t(window.size()), &position);
        if (read <= 0)
            break;  // the end of the composition: silence follows
        pcm.append(reinterpret_cast<const char*>(window.data()), read);
    }
    // Cut to the length asked for, or padded with silence past the end.
    const int mixed = int(std::min<qint64>(pcm.size(), total));
    pcm.resize(int(total));
    std::fill(pcm.begin() + mixed, pcm.end(), '\0');
    if (!writeWavFile(out, composition->sampleRate(), composition->channelCount(), pcm)) {
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%.3f s of %d sound segment(s) mixed at volume %.2f into %s\n", seconds,
                int(sounds.size() + (video.isEmpty() ? 0 : 1)), volume, qPrintable(out));
    return 0;
}
